// The singles file reader over any bytes: a load that succeeds gives only single numbers.
#include <cstdlib>
#include <vector>

#include "FuzzSupport.h"
#include "singles/clsTFileCSV.h"
#include "singles/clsTNumber.h"

using namespace kujimate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "singles.csv");
    int32_t count = 0;
    std::vector<int32_t> list;
    if (!clsTFileCSV().CsvLoad(path, count, list)) return 0;
    if (count != static_cast<int32_t>(list.size())) std::abort();
    for (int32_t s : list)
        if (!IsSingleNumber(s)) std::abort();
    return 0;
}
