#pragma once
// The grade summary: for grades 1..12 the number of singles and their share.
#include <array>
#include <cstdint>
#include <string>

#include "check/ResultStates.h"

namespace kujimate {

using GradeCounts = std::array<int32_t, 12>;  // entry k: singles of grade k + 1

class clsTResultGrade {
public:
    static constexpr int Cols = 3;
    static constexpr int Rows = 13;

    void Clear(int32_t lngKaisaikai);
    void SetValue(const GradeCounts& lngValue, int32_t lngKaisaikai);

    // Cell text of column 1..3, row 1..13.
    std::string Text(int col, int row) const;
    // "75%": count / total × 100 rounded to a whole number; "0%" without any single.
    std::string RatioText(int k) const;
    bool Blue(int row) const;  // the rows of the paying grades
    static CellBack Back(int row);
    static bool RightAligned(int col, int row) { return col >= 2 && row >= 2; }

    const GradeCounts& Counts() const { return counts_; }

private:
    GradeCounts counts_{};
    int32_t kaisaikai_ = 0;
};

}  // namespace kujimate
