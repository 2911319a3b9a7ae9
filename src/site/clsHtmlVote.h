#pragma once
// The toto vote-status page of the same draw number: its units and rates per match,
// attached to the 11 BIG1000 matches of the stored schedule by team names.
#include <string>
#include <vector>

#include "drawdata/PageParsers.h"
#include "site/HtmlPageParser.h"
#include "site/PageReading.h"

namespace kujimate {

// The vote figures on a page's text lines, put on the matches of the stored schedule of the
// same draw by their team names. Kumi is the group; dates without a year take the page's
// time stamp, or workingYear without one. blnFinal is set as by VotePageParser::GetVote.
// A value that breaks the page is reported under clsHtmlVote.
PageReading<VoteRecord> ReadVotePage(std::vector<std::string> lines, const std::string& Kumi,
                                     const ScheduleRecord& schedule, int workingYear, bool& blnFinal);

class clsHtmlVote : public HtmlPageParser<VotePageParser> {
public:
    clsHtmlVote();  // takes the page address from the settings in force now

    bool GetVote(int32_t No, const std::string& Kumi, OwnerWindow owner, bool& blnFinal) override;
    // The same reading of a page saved in a file (bytCode 0 Shift_JIS, 8 UTF-8).
    bool GetVoteFile(const std::string& strFileName, int bytCode, int32_t No, const std::string& Kumi,
                     bool& blnFinal);
    VoteRecord GetRecord() const override { return record_; }

private:
    bool Parse(const std::string& Kumi, const ScheduleRecord& schedule, bool& blnFinal);
    // The stored schedule of the draw, read only; false when it is not complete.
    static bool StoredSchedule(int32_t No, const std::string& Kumi, OwnerWindow owner, ScheduleRecord& schedule);

    std::string urlPrefix_;
    std::string urlSuffix_;
    VoteRecord record_;
};

}  // namespace kujimate
