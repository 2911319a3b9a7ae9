#pragma once
// One page of ten singles, a single per column: each match's digit on a background that
// tells hit, miss, void or open, and the grade at the bottom. The window copies Text() and
// Back() onto its grid.
#include <array>
#include <cstdint>
#include <string>

namespace kujimate {

// Backgrounds by meaning; pictures are registered per colour.
enum class ResultBack : uint8_t { White, ButtonFace, Red, Blue, Yellow, Green };

class clsTResultGrid {
public:
    static constexpr int Cols = 10;
    static constexpr int Rows = 13;  // header, matches 1..11, grade

    void Clear();
    // Column lngNo + 1, rows 2..13: empty and white.
    void SetClear(int lngNo);
    // bytValue: the single's 11 digits, then its grade; bytColor: the judged state per match.
    void SetValue(int lngNo, const std::array<uint8_t, 12>& bytValue, const std::array<uint8_t, 11>& bytColor,
                  int32_t lngKaisaikai);

    std::string Text(int col, int row) const;
    ResultBack Back(int col, int row) const;
    // 0 miss red; 1, 2 hit blue; 3 void yellow; 4 open white.
    static ResultBack BackOfState(uint8_t state);

private:
    struct Cell {
        std::string text;
        ResultBack back = ResultBack::White;
    };
    std::array<std::array<Cell, Rows - 1>, Cols> cells_{};  // [slot][row - 2]
};

}  // namespace kujimate
