#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "singles/clsTNumber.h"
#include "support/Report.h"

using namespace kujimate;

namespace {
LongKousei Digits(std::initializer_list<int> d) {
    LongKousei k{};
    int g = 0;
    for (int v : d) k[g++] = v;
    return k;
}
}  // namespace

TEST(SingleNumber, KnownNumbersAndTheirDigits) {
    clsTNumber t;
    struct Case {
        int32_t no;
        LongKousei digits;
    } cases[] = {
        {0, Digits({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {177146, Digits({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2})},
        {1, Digits({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {59049, Digits({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})},
        {34066, Digits({1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0})},
    };
    for (const auto& c : cases) {
        LongKousei l{};
        t.NoToLong(c.no, l);
        EXPECT_EQ(l, c.digits) << c.no;
        int32_t back = -1;
        t.LongToNo(c.digits, back);
        EXPECT_EQ(back, c.no);
    }
}

TEST(SingleNumber, EveryNumberRoundTripsThroughBothForms) {
    clsTNumber t;
    ByteKousei b{};
    LongKousei l{};
    for (int32_t n = 0; n < SingleSpace; ++n) {
        t.NoToByte(n, b);
        t.NoToLong(n, l);
        for (int g = 0; g < SingleGames; ++g) ASSERT_EQ(b[g], l[g]) << n;
        int32_t nb = -1, nl = -1;
        t.ByteToNo(b, nb);
        t.LongToNo(l, nl);
        ASSERT_EQ(nb, n);
        ASSERT_EQ(nl, n);
    }
}

TEST(SingleNumber, NeighbourListsInTheirFixedOrder) {
    clsTNumber t;
    std::vector<int32_t> list(243, -1);
    t.Get123List(0, list);
    EXPECT_EQ(list[0], 0);
    EXPECT_EQ(list[1], 1);
    EXPECT_EQ(list[2], 2);
    EXPECT_EQ(list[23], 4);  // matches 1 and 2 set to 1
    EXPECT_EQ(std::set<int32_t>(list.begin(), list.end()).size(), 243u);

    // Every distance-one neighbour differs in exactly one match, every distance-two in two.
    std::vector<int32_t> two(22), three(220);
    t.Get2List(34066, two);
    t.Get3List(34066, three);
    auto differing = [&](int32_t a, int32_t b) {
        LongKousei x{}, y{};
        t.NoToLong(a, x);
        t.NoToLong(b, y);
        int n = 0;
        for (int g = 0; g < SingleGames; ++g) n += x[g] != y[g];
        return n;
    };
    for (int32_t v : two) EXPECT_EQ(differing(34066, v), 1);
    for (int32_t v : three) EXPECT_EQ(differing(34066, v), 2);
    EXPECT_EQ(std::set<int32_t>(three.begin(), three.end()).size(), 220u);
}

TEST(SingleNumber, FailuresAreReportedAndWriteNothingBeyond) {
    RecordingReporter rec;
    clsTNumber t;
    std::vector<int32_t> small(5, -1);
    t.Get2List(0, small);  // the caller's list is never grown
    EXPECT_EQ(small, (std::vector<int32_t>{1, 2, 3, 6, 9}));
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsTNumber / Get2List_Sub");

    rec.Clear();
    ByteKousei b{};
    b.fill(7);
    t.NoToByte(-5, b);
    EXPECT_EQ(rec.Messages().at(0).caption, "KUJIMATE / clsTNumber / NoToArray");

    rec.Clear();
    LongKousei big{};
    big.fill(100000);
    int32_t no = 42;
    t.LongToNo(big, no);
    EXPECT_EQ(no, 42);  // pack writes nothing
    EXPECT_EQ(rec.Messages().at(0).caption, "KUJIMATE / clsTNumber / ArrayToNo_Long");
    EXPECT_EQ(rec.Messages()[0].text, "オーバーフローしました。 ( 6 )");
}
