// The schedule page parser over any page, as draw 1521 (the seed pages' draw).
#include "FuzzSupport.h"
#include "site/clsHtmlSchedule.h"

using namespace kujimate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "schedule.html");
    clsHtmlSchedule parser;
    if (parser.GetScheduleFile(path, 8, 1521, "")) IsScheduleComplete(parser.GetRecord());
    return 0;
}
