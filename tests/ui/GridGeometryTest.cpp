#include <gtest/gtest.h>

#include "ui/GridGeometry.h"

using namespace kujimate;

TEST(GridGeometry, CellsShareOneLineAndHiddenColumnsTakeNoRoom) {
    GridGeometry g;
    g.Reset(3, 12, 60, 26);
    g.SetRowHeight(1, 20);
    EXPECT_EQ(g.SurfaceWidth(), 3 * 61 + 1);
    EXPECT_EQ(g.SurfaceHeight(), 21 + 11 * 27 + 1);
    EXPECT_EQ(g.Left(2), 61);
    EXPECT_EQ(g.Top(2), 21);
    CellRect r = g.Cell(2, 2);
    EXPECT_EQ(r.x1, 61);
    EXPECT_EQ(r.x2, 121);
    EXPECT_EQ(r.y2, 21 + 26);

    g.SetColWidth(2, -5);
    EXPECT_EQ(g.ColWidth(2), 0);
    EXPECT_EQ(g.Left(3), 61);  // neighbours touch
    EXPECT_EQ(g.SurfaceWidth(), 2 * 61 + 1);
}

TEST(GridGeometry, APointBelongsToTheCellLeftOfAndAboveItsLine) {
    GridGeometry g;
    g.Reset(3, 2, 10, 10);
    struct Case {
        int x, col;
    };
    for (auto c : {Case{0, 1}, Case{10, 1}, Case{11, 1}, Case{12, 2}, Case{22, 2}, Case{33, 3}, Case{34, 1}, Case{500, 1}})
        EXPECT_EQ(g.ColAt(c.x), c.col) << c.x;
    EXPECT_EQ(g.RowAt(11), 1);
    EXPECT_EQ(g.RowAt(12), 2);
    EXPECT_EQ(g.RowAt(99), 1);
    g.SetColWidth(2, 0);
    EXPECT_EQ(g.ColAt(11), 1);
    EXPECT_EQ(g.ColAt(12), 3);  // the hidden column never qualifies past its left neighbour
}
