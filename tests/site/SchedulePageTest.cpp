#include <gtest/gtest.h>

#include "common/TestSupport.h"
#include "site/PageText.h"
#include "site/clsHtmlGet.h"
#include "site/clsHtmlSchedule.h"

using namespace kujimate;
using namespace kujimate::test;

namespace {

// Official long names and the short names the dictionaries give them.
const char* const LongNames[22] = {
    "鹿島アントラーズ", "浦和レッズ",       "柏レイソル",     "ＦＣ東京",       "東京ヴェルディ",     "ＦＣ町田ゼルビア",
    "川崎フロンターレ", "横浜Ｆ・マリノス", "湘南ベルマーレ", "アルビレックス新潟", "ジュビロ磐田",   "名古屋グランパス",
    "京都サンガＦ．Ｃ．", "ガンバ大阪",    "セレッソ大阪",   "ヴィッセル神戸", "サンフレッチェ広島", "アビスパ福岡",
    "サガン鳥栖",       "北海道コンサドーレ札幌", "ベガルタ仙台", "清水エスパルス"};
const char* const ShortNames[22] = {"鹿島", "浦和", "柏",    "FC東京", "東京V", "町田", "川崎F", "横浜FM",
                                    "湘南", "新潟", "磐田", "名古屋", "京都",  "G大阪", "C大阪", "神戸",
                                    "広島", "福岡", "鳥栖", "札幌",   "仙台",  "清水"};

std::vector<std::string> Row(int n, const std::string& status = "VS") {
    const int k = (n - 1) % 11;
    return {std::to_string(n), n <= 5 ? "3/16" : "03/17", n <= 5 ? "14:00" : "19:30", "スタジアム" + std::to_string(n),
            LongNames[2 * k], status, LongNames[2 * k + 1]};
}

// The page of the worked example: header, sale dates, 11 rows, result and payment dates.
std::vector<std::string> ExamplePage(const std::string& header = "第123回BIG1000くじ指定試合") {
    std::vector<std::string> l = {"BIG1000", header, "販売開始日", "2024年3月9日(土)", "販売終了日", "2024年3月16日(土)13:50"};
    for (int n = 1; n <= 11; ++n) Append(l, Row(n));
    Append(l, {"結果発表日", "2024年3月18日(月)", "払戻開始日", "2024年3月18日(月)", "払戻期限", "2025年3月18日(火)"});
    return l;
}

class SchedulePageTest : public ProgramFolderTest {
protected:
    // A year later than the page: dates without a year must take the page's.
    static constexpr int WorkingYear = 2025;

    bool Parse(const std::vector<std::string>& lines, const std::string& kumi = "") {
        page = ReadSchedulePage(PageTextLines(PageOfLines(lines)), kumi, WorkingYear, teams);
        return page.Read;
    }

    clsTotoData teams;
    PageReading<ScheduleRecord> page;
    clsHtmlSchedule parser;  // for pages in files
};

TEST_F(SchedulePageTest, TheExamplePageGivesACompleteRecord) {
    ASSERT_TRUE(Parse(ExamplePage()));
    EXPECT_FALSE(page.Unpublished);
    const ScheduleRecord r = page.Record;
    EXPECT_TRUE(IsScheduleComplete(r));
    EXPECT_EQ(r.DrawNo, 123);
    EXPECT_EQ(r.Group, "");
    EXPECT_EQ(r.SaleStart, Date::FromYmd(2024, 3, 9));
    EXPECT_EQ(r.SaleEnd, Date::FromYmdHns(2024, 3, 16, 13, 50, 0));
    EXPECT_EQ(r.ResultDate, Date::FromYmd(2024, 3, 18));
    EXPECT_EQ(r.RefundStart, Date::FromYmd(2024, 3, 18));
    EXPECT_EQ(r.RefundEnd, Date::FromYmd(2025, 3, 18));
    EXPECT_EQ(r.HoldState, 0);
    for (int n = 1; n <= GameCount; ++n) {
        const ScheduleGame& g = r.Games[n];
        EXPECT_EQ(g.Home, ShortNames[2 * (n - 1)]) << n;
        EXPECT_EQ(g.Away, ShortNames[2 * (n - 1) + 1]) << n;
        EXPECT_EQ(g.GameDate, Date::FromYmd(2024, 3, n <= 5 ? 16 : 17)) << n;
        EXPECT_EQ(g.KickOff, Date::FromTime(n <= 5 ? 14 : 19, n <= 5 ? 0 : 30, 0)) << n;
        EXPECT_EQ(g.Stadium, "スタジアム" + std::to_string(n));
        EXPECT_EQ(g.Status, "VS");
    }
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(SchedulePageTest, AGroupNeedsItsOwnHeader) {
    EXPECT_FALSE(Parse(ExamplePage(), "A"));
    EXPECT_TRUE(page.Unpublished);
    ASSERT_TRUE(Parse(ExamplePage("第123回BIG1000-A組くじ情報"), "A"));
    EXPECT_EQ(page.Record.Group, "A");
    EXPECT_TRUE(IsScheduleComplete(page.Record));
}

TEST_F(SchedulePageTest, CancellationAndTheEndOfTheWalk) {
    auto cancelled = ExamplePage();
    cancelled.insert(cancelled.begin() + 2, "くじは中止となりました。");
    ASSERT_TRUE(Parse(cancelled));
    EXPECT_EQ(page.Record.HoldState, 2);

    auto after = ExamplePage();
    Append(after, {"くじは中止となりました。"});  // after 払戻期限: never read
    Append(after, Row(12));
    ASSERT_TRUE(Parse(after));
    EXPECT_EQ(page.Record.HoldState, 0);

    // Rows before the first day of sale carry the current year.
    std::vector<std::string> rowsFirst = {"第123回BIG1000くじ指定試合"};
    for (int n = 1; n <= 11; ++n) Append(rowsFirst, Row(n));
    Append(rowsFirst, {"販売開始日", "2024年3月9日(土)"});
    ASSERT_TRUE(Parse(rowsFirst));
    EXPECT_EQ(page.Record.Games[1].GameDate, Date::FromYmd(2025, 3, 16));
    EXPECT_FALSE(IsScheduleComplete(page.Record));  // no end of sale
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(SchedulePageTest, PagesWithoutTheDraw) {
    ASSERT_FALSE(Parse({"ご指定のくじ情報は表示できません。", "第123回BIG1000くじ指定試合"}));
    EXPECT_TRUE(page.Unpublished);
    EXPECT_FALSE(Parse({"第123回BIG1000くじ結果", "第123回 BIG"}));
    EXPECT_TRUE(page.Unpublished);
    std::string binary;
    for (unsigned i = 0; i < 5000; ++i) binary += static_cast<char>((i * 131u) % 256u);
    WriteBytes(folder / "page.html", binary);
    EXPECT_FALSE(parser.GetScheduleFile((folder / "page.html").string(), 8, 123, ""));
    WriteBytes(folder / "page.html", "");
    EXPECT_FALSE(parser.GetScheduleFile((folder / "page.html").string(), 8, 123, ""));
    EXPECT_FALSE(parser.Unpublished());  // no page at all
    EXPECT_EQ(parser.GetRecord(), ScheduleRecord{});
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(SchedulePageTest, RowsThatFailTheParseQuietly) {
    auto twelfth = ExamplePage();
    const auto extra = Row(1);
    twelfth.insert(twelfth.begin() + 6 + 77, extra.begin(), extra.end());  // a row after game 11
    EXPECT_FALSE(Parse(twelfth));
    auto state = ExamplePage();
    state[6 + 7 * 3 + 5] = "延期";
    EXPECT_FALSE(Parse(state));
    EXPECT_FALSE(page.Unpublished);
    EXPECT_EQ(page.Record, ScheduleRecord{});
    EXPECT_TRUE(rec.Messages().empty());

    // A name no dictionary knows: the dictionary's warning, once, and the parse fails.
    auto unknown = ExamplePage();
    unknown[6 + 4] = "架空ユナイテッド";
    EXPECT_FALSE(Parse(unknown));
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "チーム名：架空ユナイテッド が見つかりません。\r\n"
                                      "最新のチーム名データをダウンロードするかチーム名を追加して下さい。");
    EXPECT_EQ(LastMissingTeamName, "架空ユナイテッド");
    LastMissingTeamName.clear();
}

TEST_F(SchedulePageTest, BadNumbersAndDatesAreReported) {
    struct Case {
        std::vector<std::string> page;
        std::string text;
    };
    auto game12 = ExamplePage();
    game12[6 + 7 * 10] = "12";
    auto date = ExamplePage();
    date[6 + 1] = "未定";
    auto time = ExamplePage();
    time[6 + 2] = "";
    auto cut = ExamplePage();
    cut.resize(6 + 7 * 4 + 3);  // the page stops inside a row
    auto lastLine = ExamplePage();
    lastLine.resize(3);  // ends on 販売開始日
    const Case cases[] = {
        {game12, "インデックスが有効範囲にありません。 ( 9 )"},
        {date, "型が一致しません。 ( 13 )"},
        {time, "型が一致しません。 ( 13 )"},
        {{"第X回BIG1000くじ指定試合"}, "型が一致しません。 ( 13 )"},
        {cut, "インデックスが有効範囲にありません。 ( 9 )"},
        {lastLine, "インデックスが有効範囲にありません。 ( 9 )"},
    };
    for (const Case& c : cases) {
        rec.Clear();
        EXPECT_FALSE(Parse(c.page));
        EXPECT_FALSE(page.Unpublished);
        ASSERT_EQ(rec.Messages().size(), 1u) << c.text;
        EXPECT_EQ(rec.Messages()[0].text, c.text);
        EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsHtmlSchedule / GetSchedule");
        EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Error);
    }
    EXPECT_EQ(page.Record, ScheduleRecord{});
}

}  // namespace
