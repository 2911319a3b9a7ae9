#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "analysis/NinkiTable.h"
#include "analysis/clsQuickSort.h"

using namespace kujimate;

namespace {

// The two schemes written out step by step, recursion and all, to compare against.
void LiteralA(std::vector<int64_t>& a, std::vector<int32_t>& idx, int64_t lo, int64_t hi, bool asc) {
    if (lo >= hi) return;
    const int64_t pivot = a[(lo + hi) / 2];
    int64_t i = lo, j = hi;
    for (;;) {
        if (asc) {
            while (a[i] < pivot) ++i;
            while (pivot < a[j]) --j;
        } else {
            while (pivot < a[i]) ++i;
            while (a[j] < pivot) --j;
        }
        if (i >= j) break;
        std::swap(a[i], a[j]);
        std::swap(idx[i], idx[j]);
        ++i;
        --j;
    }
    LiteralA(a, idx, lo, i - 1, asc);
    LiteralA(a, idx, j + 1, hi, asc);
}

void LiteralB(std::vector<int64_t>& a, std::vector<int32_t>& idx, int64_t lo, int64_t hi, bool asc) {
    if (lo >= hi) return;
    const int64_t m = (lo + hi) / 2;
    const int64_t pivot = a[m];
    const int32_t pi = idx[m];
    a[m] = a[lo];
    idx[m] = idx[lo];
    int64_t i = lo;
    for (int64_t j = lo + 1; j <= hi; ++j) {
        if (asc ? a[j] < pivot : a[j] > pivot) {
            ++i;
            std::swap(a[i], a[j]);
            std::swap(idx[i], idx[j]);
        }
    }
    a[lo] = a[i];
    a[i] = pivot;
    idx[lo] = idx[i];
    idx[i] = pi;
    LiteralB(a, idx, lo, i - 1, asc);
    LiteralB(a, idx, i + 1, hi, asc);
}

std::vector<int32_t> Identity(size_t n) {
    std::vector<int32_t> v(n);
    for (size_t k = 0; k < n; ++k) v[k] = static_cast<int32_t>(k);
    return v;
}

}  // namespace

TEST(QuickSort, TheTieOrdersOfBothSchemes) {
    clsQuickSort qs;
    std::vector<int32_t> a{5, 3, 5, 1};
    std::vector<int32_t> ia = Identity(4);
    qs.LongIndexSort(a, ia, true);
    EXPECT_EQ(a, (std::vector<int32_t>{1, 3, 5, 5}));
    EXPECT_EQ(ia, (std::vector<int32_t>{3, 1, 0, 2}));

    std::vector<Currency> b{Currency::FromInt(5), Currency::FromInt(3), Currency::FromInt(5), Currency::FromInt(1)};
    std::vector<int32_t> ib{9, 9, 9, 9};  // reset to the identity first
    qs.CurrencyIndexSort(b, ib, true);
    EXPECT_EQ(ib, (std::vector<int32_t>{3, 1, 2, 0}));
    EXPECT_EQ(b[0], Currency::FromInt(1));

    std::vector<std::string> s{"b", "B", "あ", "a"};
    qs.StringSort(s, true);
    EXPECT_EQ(s, (std::vector<std::string>{"B", "a", "b", "あ"}));
    std::vector<int32_t> l{3, 1, 2};
    qs.LongSort(l, false);
    EXPECT_EQ(l, (std::vector<int32_t>{3, 2, 1}));
}

// The fast paths must leave exactly the permutation the plain steps leave, ties included.
TEST(QuickSort, SameOrderAsThePlainStepsOnTiedKeys) {
    std::mt19937 rng(12345);
    clsQuickSort qs;
    for (int round = 0; round < 400; ++round) {
        const size_t n = rng() % 300;
        const int64_t distinct = 1 + static_cast<int64_t>(rng() % (round % 4 == 0 ? 3 : 40));
        std::vector<int64_t> keys(n);
        for (auto& k : keys) k = static_cast<int64_t>(rng() % static_cast<uint64_t>(distinct)) * 10000;
        if (round % 7 == 0) std::sort(keys.begin(), keys.end());
        for (bool asc : {true, false}) {
            std::vector<int64_t> expA = keys, expB = keys;
            std::vector<int32_t> idxA = Identity(n), idxB = Identity(n);
            LiteralA(expA, idxA, 0, static_cast<int64_t>(n) - 1, asc);
            LiteralB(expB, idxB, 0, static_cast<int64_t>(n) - 1, asc);

            std::vector<int32_t> gotA(keys.begin(), keys.end());
            std::vector<int32_t> gotIdxA = Identity(n);
            qs.LongIndexSort(gotA, gotIdxA, asc);
            ASSERT_EQ(gotIdxA, idxA) << "round " << round;

            std::vector<Currency> gotB(n);
            for (size_t k = 0; k < n; ++k) gotB[k] = Currency::FromRaw(keys[k]);
            std::vector<int32_t> gotIdxB(n);
            qs.CurrencyIndexSort(gotB, gotIdxB, asc);
            ASSERT_EQ(gotIdxB, idxB) << "round " << round;
        }
    }
}

TEST(QuickSort, AMillionEqualKeysNeitherHangNorOverflowTheStack) {
    clsQuickSort qs;
    std::vector<int64_t> keys(1000000, 0);
    keys[500000] = 1;
    std::vector<int32_t> idx(keys.size());
    auto start = std::chrono::steady_clock::now();
    qs.CurrencyIndexSort(std::span<int64_t>(keys), idx, true);
    qs.CurrencyIndexSort(std::span<int64_t>(keys), idx, false);
    std::vector<int32_t> longs(1000000, 4);
    std::vector<int32_t> idx2 = Identity(longs.size());
    qs.LongIndexSort(longs, idx2, true);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(keys.front(), 1);
}

TEST(Popularity, TheTieTable) {
    struct Case {
        int c0, c1, c2;
        std::array<int, 3> order;  // outcome codes from 1番人気 to 3番人気
    } cases[] = {
        {500, 300, 200, {0, 1, 2}}, {100, 300, 200, {1, 2, 0}}, {0, 0, 0, {2, 0, 1}},   {7, 7, 7, {2, 0, 1}},
        {5, 5, 1, {0, 1, 2}},       {5, 5, 9, {2, 0, 1}},       {5, 1, 5, {2, 0, 1}},   {5, 9, 5, {1, 0, 2}},
        {1, 5, 5, {2, 1, 0}},       {9, 5, 5, {0, 2, 1}},
    };
    for (const auto& c : cases) {
        VoteRecord v;
        v.DrawNo = 812;
        v.Games[4].Counts[0].Votes = Currency::FromInt(c.c0);
        v.Games[4].Counts[1].Votes = Currency::FromInt(c.c1);
        v.Games[4].Counts[2].Votes = Currency::FromInt(c.c2);
        NinkiTable t = NinkiTable::FromVote(v);
        ASSERT_TRUE(t.Available);
        for (int r = 0; r < 3; ++r) EXPECT_EQ(t.Rank[3][c.order[r]], r) << c.c0 << "," << c.c1 << "," << c.c2;
    }
    EXPECT_FALSE(NinkiTable::FromVote(VoteRecord{}).Available);
    uint8_t d[11] = {};
    EXPECT_EQ(NinkiTable::FromVote(VoteRecord{}).Text(d), "");
}
