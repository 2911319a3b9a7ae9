#include <gtest/gtest.h>

#include "common/TestSupport.h"
#include "views/GameTable.h"

using namespace kujimate;
using namespace kujimate::test;

namespace {
VoteRecord Stamped(Date asOf, Date saleEnd, int32_t draw = 812) {
    VoteRecord v;
    v.DrawNo = draw;
    v.AsOf = asOf;
    v.SaleEnd = saleEnd;
    return v;
}
const Date At1350 = Date::FromYmdHns(2010, 5, 15, 13, 50, 0);
}  // namespace

TEST(GameTable, VoteHeaderTellsWhereTheRatesComeFrom) {
    struct Case {
        VoteRecord v;
        const char* text;
    } cases[] = {
        {VoteRecord{}, "投 票 率"},
        {Stamped(Date{}, Date{}), "投 票 率 (ユーザー定義)"},
        {Stamped(At1350, At1350), "投票 2010/05/15 13:50 [最終]"},
        {Stamped(At1350, Date::FromYmdHns(2010, 5, 15, 14, 0, 0)), "投票 2010/05/15 13:50 "},
    };
    for (const Case& c : cases) EXPECT_EQ(GameTable::VoteHeaderText(c.v), c.text);
}

TEST(GameTable, MatchesRatesAndBars) {
    GameTable t(false);
    EXPECT_EQ(t.Text(1, 1), "開催日");
    EXPECT_EQ(t.Text(6, 1), "投 票 率");
    EXPECT_EQ(t.VoteAreaLeft(), 174);  // 50 + 1 + 20 + 1 + 50 + 1 + 50 + 1, the league column hidden
    EXPECT_EQ(t.ColWidth(2), 0);

    ScheduleRecord s;
    s.DrawNo = 812;
    s.Games[1] = {"鹿島", "浦和", Date::FromYmd(2024, 4, 29), Date{}, "", "VS"};
    t.Schedure(s);
    EXPECT_EQ(t.Text(1, 2), "04/29");
    EXPECT_EQ(t.Text(1, 3), "");  // no date
    EXPECT_EQ(t.Text(2, 2), "");
    EXPECT_EQ(t.Text(3, 12), "11");
    EXPECT_EQ(t.Text(4, 2), "鹿島");
    EXPECT_EQ(t.Text(5, 2), "浦和");

    // An empty record shows every rate as 0.00 and empty bars.
    EXPECT_EQ(t.VoteText(1, 1), "0.00");
    EXPECT_EQ(t.BarValues(1), (std::array<int32_t, 3>{0, 0, 0}));
    VoteRecord v;
    v.Games[2].Counts[1] = {Currency::FromInt(2000), *Currency::FromText("45.67")};
    v.Games[2].Counts[0] = {*Currency::FromText("1000.5"), Currency::FromInt(3)};
    v.Games[2].Counts[2] = {*Currency::FromText("300.5"), *Currency::FromText("51.325")};
    t.Vote(v);
    // Match 2's rates in row 3 in the order 1, 0, 2; its bar row is empty.
    EXPECT_EQ(t.VoteText(1, 3), "45.67");
    EXPECT_EQ(t.VoteText(2, 3), "3.00");
    EXPECT_EQ(t.VoteText(3, 3), "51.33");
    EXPECT_EQ(t.VoteText(1, 4), "");
    EXPECT_EQ(t.BarValues(2), (std::array<int32_t, 3>{2000, 1000, 300}));  // halves to even

    EXPECT_EQ(GameTable::Back(1), CellBack::ButtonFace);
    EXPECT_EQ(GameTable::Back(2), CellBack::White);
    EXPECT_EQ(GameTable::Back(3), CellBack::LightYellow);
    const CellBack stripes[] = {CellBack::White, CellBack::White, CellBack::LightYellow, CellBack::LightYellow,
                                CellBack::White};
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(GameTable::VoteBack(r), stripes[r - 1]) << r;
}

TEST_F(ProgramFolderTest, GameTableLeagueColumnReadsTheDictionaries) {
    GameTable t(true);
    EXPECT_EQ(t.ColWidth(2), 20);
    EXPECT_EQ(t.VoteAreaLeft(), 195);
    EXPECT_EQ(t.Text(2, 1), "Jx");
}
