#include <gtest/gtest.h>

#include <cmath>

#include "support/Currency.h"
#include "support/NumberText.h"

using namespace kujimate;

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

class FormatDouble : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDouble, RoundsHalfAwayFromZeroAtTheLastDigit) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(Patterns, FormatDouble,
                         ::testing::Values(FormatCase{62.5, "0", "63"}, FormatCase{12.5, "0", "13"},
                                           FormatCase{0.125, "0.00", "0.13"}, FormatCase{9.9999, "0.00", "10.00"},
                                           FormatCase{-2.5, "0", "-3"}, FormatCase{0.0, "#,##0", "0"},
                                           FormatCase{1234567.5, "#,##0", "1,234,568"},
                                           FormatCase{999.5, "#,##0", "1,000"}, FormatCase{7, "0000", "0007"},
                                           FormatCase{123, "0000", "0123"}, FormatCase{12345, "0000", "12345"},
                                           FormatCase{5, "00", "05"}, FormatCase{0.4, "##0", "0"},
                                           // 1.005 is 1.00499999999999989... in binary: 15 digits make it 1.005.
                                           FormatCase{1.005, "0.00", "1.01"}, FormatCase{0.1 + 0.2, "0.00", "0.30"},
                                           FormatCase{-0.001, "0.00", "0.00"}, FormatCase{1e-20, "0", "0"}));

TEST(FormatCurrencyValue, IsRoundedExactly) {
    EXPECT_EQ(FormatNumber(*Currency::FromText("0.125"), "0.00"), "0.13");
    EXPECT_EQ(FormatNumber(*Currency::FromText("123456789.5"), "#,##0"), "123,456,790");
    EXPECT_EQ(FormatNumber(*Currency::FromText("-45.6749"), "0.00"), "-45.67");
    EXPECT_EQ(FormatNumber(static_cast<int64_t>(-1234), "#,##0"), "-1,234");
}

struct IntCase {
    const char* text;
    std::optional<int32_t> expected;
};

class TextToWhole : public ::testing::TestWithParam<IntCase> {};

TEST_P(TextToWhole, ParsesExactlyAndRoundsHalfToEven) {
    EXPECT_EQ(TextToInt32(GetParam().text), GetParam().expected) << "'" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToWhole,
    ::testing::Values(IntCase{"0812", 812}, IntCase{"  812  ", 812}, IntCase{"-1", -1}, IntCase{"+7", 7},
                      IntCase{"2.5", 2}, IntCase{"3.5", 4}, IntCase{"-2.5", -2}, IntCase{"2.5000001", 3},
                      IntCase{"66.666", 67}, IntCase{"2147483647", 2147483647},
                      IntCase{"-2147483648", INT32_MIN}, IntCase{"2147483648", std::nullopt},
                      IntCase{"99999999999999999999999", std::nullopt}, IntCase{"", std::nullopt},
                      IntCase{" ", std::nullopt}, IntCase{".", std::nullopt}, IntCase{"-", std::nullopt},
                      IntCase{"1,000", std::nullopt}, IntCase{"12円", std::nullopt}, IntCase{"1.2.3", std::nullopt},
                      IntCase{"1e3", std::nullopt}, IntCase{"abc", std::nullopt}, IntCase{".5", 0},
                      IntCase{"1.", 1}));

TEST(TextToBooleanSetting, AcceptsNumbersAndTheTwoWords) {
    EXPECT_EQ(TextToBoolean("0"), false);
    EXPECT_EQ(TextToBoolean("2"), true);
    EXPECT_EQ(TextToBoolean("-1"), true);
    EXPECT_EQ(TextToBoolean("0.0"), false);
    EXPECT_EQ(TextToBoolean("False"), false);
    EXPECT_EQ(TextToBoolean("TRUE"), true);
    EXPECT_EQ(TextToBoolean(" true "), true);
    EXPECT_EQ(TextToBoolean("yes"), std::nullopt);
    EXPECT_EQ(TextToBoolean(""), std::nullopt);
}

TEST(WholeNumberConversion, HalvesGoToEven) {
    EXPECT_EQ(DoubleToInt32(2.5), 2);
    EXPECT_EQ(DoubleToInt32(3.5), 4);
    EXPECT_EQ(DoubleToInt32(-0.5), 0);
    EXPECT_EQ(DoubleToInt32(200.0 / 3.0), 67);
    EXPECT_EQ(DoubleToInt32(3e9), std::nullopt);
    EXPECT_EQ(DoubleToInt32(std::nan("")), std::nullopt);
    EXPECT_DOUBLE_EQ(RoundHalfEven4(0.12345), 0.1234);
    EXPECT_DOUBLE_EQ(RoundHalfEven4(0.12355), 0.1236);
}

TEST(CurrencyText, ReadsAndWritesPlainDecimals) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (auto c : {Case{"123456", "123456"}, Case{"45.67", "45.67"}, Case{"25.50", "25.5"}, Case{"0", "0"},
                   Case{"-0.5", "-0.5"}, Case{"0.00005", "0"}, Case{"0.00015", "0.0002"}, Case{"0.000151", "0.0002"},
                   Case{"1.23456", "1.2346"}, Case{" 7 ", "7"}, Case{"922337203685477.5807", "922337203685477.5807"}}) {
        auto v = Currency::FromText(c.in);
        ASSERT_TRUE(v) << c.in;
        EXPECT_EQ(v->ToText(), c.out) << c.in;
    }
    EXPECT_FALSE(Currency::FromText("922337203685477.5808"));
    EXPECT_FALSE(Currency::FromText("1,000"));
    EXPECT_FALSE(Currency::FromText(""));
    EXPECT_EQ(Currency::FromDouble(2.00005)->Raw, 20000);   // binary value lies below the half
    EXPECT_EQ(Currency::FromDouble(0.00025)->Raw, 2);       // half to even
    EXPECT_FALSE(Currency::FromDouble(1e300));
}

TEST(DigitEntry, IsHeldToTheEntrysOwnRange) {
    struct Case {
        const char* in;
        int64_t min, max;
        const char* out;
    };
    for (const Case& c : {Case{"", 0, 9999, ""}, Case{"0812", 0, 9999, "812"}, Case{"12345", 0, 9999, "9999"},
                          Case{"99999999999999999999", 1, 12, "12"}, Case{"0", 1, 12, "1"}, Case{"7", 1, 12, "7"},
                          Case{"1x", 1, 12, "1"}})
        EXPECT_EQ(NormalizeDigitEntry(c.in, c.min, c.max), c.out) << c.in << " in " << c.min << ".." << c.max;
}
