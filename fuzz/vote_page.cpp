// The vote page parser over any page, as draw 1521, against the stored schedule of that
// draw (made once from the seed schedule page).
#include <cstdlib>

#include "FuzzSupport.h"
#include "drawdata/clsXmlSchedule.h"
#include "site/clsHtmlSchedule.h"
#include "site/clsHtmlVote.h"

using namespace kujimate;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::ProgramFolder();
    clsHtmlSchedule schedule;
    if (!schedule.GetScheduleFile(KUJIMATE_FUZZ_SCHEDULE_PAGE, 8, 1521, "")) std::abort();
    clsXmlSchedule xml;
    xml.SetRecord(schedule.GetRecord());
    if (!xml.XmlSave(xml.GetFileName(1521, ""))) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "vote.html");
    clsHtmlVote parser;
    bool final = false;
    if (parser.GetVoteFile(path, 8, 1521, "", final)) IsVoteComplete(parser.GetRecord());
    return 0;
}
