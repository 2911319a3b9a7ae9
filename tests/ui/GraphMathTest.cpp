#include <gtest/gtest.h>

#include "ui/GraphMath.h"

using namespace kujimate;

TEST(GraphMath, ThreePartsRoundEachShareToFourDecimalsThenToWholePixels) {
    auto p = SplitThree(203, 1, 1, 1);
    EXPECT_TRUE(p.any);
    EXPECT_EQ(p.w1, 68);
    EXPECT_EQ(p.w2, 68);
    EXPECT_EQ(p.w3, 67);
    auto yellow = SplitThree(203, 0, 5, 0);
    EXPECT_EQ(yellow.w1, 0);
    EXPECT_EQ(yellow.w2, 203);
    EXPECT_EQ(yellow.w3, 0);
    EXPECT_FALSE(SplitThree(203, 0, 0, 0).any);
}

TEST(GraphMath, ProgressBar) {
    EXPECT_EQ(ProgressFilled(100, 0, 5), -1);
    EXPECT_EQ(ProgressFilled(100, 10, 50), 100);
    EXPECT_EQ(ProgressFilled(100, 8, 1), 12);  // 12.5 to even
    EXPECT_EQ(ProgressFilled(200, 3, 1), 67);  // 0.3333 × 200 = 66.66
}

TEST(GraphMath, ShadingDarkensDownTheBar) {
    Rgb base = GraphBaseColor(1);
    EXPECT_EQ(base, (Rgb{160, 160, 225}));
    const int expected[] = {0, 30, 18, 0, -18, -36, -54};
    for (int row = 0; row < 7; ++row) EXPECT_EQ(GraphRowColor(base, row).r, 160 + expected[row]) << row;
    EXPECT_EQ(GraphRowColor(base, 1).b, 255);
    EXPECT_EQ(GraphRowColor(base, 40).r, 0);
    EXPECT_EQ(GraphBaseColor(0), (Rgb{200, 200, 200}));
}
