// HTML text extraction: tokens, the body's text lines and the title of any bytes, read as
// UTF-8 or as Shift_JIS by the first byte.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "site/clsHtmlGet.h"

using namespace kujimate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int code = size > 0 && (data[0] & 1) ? 0 : 8;
    const std::string path = fuzz::WriteInput(data, size, "page.html");
    clsHtmlGet get;
    if (get.GetFile(path, code) <= 0) return 0;
    std::vector<std::string> lines;
    get.GetTextData(lines);
    get.GetHtmlTitle();
    for (long n = 1; n <= get.Count(); n += 7) get.Item(n);
    return 0;
}
