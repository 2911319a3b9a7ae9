#include <gtest/gtest.h>

#include "support/basStandard.h"
#include "support/clsStringConvert.h"

using namespace kujimate;

TEST(VersionText, MinorHasTwoDigitsAndRevisionOnlyAboveZero) {
    EXPECT_EQ(FormatVersion(1, 5, 0), "1.05");
    EXPECT_EQ(FormatVersion(1, 5, 12), "1.05.12");
    EXPECT_EQ(FormatVersion(1, 0, 0), "1.00");
    EXPECT_EQ(FormatVersion(2, 10, 1), "2.10.1");
    EXPECT_EQ(GetVersionString().back() == '.', false);
}

TEST(BooleanText, OnlyOneIsTrue) {
    clsStringConvert c;
    EXPECT_EQ(c.BooleanToString(true), "1");
    EXPECT_EQ(c.BooleanToString(false), "0");
    EXPECT_TRUE(c.StringToBoolean("1"));
    for (const char* s : {"0", "-1", "True", "", " 1"}) EXPECT_FALSE(c.StringToBoolean(s)) << s;
}

TEST(DisplayScaling, FactorsComeFromTheDisplayOnceAndNeverScaleTwice) {
    SetLogicalDpiSource([](bool h) { return h ? 120.0 : 144.0; });
    EXPECT_FLOAT_EQ(GetDpiRateX(), 1.25f);
    EXPECT_FLOAT_EQ(GetDpiRateY(), 1.5f);
    EXPECT_FLOAT_EQ(DpiPixelX(70), 87.5f);
    EXPECT_FLOAT_EQ(PixelToTwipsX(10), 120.0f);
    SetLogicalDpiSource(nullptr);
    EXPECT_FLOAT_EQ(GetDpiRateX(), 1.0f);
    EXPECT_FLOAT_EQ(PixelToTwipsY(1), 15.0f);
    EXPECT_FLOAT_EQ(TwipsToPixelX(1440), 96.0f);
}
