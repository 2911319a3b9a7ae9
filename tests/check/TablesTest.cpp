#include <gtest/gtest.h>

#include "check/clsTResultGrade.h"
#include "check/clsTResultGrid.h"
#include "check/clsTResultKakutei.h"

using namespace kujimate;

TEST(GradeSummary, CountsAndRatios) {
    clsTResultGrade g;
    g.Clear(812);
    for (int row = 2; row <= 13; ++row) {
        EXPECT_EQ(g.Text(2, row), "0");
        EXPECT_EQ(g.Text(3, row), "0%");
    }
    EXPECT_EQ(g.Text(1, 2), "1等");
    EXPECT_EQ(g.Text(1, 13), "12等");
    EXPECT_EQ(g.Text(2, 1), "口数");

    GradeCounts c{};
    c[0] = 3;
    c[11] = 1;
    g.SetValue(c, 812);
    EXPECT_EQ(g.Text(3, 2), "75%");
    EXPECT_EQ(g.Text(3, 13), "25%");
    EXPECT_EQ(g.Text(3, 5), "0%");

    c = {};
    c[0] = c[4] = c[8] = 1;  // 33% three times, 99% in all
    g.SetValue(c, 812);
    EXPECT_EQ(g.Text(3, 2), "33%");
    EXPECT_EQ(g.Text(3, 10), "33%");

    c = {};
    c[0] = 1;
    c[1] = 7;  // 12.5% rounds half away from zero
    g.SetValue(c, 812);
    EXPECT_EQ(g.Text(3, 2), "13%");
    c[0] = 1234567;
    g.SetValue(c, 812);
    EXPECT_EQ(g.Text(2, 2), "1,234,567");

    EXPECT_TRUE(g.Blue(2));
    EXPECT_TRUE(g.Blue(5));
    EXPECT_FALSE(g.Blue(6));
    EXPECT_EQ(clsTResultGrade::Back(1), CellBack::ButtonFace);
    EXPECT_EQ(clsTResultGrade::Back(3), CellBack::LightYellow);
    EXPECT_EQ(clsTResultGrade::Back(4), CellBack::White);
}

TEST(ConfirmedTable, OfficialFiguresTheUsersWinningsAndTotals) {
    clsTResultKakutei k;
    k.Clear();
    EXPECT_EQ(k.Text(2, 1), "当せん金");
    EXPECT_EQ(k.Text(1, 6), "合計");
    for (int col = 2; col <= 6; ++col)
        for (int row = 2; row <= 6; ++row) EXPECT_EQ(k.Text(col, row), "");

    ResultRecord r;
    r.DrawNo = 812;
    r.Prize[1] = Currency::FromInt(1000000);
    r.Winners[1] = Currency::FromInt(2);
    r.Prize[3] = Currency::FromInt(1234);
    r.Winners[3] = Currency::FromInt(10);
    r.CarryOver[2] = Currency::FromInt(500);
    k.SetResultRecord(r);
    GradeCounts c{};
    k.SetValue(c);
    EXPECT_EQ(k.Text(2, 2), "1,000,000 ");
    EXPECT_EQ(k.Text(3, 2), "2 ");
    EXPECT_EQ(k.Text(5, 2), "0 ");
    EXPECT_EQ(k.Text(6, 4), "0 ");
    EXPECT_EQ(k.Text(2, 6), "2,012,340 ");
    EXPECT_EQ(k.Text(4, 6), "500 ");

    c[0] = 1;
    c[2] = 3;
    c[7] = 50;  // grade 8 is not paid
    k.SetValue(c);
    EXPECT_EQ(k.Text(5, 2), "1 ");
    EXPECT_EQ(k.Text(6, 2), "1,000,000 ");
    EXPECT_EQ(k.Text(6, 4), "3,702 ");
    EXPECT_EQ(k.Text(5, 6), "4 ");
    EXPECT_EQ(k.Value(6, 6), Currency::FromInt(1003702));
    EXPECT_TRUE(k.Blue(5, 2));
    EXPECT_FALSE(k.Blue(4, 2));

    r.Prize[1] = Currency::FromInt(-5);  // shown as zero
    k.SetResultRecord(r);
    EXPECT_EQ(k.Text(2, 2), "0 ");
}

TEST(ResultPageGrid, DigitsOnTheirJudgedBackgroundAndTheGradeOnGreenWhenItPays) {
    clsTResultGrid g;
    g.Clear();
    EXPECT_EQ(g.Text(7, 1), "7");
    EXPECT_EQ(g.Back(7, 1), ResultBack::ButtonFace);
    // Digits of matches 1..11, then the grade; judged states 0 miss, 1/2 hit, 3 void, 4 open.
    std::array<uint8_t, 12> digits{1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0, 4};
    std::array<uint8_t, 11> states{0, 1, 2, 3, 4, 1, 1, 1, 1, 1, 1};
    g.SetValue(2, digits, states, 812);
    EXPECT_EQ(g.Text(3, 2), "1");
    EXPECT_EQ(g.Text(3, 4), "2");
    const ResultBack expected[] = {ResultBack::Red, ResultBack::Blue, ResultBack::Blue, ResultBack::Yellow,
                                   ResultBack::White};
    for (int m = 0; m < 5; ++m) EXPECT_EQ(g.Back(3, m + 2), expected[m]) << m;
    EXPECT_EQ(g.Text(3, 13), "4");
    EXPECT_EQ(g.Back(3, 13), ResultBack::Green);
    digits[11] = 5;
    g.SetValue(2, digits, states, 812);
    EXPECT_EQ(g.Back(3, 13), ResultBack::White);
    digits[11] = 12;
    g.SetValue(0, digits, states, 812);
    EXPECT_EQ(g.Text(1, 13), "12");

    // A cleared column is blank and white below its number.
    g.SetClear(2);
    for (int row = 2; row <= 13; ++row) {
        EXPECT_EQ(g.Text(3, row), "");
        EXPECT_EQ(g.Back(3, row), ResultBack::White);
    }
    EXPECT_EQ(g.Text(3, 1), "3");
    EXPECT_EQ(g.Text(1, 13), "12");
    g.Clear();
    EXPECT_EQ(g.Text(1, 13), "");
}
