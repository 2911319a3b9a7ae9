#include <gtest/gtest.h>

#include <algorithm>

#include "common/TestSupport.h"
#include "site/PageText.h"
#include "site/clsHtmlGet.h"
#include "site/clsHtmlResult.h"

using namespace kujimate;
using namespace kujimate::test;

namespace {

Date D(int y, int m, int d, int h = 0, int n = 0) { return Date::FromYmdHns(y, m, d, h, n, 0); }
Currency C(long v) { return Currency::FromInt(v); }

std::vector<std::string> MatchRow(int n, const std::string& score, const std::string& outcome) {
    return {std::to_string(n), "ホーム" + std::to_string(n), score, "アウェイ" + std::to_string(n), outcome};
}

std::vector<std::string> Summary() {
    return {"1等", "1,000,000円", "5口", "0円",    "2等", "50,000円",       "40口",    "0円",
            "3等", "2,000円",     "1,234口", "0円", "4等", "200円",         "23,456口", "12,345円",
            "売上金額", "投票口数", "投票枚数", "1,000,000,000円", "5,000,000口", "1,851,851枚",
            "販売開始日", "販売終了日", "結果発表日", "2024年3月9日(土)", "2024年3月16日(土)13:50", "2024年3月18日(月)",
            "払戻開始日", "払戻期限", "2024年3月19日(火)", "2025年3月18日(火)"};
}

std::vector<std::string> ExamplePage() {
    std::vector<std::string> l = {"100円BIG", "第123回BIG1000くじ結果", "等級", "当せん金"};
    Append(l, Summary());
    Append(l, {"No.", "ホーム", "スコア", "アウェイ", "くじ結果"});
    Append(l, MatchRow(1, "2-1", "1"));
    for (int n = 2; n <= 11; ++n) Append(l, MatchRow(n, n % 2 ? "0-0" : "1-3", n % 2 ? "0" : "2"));
    return l;
}

class ResultPageTest : public ProgramFolderTest {
protected:
    bool Parse(const std::vector<std::string>& lines, const std::string& kumi = "") {
        page = ReadResultPage(PageTextLines(PageOfLines(lines)), kumi);
        return page.Read;
    }
    PageReading<ResultRecord> page;
};

TEST_F(ResultPageTest, TheExamplePageGivesACompleteRecord) {
    ASSERT_TRUE(Parse(ExamplePage()));
    const ResultRecord r = page.Record;
    EXPECT_TRUE(IsResultComplete(r));
    EXPECT_EQ(r.DrawNo, 123);
    EXPECT_EQ(r.Prize[1], C(1000000));
    EXPECT_EQ(r.Winners[1], C(5));
    EXPECT_EQ(r.CarryOver[1], C(0));
    EXPECT_EQ(r.Prize[4], C(200));
    EXPECT_EQ(r.Winners[4], C(23456));
    EXPECT_EQ(r.CarryOver[4], C(12345));
    EXPECT_EQ(r.SalesAmount, C(1000000000));
    EXPECT_EQ(r.VoteUnits, C(5000000));
    EXPECT_EQ(r.VoteTickets, C(1851851));
    EXPECT_EQ(r.SaleStart, D(2024, 3, 9));
    EXPECT_EQ(r.SaleEnd, D(2024, 3, 16, 13, 50));
    EXPECT_EQ(r.ResultDate, D(2024, 3, 18));
    EXPECT_EQ(r.RefundStart, D(2024, 3, 19));
    EXPECT_EQ(r.RefundEnd, D(2025, 3, 18));
    const ResultGame& g = r.Games[1];
    EXPECT_EQ(g.Home, "ホーム1");
    EXPECT_EQ(g.Away, "アウェイ1");
    EXPECT_EQ(g.HomeScore, 2);
    EXPECT_EQ(g.AwayScore, 1);
    EXPECT_EQ(g.Outcome, 1);
    EXPECT_EQ(r.Games[2].AwayScore, 3);
    EXPECT_EQ(r.Games[2].Outcome, 2);
    EXPECT_EQ(r.Games[11].Outcome, 0);
    EXPECT_EQ(g.GameDate, Date{});
    EXPECT_EQ(g.Stadium, "");
    EXPECT_FALSE(r.Cancelled);
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(ResultPageTest, ACancelledDrawHasOnlyItsMatches) {
    std::vector<std::string> l = {"第123回BIG1000-B組くじ結果", "くじは中止になりました。"};
    for (int n = 1; n <= 11; ++n) Append(l, MatchRow(n, "中止", "＊"));
    Append(l, MatchRow(12, "1-0", "1"));  // after match 11: not read
    ASSERT_TRUE(Parse(l, "B"));
    const ResultRecord r = page.Record;
    EXPECT_TRUE(r.Cancelled);
    EXPECT_EQ(r.Group, "B");
    for (int n = 1; n <= GameCount; ++n) {
        EXPECT_EQ(r.Games[n].Outcome, 3);
        EXPECT_EQ(r.Games[n].HomeScore + r.Games[n].AwayScore, 0);
    }
    EXPECT_EQ(r.Prize[1], C(0));
    EXPECT_EQ(r.RefundStart, Date{});
    EXPECT_TRUE(IsResultComplete(r));
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(ResultPageTest, AMissingMarkerEndsTheWalkWithAnIncompleteRecord) {
    auto l = ExamplePage();
    l.erase(std::find(l.begin(), l.end(), "払戻期限"));
    ASSERT_TRUE(Parse(l));
    EXPECT_EQ(page.Record.Prize[1], C(1000000));
    EXPECT_EQ(page.Record.Games[1].Home, "");
    EXPECT_FALSE(IsResultComplete(page.Record));

    EXPECT_FALSE(Parse({"ご指定のくじ結果は表示できません。", "第123回BIG1000くじ結果"}));
    EXPECT_TRUE(page.Unpublished);
    EXPECT_EQ(page.Record, ResultRecord{});
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(ResultPageTest, BadRowsAreReported) {
    struct Case {
        std::vector<std::string> row;
        std::string text;
    };
    const Case cases[] = {
        {MatchRow(12, "1-0", "1"), "インデックスが有効範囲にありません。 ( 9 )"},
        {MatchRow(1, "x-1", "1"), "型が一致しません。 ( 13 )"},
        {MatchRow(1, "2", "1"), "インデックスが有効範囲にありません。 ( 9 )"},
        {MatchRow(1, "256-0", "1"), "オーバーフローしました。 ( 6 )"},
        {MatchRow(1, "1-0", "ホーム勝ち"), "型が一致しません。 ( 13 )"},
        {{"1", "鹿島", "1-0"}, "インデックスが有効範囲にありません。 ( 9 )"},
    };
    for (const Case& c : cases) {
        rec.Clear();
        std::vector<std::string> l = {"第123回BIG1000くじ結果"};
        Append(l, Summary());
        Append(l, c.row);
        EXPECT_FALSE(Parse(l));
        EXPECT_FALSE(page.Unpublished);
        ASSERT_EQ(rec.Messages().size(), 1u) << c.text;
        EXPECT_EQ(rec.Messages()[0].text, c.text);
        EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsHtmlResult / GetResult");
    }
    // Scores and outcomes of 0 to 255 are read; the completeness rules judge them.
    std::vector<std::string> l = {"第123回BIG1000くじ結果"};
    Append(l, Summary());
    Append(l, MatchRow(11, "３１－０", "7"));
    rec.Clear();
    ASSERT_TRUE(Parse(l));
    EXPECT_EQ(page.Record.Games[11].HomeScore, 31);
    EXPECT_EQ(page.Record.Games[11].Outcome, 7);
    EXPECT_FALSE(IsResultComplete(page.Record));
}

}  // namespace
