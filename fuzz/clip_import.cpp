// The clipboard import over any text, whole and fed in two pieces; both read alike.
#include <cstdlib>
#include <string_view>

#include "FuzzSupport.h"
#include "singles/clsTClipImport.h"
#include "singles/clsTNumber.h"

using namespace kujimate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ProgramFolder();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<int32_t> whole = clsTClipImport().ClipImport(0, text);
    for (int32_t s : whole)
        if (!IsSingleNumber(s)) std::abort();
    const size_t cut = size > 0 ? data[0] % (size + 1) : 0;
    clsTClipImport::Reader r;
    r.Feed(text.substr(0, cut));
    r.Feed(text.substr(cut));
    r.Finish();
    if (!r.Failed() && r.Singles != whole) std::abort();
    return 0;
}
