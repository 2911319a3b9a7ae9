#pragma once
// The arithmetic of the shaded bars: part widths and the colour of each row.
#include <array>
#include <cstdint>

namespace kujimate {

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Base colour of a colour index: 1 blue, 2 yellow, 3 red, 4 green, any other grey.
Rgb GraphBaseColor(long index);
// Colour of row k (0 = top) of a shaded bar: base, +30, +18, then 18 darker each row.
Rgb GraphRowColor(Rgb base, int row);

// Widths of the three parts of a bar; all width in part 0 with the grey colour when
// the total is 0 (grey flagged by the returned bool being false).
struct ThreeParts {
    bool any;  // false: the whole bar is one grey part
    int w1, w2, w3;
};
ThreeParts SplitThree(int width, double v1, double v2, double v3);
// Filled width of a progress bar; -1 when nothing is drawn (maximum 0).
int ProgressFilled(int width, long max, long value);

}  // namespace kujimate
