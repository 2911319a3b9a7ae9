#include <gtest/gtest.h>

#include "shell/HomeTexts.h"

using namespace kujimate;

TEST(HomeTexts, DatesCountdownsAndStatus) {
    EXPECT_EQ(DateText(Date::FromYmdHns(2010, 3, 13, 13, 50, 0)), "2010年03月13日(土) 13:50:00");
    EXPECT_EQ(DateText(Date::FromYmd(2010, 3, 14)), "2010年03月14日(日) ");
    EXPECT_EQ(DateText(Date()), "1899年12月30日(土) ");
    Date from = Date::FromYmdHns(2024, 3, 1, 8, 0, 0);
    EXPECT_EQ(RemainText(from, Date::FromYmdHns(2024, 3, 3, 13, 7, 0)), "2日 5時間7分");
    EXPECT_EQ(RemainText(from, Date::FromYmdHns(2024, 3, 1, 8, 40, 0)), "0時間40分");

    ScheduleRecord s;
    s.SaleStart = Date::FromYmd(2024, 3, 9);
    s.SaleEnd = Date::FromYmdHns(2024, 3, 16, 13, 50, 0);
    EXPECT_EQ(KaisaiStatusText(Date::FromYmdHns(2024, 3, 8, 23, 0, 0), s), "販売開始まで あと 1時間0分");
    EXPECT_EQ(KaisaiStatusText(Date::FromYmdHns(2024, 3, 14, 12, 0, 0), s), "販売締切まで あと 2日 1時間50分");
    EXPECT_EQ(KaisaiStatusText(s.SaleEnd, s), "販売締切まで あと 0時間0分");
    EXPECT_EQ(KaisaiStatusText(Date(s.SaleEnd.Value + 1.0 / 86400), s), "販売終了");
}

TEST(HomeTexts, StatusBar) {
    EXPECT_EQ(StatusDrawText(812, ""), " 第 812 回 ");
    EXPECT_EQ(StatusDrawText(-1, ""), " 第   回 ");
    EXPECT_EQ(StatusDrawText(5, "A"), " 第 5 回  [ A組 ] ");
    VoteRecord v;
    EXPECT_EQ(StatusVoteText(v), "");
    v.DrawNo = 812;
    EXPECT_EQ(StatusVoteText(v), "　使用投票率：ユーザー定義");
    v.AsOf = Date::FromYmdHns(2010, 3, 13, 13, 50, 0);
    v.SaleEnd = Date::FromYmdHns(2010, 3, 13, 19, 0, 0);
    EXPECT_EQ(StatusVoteText(v), "　使用投票率：2010/03/13 13:50");
    v.SaleEnd = v.AsOf;
    EXPECT_EQ(StatusVoteText(v), "　使用投票率：2010/03/13 (最終)");
}
