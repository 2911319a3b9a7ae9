#pragma once
// The operator's result page of one BIG1000 draw: prizes, winners and carry-over per
// grade, sales totals, dates, and the outcome and score of every match.
#include <string>
#include <vector>

#include "drawdata/PageParsers.h"
#include "site/HtmlPageParser.h"

namespace kujimate {

class clsHtmlResult : public HtmlPageParser<ResultPageParser> {
public:
    clsHtmlResult();  // takes the page address from the settings in force now

    bool GetResult(int32_t No, const std::string& Kumi, OwnerWindow owner) override;
    // The same reading of a page saved in a file (bytCode 0 Shift_JIS, 8 UTF-8).
    bool GetResultFile(const std::string& strFileName, int bytCode, int32_t No, const std::string& Kumi);
    ResultRecord GetRecord() const override { return record_; }

private:
    bool Parse(const std::string& Kumi);
    // The first line at or after lngPos that is exactly strFind; lngPos moves to it.
    static bool FindLine(const std::vector<std::string>& strList, size_t& lngPos, const std::string& strFind);

    std::string urlPrefix_;
    ResultRecord record_;
};

}  // namespace kujimate
