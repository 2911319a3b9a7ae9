#include <gtest/gtest.h>

#include "common/TestSupport.h"
#include "site/clsHtmlToto.h"
#include "support/Clock.h"

using namespace kujimate;
using namespace kujimate::test;

namespace {

// Texts without a year take it from the clock: 2024 here.
class HtmlTotoTest : public ::testing::Test {
protected:
    void SetUp() override { SetClock(&clock); }
    void TearDown() override { SetClock(nullptr); }
    FixedClock clock{Date::FromYmdHns(2024, 6, 1, 9, 0, 0)};
    RecordingReporter rec;
    clsHtmlToto toto;
};

Date D(int y, int m, int d, int h = 0, int n = 0, int s = 0) { return Date::FromYmdHns(y, m, d, h, n, s); }
Currency C(const char* text) { return *Currency::FromText(text); }

TEST_F(HtmlTotoTest, DrawHeaders) {
    long k = -1;
    EXPECT_TRUE(toto.Kaisaikai("第123回くじ指定試合BIG1000", k));
    EXPECT_EQ(k, 123);
    EXPECT_TRUE(toto.Kaisaikai("第１２３４回toto", k));
    EXPECT_EQ(k, 1234);
    k = -1;
    EXPECT_FALSE(toto.Kaisaikai("1回", k));
    EXPECT_FALSE(toto.Kaisaikai("第123", k));
    EXPECT_FALSE(toto.Kaisaikai("", k));
    EXPECT_EQ(k, -1);
    EXPECT_THROW(toto.Kaisaikai("第abc回", k), HtmlParseError);
    EXPECT_THROW(toto.Kaisaikai("第回", k), HtmlParseError);

    EXPECT_TRUE(toto.GetKaisaikai("第5回BIG1000くじ結果", k, "BIG1000くじ結果"));
    EXPECT_EQ(k, 5);
    EXPECT_FALSE(toto.GetKaisaikai("第6回BIG1000-A組くじ結果", k, "BIG1000くじ結果"));
    EXPECT_FALSE(toto.GetKaisaikai("BIG1000くじ結果", k, "BIG1000くじ結果"));
    EXPECT_EQ(k, 5);
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(HtmlTotoTest, CountsWithRates) {
    Currency a = C("7"), b = C("7");
    EXPECT_FALSE(toto.GetValue2("12,345", a, b));
    EXPECT_FALSE(toto.GetValue2("12,345(45.67%", a, b));
    EXPECT_EQ(a, C("7"));
    EXPECT_TRUE(toto.GetValue2("12,345(45.67%)", a, b));
    EXPECT_EQ(a, C("12345"));
    EXPECT_EQ(b, C("45.67"));
    EXPECT_TRUE(toto.GetValue2("０(０.００%)", a, b));
    EXPECT_EQ(a, C("0"));
    EXPECT_EQ(b, C("0"));
    EXPECT_TRUE(toto.GetValue2(" １，２３４（５．５％） ", a, b));
    EXPECT_EQ(a, C("1234"));
    EXPECT_EQ(b, C("5.5"));
}

TEST_F(HtmlTotoTest, MoneyKeepsOnlyDigitsAndPoints) {
    const std::pair<const char*, const char*> cases[] = {
        {"1,234,567円", "1234567"}, {"-5", "5"},     {"45.67%", "45.67"}, {"1.2.3", "0"},
        {"", "0"},                  {"5口", "5"},    {"１２３", "0"},     {"1.23456", "1.2346"},
    };
    for (auto [text, value] : cases) EXPECT_EQ(toto.StringToCurrency(text), C(value)) << text;
    EXPECT_TRUE(rec.Messages().empty());
    // Too large for the money type: reported, and zero.
    EXPECT_EQ(toto.StringToCurrency("99999999999999999999円"), Currency{});
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsHtmlToto / StringToCurrency");
}

TEST_F(HtmlTotoTest, TheLenientDateReading) {
    const std::pair<const char*, Date> cases[] = {
        {"2024年3月16日", D(2024, 3, 16)},
        {"3月16日", D(2024, 3, 16)},
        {"2024/3/16", D(2024, 3, 16)},
        {"03/16", D(2024, 3, 16)},
        {"２０２４／０３／１６", D(2024, 3, 16)},
        {"2024年3月16日13:50", D(2024, 3, 16, 13, 50)},
        {"2024/03/16 13:50:00", D(2024, 3, 16, 13, 50)},
        {"3/16 9:05:30", D(2024, 3, 16, 9, 5, 30)},
        {"13:50", Date::FromTime(13, 50, 0)},
        {"19:00:00", Date::FromTime(19, 0, 0)},
        {"0:00:00", Date{}},
        {"2024/2/30", Date{}},
        {"2024/3", Date{}},
        {"2024/13:50", Date{}},
        {"25:00", Date{}},
        {"2024年3月16日(土)", Date{}},
        {"未定", Date{}},
        {"", Date{}},
    };
    for (auto [text, date] : cases) EXPECT_EQ(toto.StringToDate(text), date) << text;
}

TEST_F(HtmlTotoTest, DatesWithWeekdaysAndTimes) {
    std::string v = "２０２４年３月１６日（土）１３：５０：３０";
    EXPECT_EQ(toto.StringToDateEx(v), D(2024, 3, 16, 13, 50));
    EXPECT_EQ(v, "2024年3月16日(土)13:50:30");  // narrowed in place
    std::string noYear = "3月16日(土)";
    EXPECT_EQ(toto.StringToDateEx(noYear), D(2024, 3, 16));
    std::string closeFirst = ")3月16日(土";
    EXPECT_EQ(toto.StringToDateEx(closeFirst), Date{});

    EXPECT_EQ(toto.StringToDateEx2("2024年3月16日(土)13:50"), D(2024, 3, 16, 13, 50));
    EXPECT_EQ(toto.StringToDateEx2("2024年3月9日(土)"), D(2024, 3, 9));
    EXPECT_EQ(toto.StringToDateEx2("2024年3月16日(土)9:05受付、締切13:50"), D(2024, 3, 16, 13, 50));
    EXPECT_EQ(toto.StringToDateEx2("2024年3月16日0:00"), D(2024, 3, 16));
    EXPECT_EQ(toto.StringToDateEx2("2024/3/16 13:50"), Date{});
    EXPECT_TRUE(rec.Messages().empty());
}

// The end of a range is read from the text right after "～".
TEST_F(HtmlTotoTest, RangesReadBothEnds) {
    Date a, b;
    toto.DateString2("3月9日(土)～3月16日(土)", a, b);
    EXPECT_EQ(a, D(2024, 3, 9));
    EXPECT_EQ(b, D(2024, 3, 16));
    toto.DateString2("2025年03月08日（土）～2025年03月15日（土）13:50まで", a, b);
    EXPECT_EQ(a, D(2025, 3, 8));
    EXPECT_EQ(b, D(2025, 3, 15, 13, 50));
    toto.DateString2("2025年1月4日～ 2025年1月11日", a, b);
    EXPECT_EQ(b, D(2025, 1, 11));
    Date keep1 = D(2000, 1, 1), keep2 = keep1;
    toto.DateString2("2025年1月4日から2025年1月11日", keep1, keep2);
    EXPECT_EQ(keep1, D(2000, 1, 1));
    EXPECT_EQ(keep2, D(2000, 1, 1));

    toto.GetStringToDate2("3月9日～3月16日", a, b);
    EXPECT_EQ(a, D(2024, 3, 9));
    EXPECT_EQ(b, D(2024, 3, 16));
}

TEST_F(HtmlTotoTest, TimeStampsOfTheVoteFigures) {
    Date d;
    bool final = true;
    EXPECT_TRUE(toto.GetStringToDateNow("(3月16日(土)13:50時点)", d, final));
    EXPECT_EQ(d, D(2024, 3, 16, 13, 50));
    EXPECT_FALSE(final);
    EXPECT_TRUE(toto.GetStringToDateNow("(２０２５年３月１５日（土）13:50販売終了時点)", d, final));
    EXPECT_EQ(d, D(2025, 3, 15, 13, 50));
    EXPECT_TRUE(final);
    EXPECT_FALSE(toto.GetStringToDateNow("3月16日(土)13:50時点)", d, final));
    EXPECT_TRUE(final);  // not touched
    EXPECT_FALSE(toto.GetStringToDateNow("(投票受付中)", d, final));
}

TEST_F(HtmlTotoTest, CompetitionNames) {
    const std::vector<std::string> lines = {"J1", "鹿島", "天皇杯"};
    long pos = 0;
    EXPECT_EQ(toto.GetGameType(lines, pos), "J1");
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(toto.GetGameType(lines, pos), "");
    EXPECT_EQ(pos, 1);
    pos = 3;
    EXPECT_EQ(toto.GetGameType(lines, pos), "");
    EXPECT_EQ(pos, 3);
}

}  // namespace
