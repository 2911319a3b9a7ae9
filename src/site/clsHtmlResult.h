#pragma once
// The operator's result page of one BIG1000 draw: prizes, winners and carry-over per
// grade, sales totals, dates, and the outcome and score of every match.
#include <string>
#include <vector>

#include "drawdata/PageParsers.h"
#include "site/HtmlPageParser.h"
#include "site/PageReading.h"

namespace kujimate {

// The result on a page's text lines; Kumi is the group ("" for the main draw). A value that
// breaks the page is reported under clsHtmlResult.
PageReading<ResultRecord> ReadResultPage(std::vector<std::string> lines, const std::string& Kumi);

class clsHtmlResult : public HtmlPageParser<ResultPageParser> {
public:
    clsHtmlResult();  // takes the page address from the settings in force now

    bool GetResult(int32_t No, const std::string& Kumi, OwnerWindow owner) override;
    // The same reading of a page saved in a file (bytCode 0 Shift_JIS, 8 UTF-8).
    bool GetResultFile(const std::string& strFileName, int bytCode, int32_t No, const std::string& Kumi);
    ResultRecord GetRecord() const override { return record_; }

private:
    bool Parse(const std::string& Kumi);

    std::string urlPrefix_;
    ResultRecord record_;
};

}  // namespace kujimate
