#pragma once
// The operator's page of the designated matches of one BIG1000 draw, read into a
// ScheduleRecord by walking its text lines for fixed markers.
#include <string>
#include <vector>

#include "drawdata/PageParsers.h"
#include "refdata/clsTotoData.h"
#include "site/clsHtmlGet.h"
#include "site/clsHtmlToto.h"

namespace kujimate {

class clsHtmlSchedule : public SchedulePageParser {
public:
    clsHtmlSchedule();  // takes the page address from the settings in force now

    bool GetSchedule(int32_t No, const std::string& Kumi, OwnerWindow owner) override;
    // The same reading of a page saved in a file (bytCode 0 Shift_JIS, 8 UTF-8).
    bool GetScheduleFile(const std::string& strFileName, int bytCode, int32_t No, const std::string& Kumi);
    ScheduleRecord GetRecord() const override { return record_; }
    bool Unpublished() const override { return unpublished_; }

    bool ProgressOpen() const override { return htmlGet_.ProgressOpen(); }
    void ProgressOpen(bool v) override { htmlGet_.ProgressOpen(v); }
    bool ProgressClose() const override { return htmlGet_.ProgressClose(); }
    void ProgressClose(bool v) override { htmlGet_.ProgressClose(v); }

    clsHtmlGet& HtmlGet() { return htmlGet_; }

private:
    bool Parse(int32_t No, const std::string& Kumi);

    clsHtmlGet htmlGet_;
    clsHtmlToto htmlToto_;
    clsTotoData totoData_;
    std::string urlPrefix_;
    std::string urlSuffix_;
    ScheduleRecord record_;
    bool unpublished_ = false;
};

}  // namespace kujimate
