#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "analysis/clsTMoney.h"
#include "analysis/clsTSingleList.h"
#include "analysis/clsTSingleSort.h"
#include "support/Report.h"

using namespace kujimate;

namespace {

VoteRecord Votes(std::initializer_list<std::array<int64_t, 3>> perMatch, int32_t drawNo = 812) {
    VoteRecord v;
    v.DrawNo = drawNo;
    int g = 1;
    for (const auto& m : perMatch) {
        for (int c = 0; c < 3; ++c) v.Games[g].Counts[c].Votes = Currency::FromInt(m[c]);
        ++g;
    }
    return v;
}

VoteRecord RandomVotes(std::mt19937& rng) {
    VoteRecord v;
    v.DrawNo = 800;
    for (int g = 1; g <= 11; ++g) {
        if (rng() % 9 == 0) continue;  // a match without votes
        for (int c = 0; c < 3; ++c)
            v.Games[g].Counts[c].Votes = Currency::FromRaw(static_cast<int64_t>(rng() % 5000000) * 10000 +
                                                            (rng() % 5 == 0 ? 5000 : 0));
        if (rng() % 13 == 0) v.Games[g].Counts[rng() % 3].Votes = Currency{};
    }
    return v;
}

// The estimate written exactly as described: every product from 1 in match order.
std::array<int64_t, 3> Literal(const VoteRecord& v, const LongKousei& d) {
    double S[11][3], M[11][3];
    for (int g = 0; g < 11; ++g) {
        int64_t total = 0;
        for (int c = 0; c < 3; ++c) {
            // whole number + fixed point, half to even
            const int64_t raw = total * 10000 + v.Games[g + 1].Counts[c].Votes.Raw;
            int64_t q = raw / 10000, r = raw % 10000;
            if (r > 5000 || (r == 5000 && (q & 1))) ++q;
            total = q;
        }
        for (int c = 0; c < 3; ++c) {
            S[g][c] = total != 0 ? v.Games[g + 1].Counts[c].Votes.ToDouble() / static_cast<double>(total) * 100
                      : v.DrawNo != 0 ? 1.0 / 3.0 * 100
                                      : 0.0;
            M[g][c] = 100 - S[g][c];
        }
    }
    double p1 = 1;
    for (int g = 0; g < 11; ++g) p1 *= S[g][d[g]];
    double p2 = 0;
    for (int i = 0; i < 11; ++i) {
        double t = 1;
        for (int g = 0; g < 11; ++g) t *= g == i ? M[g][d[g]] : S[g][d[g]];
        p2 += t;
    }
    double p3 = 0;
    for (int i = 0; i < 10; ++i)
        for (int j = i + 1; j < 11; ++j) {
            double t = 1;
            for (int g = 0; g < 11; ++g) t *= g == i || g == j ? M[g][d[g]] : S[g][d[g]];
            p3 += t;
        }
    const double pools[3] = {30.0 * 1e22, 7.5 * 1e22, 7.5 * 1e22};
    const double ps[3] = {p1, p2, p3};
    std::array<int64_t, 3> out{};
    for (int k = 0; k < 3; ++k) {
        const double f = ps[k] > 0 ? pools[k] / ps[k] : 0;
        out[k] = f > 99999999999.0 ? 99999999999 : Currency::FromDouble(f)->Raw / 10000;
    }
    return out;
}

LongKousei DigitsOf(int32_t n) {
    LongKousei k{};
    for (int g = 0; g < 11; ++g, n /= 3) k[g] = n % 3;
    return k;
}

}  // namespace

TEST(Estimate, FixedCases) {
    clsTMoney m;
    LongKousei ones{};
    ones.fill(1);
    EXPECT_EQ(m.GetMoney1(ones), Currency{});  // no vote record held
    m.SetVote(VoteRecord{});
    EXPECT_EQ(m.GetMoney3(ones), Currency{});

    // 50% on every chosen outcome: 30 × 10^22 / 50^11.
    std::initializer_list<std::array<int64_t, 3>> half = {{1, 2, 1}, {1, 2, 1}, {1, 2, 1}, {1, 2, 1}, {1, 2, 1}, {1, 2, 1},
                                                          {1, 2, 1}, {1, 2, 1}, {1, 2, 1}, {1, 2, 1}, {1, 2, 1}};
    m.SetVote(Votes(half));
    EXPECT_EQ(m.GetMoney1(ones), Currency::FromInt(61440));

    // A match without votes counts a third for each outcome.
    VoteRecord v = Votes(half);
    v.Games[5].Counts = {};
    m.SetVote(v);
    EXPECT_DOUBLE_EQ(m.Share(4, 0), 1.0 / 3.0 * 100);

    // A chosen outcome nobody voted for: no grade-1 estimate, grades 2 and 3 still.
    v = Votes(half);
    v.Games[3].Counts[1].Votes = Currency{};
    m.SetVote(v);
    EXPECT_EQ(m.GetMoney1(ones), Currency{});
    EXPECT_GT(m.GetMoney2(ones).Raw, 0);
    EXPECT_GT(m.GetMoney3(ones).Raw, 0);

    // Long shots are capped.
    m.SetVote(Votes({{1, 1000, 1}, {1, 1000, 1}, {1, 1000, 1}, {1, 1000, 1}, {1, 1000, 1}, {1, 1000, 1},
                     {1, 1000, 1}, {1, 1000, 1}, {1, 1000, 1}, {1, 1000, 1}, {1, 1000, 1}}));
    LongKousei twos{};
    twos.fill(2);
    EXPECT_EQ(m.GetMoney1(twos), Currency::FromInt(99999999999));

    RecordingReporter rec;
    LongKousei bad = ones;
    bad[3] = 3;
    EXPECT_EQ(m.GetMoney2(bad), Currency{});
    EXPECT_EQ(rec.Messages().at(0).caption, "KUJIMATE / clsTMoney / GetMoney2");
}

// Reusing running products must not change a single bit of any estimate.
TEST(Estimate, SameAsTheLiteralOperationOrder) {
    std::mt19937 rng(2024);
    clsTMoney m;
    for (int round = 0; round < 20; ++round) {
        const VoteRecord v = RandomVotes(rng);
        m.SetVote(v);
        for (int k = 0; k < 300; ++k) {
            const int32_t s = static_cast<int32_t>(rng() % 177147);
            const LongKousei d = DigitsOf(s);
            const auto want = Literal(v, d);
            ASSERT_EQ(m.GetMoney1(d), Currency::FromInt(want[0])) << s;
            ASSERT_EQ(m.GetMoney2(d), Currency::FromInt(want[1])) << s;
            ASSERT_EQ(m.GetMoney3(d), Currency::FromInt(want[2])) << s;
        }
    }
}

TEST(Estimate, MoneyTexts) {
    struct Case {
        int64_t yen;
        const char* text;
    } cases[] = {
        {0, ""},
        {1, "1円"},
        {5000, "5000円"},
        {9999, "9999円"},
        {10000, "1.00万"},
        {12345, "1.23万"},
        {12350, "1.24万"},
        {99999, "10.00万"},
        {100000, "10万"},
        {1234567, "123万"},
        {99999999, "9999万"},
        {100000000, "1億"},
        {114000000, "1.14億"},  // not 1.13: no binary fraction between
        {120000000, "1.2億"},
        {123456789, "1.23億"},
        {999999999, "9.99億"},
        {1000000000, "10億"},
        {12345678901, "123億"},
        {99999999998, "999億"},
        {99999999999, "****億"},
    };
    for (const auto& c : cases) EXPECT_EQ(clsTSingleList::GetMoneyText(c.yen), c.text) << c.yen;
}

TEST(Estimate, ListViewColumn) {
    clsTSingleList list;
    EXPECT_EQ(list.SetData_Sub(-1), (std::array<std::string, 5>{}));
    auto rows = list.SetData_Sub(34066);  // no vote record: no estimates, no popularity
    EXPECT_EQ(rows, (std::array<std::string, 5>{"", "", "", "4-4-3", ""}));
    list.SetVote(Votes({{500, 300, 200}}));
    rows = list.SetData_Sub(0);  // outcome 0 is 1番人気 in match 1, a three-way tie elsewhere
    EXPECT_EQ(rows[3], "0-11-0");
    EXPECT_EQ(rows[4], "1-10-0");
    EXPECT_FALSE(rows[0].empty());
    EXPECT_EQ(clsTSingleList::Captions()[0], "１等推定金額");
}

TEST(SinglesSort, MarksMoneyAndPopularity) {
    // Fewest 1s first when ascending, most first when descending.
    std::vector<int32_t> list{177146, 34066, 88573 /* all 1 */, 0};
    clsTSingleSort sort;
    sort.MarkSort(list, 0, true);
    EXPECT_EQ(list.back(), 88573);
    sort.MarkSort(list, 0, false);
    EXPECT_EQ(list.front(), 88573);

    // Remembered estimates give the same keys as estimating every single.
    std::mt19937 rng(5);
    sort.SetVote(RandomVotes(rng));
    std::vector<int32_t> many;
    for (int k = 0; k < 6000; ++k) many.push_back(static_cast<int32_t>(rng() % 500));
    for (int grade = 1; grade <= 3; ++grade) {
        auto keys = sort.MoneyKeys(many, grade);
        std::vector<int32_t> few(many.begin(), many.begin() + 100);
        auto direct = sort.MoneyKeys(few, grade);
        for (size_t k = 0; k < few.size(); ++k) ASSERT_EQ(keys[k], direct[k]);
    }
    std::vector<int32_t> sorted = many;
    sort.MoneySort(sorted, 2, true);
    auto keys = sort.MoneyKeys(sorted, 3);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    sort.NinkiSort(sorted, 0, false);
    EXPECT_EQ(sorted.size(), many.size());
}
