// Realistic pages cut off anywhere (mid-tag, mid-character, mid-row) never crash a parser,
// and never turn into a complete record that differs from the whole page's.
#include <gtest/gtest.h>

#include "DemoSite.h"
#include "common/TestSupport.h"
#include "drawdata/clsXmlSchedule.h"
#include "site/clsHtmlResult.h"
#include "site/clsHtmlSchedule.h"
#include "site/clsHtmlVote.h"

using namespace kujimate;
using namespace kujimate::test;

namespace {

class TruncatedPagesTest : public ProgramFolderTest {
protected:
    std::string Cut(const std::string& page, size_t size) {
        WriteBytes(folder / "page.html", page.substr(0, size));
        return (folder / "page.html").string();
    }
    const demo::DemoSite site{Date::FromYmdHns(2025, 3, 12, 12, 0, 0)};
    static constexpr int Draw = 1522;
};

TEST_F(TruncatedPagesTest, SchedulePages) {
    const std::string page = site.SchedulePage(Draw);
    clsHtmlSchedule parser;
    ASSERT_TRUE(parser.GetScheduleFile(Cut(page, page.size()), 8, Draw, ""));
    ScheduleRecord whole = parser.GetRecord();
    ASSERT_TRUE(IsScheduleComplete(whole));
    whole.RefundStart = whole.RefundEnd = Date{};
    for (size_t size = 0; size < page.size(); size += 37) {
        if (!parser.GetScheduleFile(Cut(page, size), 8, Draw, "")) continue;
        ScheduleRecord r = parser.GetRecord();
        if (!IsScheduleComplete(r)) continue;
        r.RefundStart = r.RefundEnd = Date{};
        EXPECT_EQ(r, whole) << "cut at " << size;
    }
    clsXmlSchedule x;
    x.SetRecord(whole);
    ASSERT_TRUE(x.XmlSave(x.GetFileName(Draw, "")));

    const std::string vote = site.VotePage(Draw);
    clsHtmlVote voteParser;
    bool final = false;
    ASSERT_TRUE(voteParser.GetVoteFile(Cut(vote, vote.size()), 8, Draw, "", final));
    EXPECT_TRUE(final);
    for (size_t size = 0; size < vote.size(); size += 37) voteParser.GetVoteFile(Cut(vote, size), 8, Draw, "", final);
}

TEST_F(TruncatedPagesTest, ResultPages) {
    const std::string page = site.ResultPage(Draw);
    clsHtmlResult parser;
    ASSERT_TRUE(parser.GetResultFile(Cut(page, page.size()), 8, Draw, ""));
    const ResultRecord whole = parser.GetRecord();
    ASSERT_TRUE(IsResultComplete(whole));
    for (size_t size = 0; size < page.size(); size += 37) {
        if (parser.GetResultFile(Cut(page, size), 8, Draw, "") && IsResultComplete(parser.GetRecord())) {
            EXPECT_EQ(parser.GetRecord(), whole) << "cut at " << size;
        }
    }
}

}  // namespace
