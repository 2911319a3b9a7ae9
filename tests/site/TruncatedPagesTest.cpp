// Realistic pages cut off anywhere (mid-tag, mid-character, mid-row) never crash a parser,
// and never turn into a complete record that differs from the whole page's.
#include <gtest/gtest.h>

#include "DemoSite.h"
#include "common/TestSupport.h"
#include "site/clsHtmlGet.h"
#include "site/clsHtmlResult.h"
#include "site/clsHtmlSchedule.h"
#include "site/clsHtmlVote.h"
#include "support/Encoding.h"

using namespace kujimate;
using namespace kujimate::test;

namespace {

class TruncatedPagesTest : public ProgramFolderTest {
protected:
    static std::vector<std::string> Cut(const std::string& page, size_t size) {
        return PageTextLines(SanitizeUtf8(page.substr(0, size)));
    }
    const demo::DemoSite site{Date::FromYmdHns(2025, 3, 12, 12, 0, 0)};
    static constexpr int Draw = 1522;
    static constexpr int WorkingYear = 2025;
};

TEST_F(TruncatedPagesTest, SchedulePages) {
    const std::string page = site.SchedulePage(Draw);
    clsTotoData teams;
    const auto full = ReadSchedulePage(Cut(page, page.size()), "", WorkingYear, teams);
    ASSERT_TRUE(full.Read);
    ScheduleRecord whole = full.Record;
    ASSERT_TRUE(IsScheduleComplete(whole));
    const ScheduleRecord schedule = whole;
    whole.RefundStart = whole.RefundEnd = Date{};
    for (size_t size = 0; size < page.size(); size += 37) {
        const auto cut = ReadSchedulePage(Cut(page, size), "", WorkingYear, teams);
        if (!cut.Read) continue;
        ScheduleRecord r = cut.Record;
        if (!IsScheduleComplete(r)) continue;
        r.RefundStart = r.RefundEnd = Date{};
        EXPECT_EQ(r, whole) << "cut at " << size;
    }

    const std::string vote = site.VotePage(Draw);
    bool final = false;
    ASSERT_TRUE(ReadVotePage(Cut(vote, vote.size()), "", schedule, WorkingYear, final).Read);
    EXPECT_TRUE(final);
    for (size_t size = 0; size < vote.size(); size += 37) ReadVotePage(Cut(vote, size), "", schedule, WorkingYear, final);
}

TEST_F(TruncatedPagesTest, ResultPages) {
    const std::string page = site.ResultPage(Draw);
    const auto full = ReadResultPage(Cut(page, page.size()), "");
    ASSERT_TRUE(full.Read);
    const ResultRecord whole = full.Record;
    ASSERT_TRUE(IsResultComplete(whole));
    for (size_t size = 0; size < page.size(); size += 37) {
        const auto cut = ReadResultPage(Cut(page, size), "");
        if (cut.Read && IsResultComplete(cut.Record)) {
            EXPECT_EQ(cut.Record, whole) << "cut at " << size;
        }
    }
}

}  // namespace
