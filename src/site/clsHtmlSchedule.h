#pragma once
// The operator's page of the designated matches of one BIG1000 draw, read into a
// ScheduleRecord by walking its text lines for fixed markers.
#include <string>
#include <vector>

#include "drawdata/PageParsers.h"
#include "refdata/clsTotoData.h"
#include "site/HtmlPageParser.h"
#include "site/PageReading.h"

namespace kujimate {

// The schedule on a page's text lines. Kumi is the group ("" for the main draw); dates
// without a year take the page's first day of sale, or workingYear before it; teams give the
// short names. A value that breaks the page is reported under clsHtmlSchedule.
PageReading<ScheduleRecord> ReadSchedulePage(std::vector<std::string> lines, const std::string& Kumi,
                                             int workingYear, clsTotoData& teams);

class clsHtmlSchedule : public HtmlPageParser<SchedulePageParser> {
public:
    clsHtmlSchedule();  // takes the page address from the settings in force now

    bool GetSchedule(int32_t No, const std::string& Kumi, OwnerWindow owner) override;
    // The same reading of a page saved in a file (bytCode 0 Shift_JIS, 8 UTF-8).
    bool GetScheduleFile(const std::string& strFileName, int bytCode, int32_t No, const std::string& Kumi);
    ScheduleRecord GetRecord() const override { return record_; }

private:
    bool Parse(const std::string& Kumi);

    clsTotoData totoData_;
    std::string urlPrefix_;
    std::string urlSuffix_;
    ScheduleRecord record_;
};

}  // namespace kujimate
