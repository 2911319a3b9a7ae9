// The schedule page reader over any text lines, with the shipped dictionaries. The lines
// come from the page text extraction, which fuzz_html_text covers.
#include <memory>

#include "FuzzSupport.h"
#include "site/clsHtmlSchedule.h"

using namespace kujimate;

namespace {
std::unique_ptr<clsTotoData> teams;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::ProgramFolder();
    teams = std::make_unique<clsTotoData>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto page = ReadSchedulePage(fuzz::InputLines(data, size), "", 2025, *teams);
    if (page.Read) IsScheduleComplete(page.Record);
    return 0;
}
