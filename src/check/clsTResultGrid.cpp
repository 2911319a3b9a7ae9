#include "check/clsTResultGrid.h"

#include "check/ResultStates.h"
#include "refdata/clsTGameType.h"

namespace kujimate {

void clsTResultGrid::Clear() {
    for (int b = 0; b < Cols; ++b) SetClear(b);
}

void clsTResultGrid::SetClear(int lngNo) {
    if (lngNo < 0 || lngNo >= Cols) return;
    for (Cell& c : cells_[static_cast<size_t>(lngNo)]) c = Cell{};
}

ResultBack clsTResultGrid::BackOfState(uint8_t state) {
    switch (state) {
        case 0: return ResultBack::Red;
        case StateOfficial:
        case StateUser: return ResultBack::Blue;
        case StateVoid: return ResultBack::Yellow;
        default: return ResultBack::White;
    }
}

void clsTResultGrid::SetValue(int lngNo, const std::array<uint8_t, 12>& bytValue,
                              const std::array<uint8_t, 11>& bytColor, int32_t lngKaisaikai) {
    if (lngNo < 0 || lngNo >= Cols) return;
    auto& col = cells_[static_cast<size_t>(lngNo)];
    for (int m = 0; m < 11; ++m) {
        col[static_cast<size_t>(m)].text = std::to_string(bytValue[static_cast<size_t>(m)]);
        col[static_cast<size_t>(m)].back = BackOfState(bytColor[static_cast<size_t>(m)]);
    }
    const uint8_t grade = bytValue[11];
    col[11].text = std::to_string(grade);
    col[11].back = grade <= clsToto().GetMaxGrade(lngKaisaikai) ? ResultBack::Green : ResultBack::White;
}

std::string clsTResultGrid::Text(int col, int row) const {
    if (col < 1 || col > Cols || row < 1 || row > Rows) return {};
    if (row == 1) return std::to_string(col);
    return cells_[static_cast<size_t>(col - 1)][static_cast<size_t>(row - 2)].text;
}

ResultBack clsTResultGrid::Back(int col, int row) const {
    if (col < 1 || col > Cols || row < 1 || row > Rows) return ResultBack::White;
    if (row == 1) return ResultBack::ButtonFace;
    return cells_[static_cast<size_t>(col - 1)][static_cast<size_t>(row - 2)].back;
}

}  // namespace kujimate
