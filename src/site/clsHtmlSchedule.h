#pragma once
// The operator's page of the designated matches of one BIG1000 draw, read into a
// ScheduleRecord by walking its text lines for fixed markers.
#include <string>
#include <vector>

#include "drawdata/PageParsers.h"
#include "refdata/clsTotoData.h"
#include "site/HtmlPageParser.h"

namespace kujimate {

class clsHtmlSchedule : public HtmlPageParser<SchedulePageParser> {
public:
    clsHtmlSchedule();  // takes the page address from the settings in force now

    bool GetSchedule(int32_t No, const std::string& Kumi, OwnerWindow owner) override;
    // The same reading of a page saved in a file (bytCode 0 Shift_JIS, 8 UTF-8).
    bool GetScheduleFile(const std::string& strFileName, int bytCode, int32_t No, const std::string& Kumi);
    ScheduleRecord GetRecord() const override { return record_; }

private:
    bool Parse(int32_t No, const std::string& Kumi);

    clsTotoData totoData_;
    std::string urlPrefix_;
    std::string urlSuffix_;
    ScheduleRecord record_;
};

}  // namespace kujimate
