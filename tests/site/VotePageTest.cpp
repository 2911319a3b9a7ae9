#include <gtest/gtest.h>

#include <algorithm>

#include "common/TestSupport.h"
#include "drawdata/clsXmlSchedule.h"
#include "site/PageText.h"
#include "site/clsHtmlGet.h"
#include "site/clsHtmlVote.h"
#include "support/Clock.h"

using namespace kujimate;
using namespace kujimate::test;

namespace {

const char* const Homes[13] = {"鹿島", "柏", "東京V", "川崎F", "湘南", "磐田", "京都", "C大阪", "広島", "鳥栖", "仙台",
                               "岡山", "千葉"};
const char* const Aways[13] = {"浦和", "FC東京", "町田", "横浜FM", "新潟", "名古屋", "G大阪", "神戸", "福岡", "札幌", "清水",
                               "山形", "長崎"};

Date D(int y, int m, int d, int h = 0, int n = 0) { return Date::FromYmdHns(y, m, d, h, n, 0); }
Currency C(long v) { return Currency::FromInt(v); }

// BIG1000 match d is played by pair d - 1 of the lists above.
ScheduleRecord StoredSchedule(const std::string& kumi = "") {
    ScheduleRecord s;
    s.DrawNo = 123;
    s.Group = kumi;
    for (int d = 1; d <= GameCount; ++d)
        s.Games[d] = {Homes[d - 1], Aways[d - 1], D(2024, 3, d <= 6 ? 16 : 17), Date::FromTime(d <= 6 ? 14 : 19, 0, 0),
                      "スタジアム", "VS"};
    s.SaleStart = D(2024, 3, 9);
    s.SaleEnd = D(2024, 3, 16, 13, 50);
    s.ResultDate = D(2024, 3, 18);
    return s;
}

// One toto row: number, home, the three counts (home win, other, home loss), away.
std::vector<std::string> TotoRow(int m, int pair) {
    const long base = 1000L * pair;
    return {std::to_string(m), Homes[pair], std::to_string(base + 100) + "(50.00%)",
            std::to_string(base + 20) + "(10.00%)", std::to_string(base + 3) + "(40.00%)", Aways[pair]};
}

// Toto match m plays pair order[m - 1]; BIG1000 match 5 (pair 4) is toto match 9, and
// BIG1000 match 11 (pair 10) is not on the toto page.
std::vector<std::string> VotePage(const std::string& stamp, bool withPeriod = true) {
    const int order[13] = {0, 1, 2, 3, 12, 5, 6, 7, 4, 8, 9, 11, 11};
    std::vector<std::string> l = {"toto", "第123回toto投票状況", "ホーム勝ち", stamp, "売上金額", "1,000円", "600円", "400円"};
    if (withPeriod) Append(l, {"販売期間", "2024年3月9日(土)～2024年3月16日(土)13:50まで"});
    Append(l, {"03/16", "14:00"});
    for (int m = 1; m <= 13; ++m) {
        if (m == 7) Append(l, {"3/17", "19:00"});
        Append(l, TotoRow(m, order[m - 1]));
    }
    Append(l, {"払戻期限", "2025年3月18日(火)"});
    return l;
}

class VotePageTest : public ProgramFolderTest {
protected:
    void SetUp() override { SetClock(&clock); }
    void TearDown() override { SetClock(nullptr); }

    void Store(const ScheduleRecord& s) {
        clsXmlSchedule x;
        x.SetRecord(s);
        ASSERT_TRUE(x.XmlSave(x.GetFileName(s.DrawNo, s.Group)));
    }
    bool Parse(const std::vector<std::string>& lines, const std::string& kumi = "") {
        last = ReadVotePage(PageTextLines(PageOfLines(lines)), kumi, schedule, clock.now.Year(), final);
        return last.Read;
    }

    FixedClock clock{D(2024, 3, 16, 12, 0)};
    ScheduleRecord schedule = StoredSchedule();
    PageReading<VoteRecord> last;
    bool final = true;
};

TEST_F(VotePageTest, FiguresDuringTheSaleAttachToTheScheduleByTeamNames) {
    ASSERT_TRUE(Parse(VotePage("(3月16日(土)11:30時点)")));
    EXPECT_FALSE(final);
    const VoteRecord r = last.Record;
    EXPECT_TRUE(IsVoteComplete(r));
    EXPECT_EQ(r.DrawNo, 123);
    EXPECT_EQ(r.AsOf, D(2024, 3, 16, 11, 30));
    EXPECT_TRUE(r.SaleEnd.IsZero());  // not final
    const ScheduleRecord s = StoredSchedule();
    for (int d = 1; d <= GameCount; ++d) {
        const VoteGame& g = r.Games[d];
        EXPECT_EQ(g.Home, s.Games[d].Home);
        EXPECT_EQ(g.Away, s.Games[d].Away);
        EXPECT_EQ(g.GameDate, s.Games[d].GameDate);
        EXPECT_EQ(g.KickOff, s.Games[d].KickOff);
        if (d == 11) {
            EXPECT_EQ(g.Counts, (std::array<VoteCount, 3>{})) << "not on the toto page";
            continue;
        }
        const long base = 1000L * (d - 1);
        EXPECT_EQ(g.Counts[1].Votes, C(base + 100)) << d;
        EXPECT_EQ(g.Counts[0].Votes, C(base + 20)) << d;
        EXPECT_EQ(g.Counts[2].Votes, C(base + 3)) << d;
        EXPECT_EQ(g.Counts[1].Rate, C(50));
        EXPECT_EQ(g.Counts[2].Rate, C(40));
    }
    // The sales figures and dates of the page belong to toto.
    EXPECT_EQ(r.SalesAmount, SaleTotals{});
    EXPECT_EQ(r.SaleStart, Date{});
    EXPECT_EQ(r.RefundEnd, Date{});
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(VotePageTest, FinalFiguresAreAsOfTheEndOfSale) {
    ASSERT_TRUE(Parse(VotePage("(3月16日(土)13:50販売終了時点)")));
    EXPECT_TRUE(final);
    EXPECT_EQ(last.Record.AsOf, D(2024, 3, 16, 13, 50));
    EXPECT_EQ(last.Record.SaleEnd, last.Record.AsOf);  // what marks them final
    EXPECT_TRUE(IsVoteComplete(last.Record));
    // Without a sale period the end of sale is unknown, and so is the moment.
    ASSERT_TRUE(Parse(VotePage("(3月16日(土)14:10販売終了時点)", false)));
    EXPECT_EQ(last.Record.AsOf, Date{});
    EXPECT_FALSE(IsVoteComplete(last.Record));
}

TEST_F(VotePageTest, ARowCalledOffAndAGroup) {
    auto page = VotePage("(3月16日(土)11:30時点)");
    const auto row7 = std::find(page.begin(), page.end(), "7");
    *row7 = "中止7";
    *(row7 + 2) = "0(0.00%)";
    schedule = StoredSchedule("A");
    ASSERT_TRUE(Parse(page, "A"));
    const VoteRecord r = last.Record;
    EXPECT_EQ(r.Group, "A");
    EXPECT_EQ(r.Games[7].Counts[1].Votes, C(0));
    EXPECT_EQ(r.Games[7].Counts[0].Votes, C(6020));
}

TEST_F(VotePageTest, PagesWithoutFiguresOrWithBrokenOnes) {
    final = true;
    EXPECT_FALSE(Parse({"第123回toto投票状況", "3/16", "14:00", "1", "鹿島"}));
    EXPECT_TRUE(last.Unpublished);
    EXPECT_FALSE(Parse({"ご指定の投票状況は表示できません。", "第123回toto", "(3月16日(土)11:30時点)"}));
    EXPECT_TRUE(last.Unpublished);
    EXPECT_TRUE(final);  // no time stamp: untouched

    auto page = VotePage("(3月16日(土)11:30時点)");
    *(std::find(page.begin(), page.end(), "8") + 3) = "1,234";
    EXPECT_FALSE(Parse(page));
    EXPECT_FALSE(last.Unpublished);
    EXPECT_TRUE(rec.Messages().empty());

    auto time = VotePage("(3月16日(土)11:30時点)");
    *(std::find(time.begin(), time.end(), "3/17") + 1) = "未定";
    EXPECT_FALSE(Parse(time));
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "型が一致しません。 ( 13 )");
    EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsHtmlVote / GetVote");
}

TEST_F(VotePageTest, NothingIsReadWithoutACompleteStoredSchedule) {
    ScheduleRecord s = StoredSchedule();
    s.Games[4].Stadium.clear();
    Store(s);
    WriteBytes(folder / "page.html", PageOfLines(VotePage("(3月16日(土)11:30時点)")));
    clsHtmlVote parser;
    EXPECT_FALSE(parser.GetVoteFile((folder / "page.html").string(), 8, 123, "", final));
    EXPECT_FALSE(parser.Unpublished());
    EXPECT_EQ(parser.GetRecord(), VoteRecord{});
    EXPECT_TRUE(rec.Messages().empty());
}

}  // namespace
