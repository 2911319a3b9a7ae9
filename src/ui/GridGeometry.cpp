#include "ui/GridGeometry.h"

#include <cstddef>

namespace kujimate {

void GridGeometry::Reset(int cols, int rows, int defColWidth, int defRowHeight) {
    widths_.assign(cols > 0 ? cols : 0, defColWidth < 1 ? 0 : defColWidth);
    heights_.assign(rows > 0 ? rows : 0, defRowHeight);
    RecomputeLefts();
    RecomputeTops();
}

void GridGeometry::SetColWidth(int col, int value) {
    widths_[col - 1] = value < 1 ? 0 : value;
    RecomputeLefts();
}

void GridGeometry::SetRowHeight(int row, int value) {
    heights_[row - 1] = value;
    RecomputeTops();
}

void GridGeometry::RecomputeLefts() {
    lefts_.resize(widths_.size());
    int x = 0;
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        lefts_[c] = x;
        x += widths_[c] + (widths_[c] > 0 ? 1 : 0);
    }
}

void GridGeometry::RecomputeTops() {
    tops_.resize(heights_.size());
    int y = 0;
    for (std::size_t r = 0; r < heights_.size(); ++r) {
        tops_[r] = y;
        y += heights_[r] + 1;
    }
}

CellRect GridGeometry::Cell(int col, int row) const {
    int x = Left(col), y = Top(row);
    return {x, y, x + ColWidth(col), y + RowHeight(row)};
}

int GridGeometry::SurfaceWidth() const {
    int w = 1;
    for (int v : widths_) w += v + (v > 0 ? 1 : 0);
    return w;
}

int GridGeometry::SurfaceHeight() const {
    int h = 1;
    for (int v : heights_) h += v + 1;
    return h;
}

int GridGeometry::ColAt(int x) const {
    int sum = 0;
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        sum += widths_[c] + (widths_[c] > 0 ? 1 : 0);
        if (sum >= x) return static_cast<int>(c) + 1;
    }
    return 1;
}

int GridGeometry::RowAt(int y) const {
    int sum = 0;
    for (std::size_t r = 0; r < heights_.size(); ++r) {
        sum += heights_[r] + 1;
        if (sum >= y) return static_cast<int>(r) + 1;
    }
    return 1;
}

}  // namespace kujimate
