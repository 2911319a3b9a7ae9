#include "ui/GraphMath.h"

#include <algorithm>

#include "support/NumberText.h"

namespace kujimate {

Rgb GraphBaseColor(long index) {
    switch (index) {
        case 1: return {160, 160, 225};
        case 2: return {225, 225, 160};
        case 3: return {225, 160, 160};
        case 4: return {160, 225, 160};
        default: return {200, 200, 200};
    }
}

Rgb GraphRowColor(Rgb base, int row) {
    int delta = 0;
    if (row == 1) delta = 30;
    else if (row >= 2) delta = 30 - 12 - 18 * (row - 2);
    auto ch = [&](int v) { return std::clamp(v + delta, 0, 255); };
    return {ch(base.r), ch(base.g), ch(base.b)};
}

ThreeParts SplitThree(int width, double v1, double v2, double v3) {
    double total = v1 + v2 + v3;
    if (!(total > 0)) return {false, width, 0, 0};
    double s1 = RoundHalfEven4(v1 / total);
    double s2 = RoundHalfEven4(v2 / total);
    int w1 = static_cast<int>(RoundHalfEven(width * s1));
    int w2 = static_cast<int>(RoundHalfEven(width * s2));
    return {true, w1, w2, width - w1 - w2};
}

int ProgressFilled(int width, long max, long value) {
    if (max <= 0) return -1;
    double share = RoundHalfEven4(static_cast<double>(std::clamp(value, 0L, max)) / static_cast<double>(max));
    return static_cast<int>(RoundHalfEven(width * share));
}

}  // namespace kujimate
