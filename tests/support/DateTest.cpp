#include <gtest/gtest.h>

#include "support/Clock.h"
#include "support/Date.h"

using namespace kujimate;

TEST(DateValue, CountsDaysFrom1899_12_30) {
    EXPECT_EQ(Date::FromYmd(1899, 12, 30).Value, 0.0);
    EXPECT_EQ(Date::FromYmd(1900, 1, 1).Value, 2.0);
    EXPECT_EQ(Date::FromYmd(2010, 3, 13).Value, 40250.0);
    Date d = Date::FromYmdHns(2010, 3, 13, 13, 50, 0);
    EXPECT_EQ(d.Year(), 2010);
    EXPECT_EQ(d.Month(), 3);
    EXPECT_EQ(d.Day(), 13);
    EXPECT_EQ(d.Hour(), 13);
    EXPECT_EQ(d.Minute(), 50);
    EXPECT_EQ(d.Weekday(), 7);  // a Saturday
    EXPECT_EQ(Date::FromYmd(2026, 12, 13).Weekday(), 1);  // a Sunday
}

TEST(DateValue, RejectsImpossibleDates) {
    EXPECT_TRUE(Date::FromYmd(2023, 2, 29).IsZero());
    EXPECT_FALSE(Date::FromYmd(2024, 2, 29).IsZero());
    EXPECT_TRUE(Date::FromYmd(2024, 13, 1).IsZero());
    EXPECT_TRUE(Date::FromYmdHns(2024, 1, 1, 24, 0, 0).IsZero());
}

TEST(DateValue, TimeIsRoundedToTheSecondBeforeSplitting) {
    Date almost(40250.0 + (86400.0 - 0.4) / 86400.0);  // 23:59:59.6
    EXPECT_EQ(almost.Format("yyyy/mm/dd hh:nn:ss"), "2010/03/14 00:00:00");
    Date t = Date::FromTime(9, 5, 0);
    EXPECT_EQ(t.DayNumber(), 0);
    EXPECT_EQ(t.Format("h:nn"), "9:05");
}

TEST(DateValue, FormatsTheProgramsPatterns) {
    Date d = Date::FromYmdHns(2010, 3, 13, 13, 50, 7);
    EXPECT_EQ(d.Format("yyyy/mm/dd hh:nn"), "2010/03/13 13:50");
    EXPECT_EQ(d.Format("yyyy/mm/dd (最終)"), "2010/03/13 (最終)");
    EXPECT_EQ(d.Format("hh:mm:ss"), "13:50:07");
    EXPECT_EQ(d.Format("yyyymmdd"), "20100313");
}

TEST(ClockInjection, TestsReplaceNow) {
    FixedClock fixed(Date::FromYmdHns(2026, 12, 10, 12, 0, 0));
    SetClock(&fixed);
    EXPECT_EQ(CurrentYear(), 2026);
    EXPECT_EQ(Now(), fixed.now);
    SetClock(nullptr);
    EXPECT_GT(Now().Value, 40000.0);
}
