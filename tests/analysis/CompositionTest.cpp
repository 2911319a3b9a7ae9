#include <gtest/gtest.h>

#include <random>

#include "analysis/clsTCount.h"
#include "analysis/clsTSingleFrame.h"

using namespace kujimate;

TEST(Composition, TheTableCountsEveryOutcomeOfEveryMatch) {
    // Counted per single or per distinct single (long lists), the table is the same.
    std::mt19937 rng(3);
    std::vector<int32_t> list(70000);
    for (auto& s : list) s = static_cast<int32_t>(rng() % 2000);
    SingleFrame whole{}, parts{};
    clsTSingleFrame().GetSingleFrame(70000, list, whole);
    for (size_t from = 0; from < list.size(); from += 1000) {
        SingleFrame f{};
        clsTSingleFrame().GetSingleFrame(1000, std::span<const int32_t>(list).subspan(from), f);
        for (int c = 0; c < 3; ++c)
            for (int g = 0; g < 11; ++g) parts[c][g] += f[c][g];
    }
    EXPECT_EQ(whole, parts);
    for (int g = 0; g < 11; ++g) EXPECT_EQ(whole[0][g] + whole[1][g] + whole[2][g], 70000);

    SingleFrame empty{};
    empty[1][1] = 9;
    clsTSingleFrame().GetSingleFrame(0, {}, empty);
    EXPECT_EQ(empty, SingleFrame{});
}

TEST(Composition, GridTextsInCountAndPercentMode) {
    // Ten singles, four with 1 and six with 0 for match 1; all 0 elsewhere.
    std::vector<int32_t> list{1, 1, 1, 1, 0, 0, 0, 0, 0, 0};
    SingleFrame f{};
    clsTSingleFrame().GetSingleFrame(10, list, f);
    clsTCount grid;
    grid.SetValue(f);
    EXPECT_EQ(grid.Text(1, 1), "1");
    EXPECT_EQ(grid.Text(1, 2), "      4");
    EXPECT_EQ(grid.Text(2, 2), "      6");
    EXPECT_EQ(grid.Text(3, 2), "");    // zero counts are blank
    EXPECT_EQ(grid.Text(1, 3), "");
    EXPECT_EQ(grid.Text(2, 3), "     10");
    int clicks = 0;
    grid.Click = [&](int, int) { ++clicks; };
    grid.MouseClick(1, 1);  // the header does nothing
    EXPECT_FALSE(grid.Percent());
    grid.MouseClick(1, 2);
    EXPECT_TRUE(grid.Percent());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(grid.Text(1, 2), "   40% ");
    EXPECT_EQ(grid.Text(2, 3), "  100% ");
    SingleFrameFlags show{};
    show[2][0] = true;
    grid.SetVisible(show);
    EXPECT_EQ(grid.Text(3, 2), "    0% ");
    grid.SetValue(SingleFrame{});
    EXPECT_EQ(grid.Text(3, 2), "    0% ");
    EXPECT_EQ(grid.Text(1, 2), "");
    EXPECT_EQ(clsTCount::Back(3), CellBack::LightYellow);
    EXPECT_EQ(clsTCount::Back(2), CellBack::White);
}
