#pragma once
// Pixel geometry of the owner-drawn grid: cell edges, surface size and the cell under a
// point. Knows nothing of painting.
#include <cstdint>
#include <vector>

namespace kujimate {

struct CellRect {
    int x1, y1, x2, y2;  // (left, top) to (left + width, top + height)
};

class GridGeometry {
public:
    // Every column and row at its default size; sizes in display pixels.
    void Reset(int cols, int rows, int defColWidth, int defRowHeight);
    int Cols() const { return static_cast<int>(widths_.size()); }
    int Rows() const { return static_cast<int>(heights_.size()); }

    int ColWidth(int col) const { return widths_[col - 1]; }
    // Below 1 is stored as 0: a hidden column.
    void SetColWidth(int col, int value);
    int RowHeight(int row) const { return heights_[row - 1]; }
    void SetRowHeight(int row, int value);

    int Left(int col) const { return lefts_[col - 1]; }
    int Top(int row) const { return tops_[row - 1]; }
    CellRect Cell(int col, int row) const;

    // Neighbouring cells share a one-pixel line; a hidden column takes no room.
    int SurfaceWidth() const;
    int SurfaceHeight() const;

    // The cell a point belongs to (a grid line belongs to the cell left of and above it);
    // 1 when the point lies beyond the last column or row.
    int ColAt(int x) const;
    int RowAt(int y) const;

private:
    void RecomputeLefts();
    void RecomputeTops();

    std::vector<int> widths_, heights_, lefts_, tops_;
};

}  // namespace kujimate
