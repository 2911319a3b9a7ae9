// The vote page reader over any text lines, against the schedule of the seed schedule page
// (draw 1521). The lines come from the page text extraction, which fuzz_html_text covers.
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "FuzzSupport.h"
#include "site/clsHtmlSchedule.h"
#include "site/clsHtmlVote.h"

using namespace kujimate;

namespace {
ScheduleRecord schedule;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::ProgramFolder();
    std::ifstream in(KUJIMATE_FUZZ_SCHEDULE_PAGE, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    clsTotoData teams;
    const auto page = ReadSchedulePage(fuzz::InputLines(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
                                       "", 2025, teams);
    if (!page.Read || !IsScheduleComplete(page.Record)) std::abort();
    schedule = page.Record;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    bool final = false;
    const auto page = ReadVotePage(fuzz::InputLines(data, size), "", schedule, 2025, final);
    if (page.Read) IsVoteComplete(page.Record);
    return 0;
}
