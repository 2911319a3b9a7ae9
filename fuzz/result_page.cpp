// The result page reader over any text lines. The lines come from the page text
// extraction, which fuzz_html_text covers.
#include "FuzzSupport.h"
#include "site/clsHtmlResult.h"

using namespace kujimate;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::ProgramFolder();  // the silent reporter
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto page = ReadResultPage(fuzz::InputLines(data, size), "");
    if (page.Read) IsResultComplete(page.Record);
    return 0;
}
