#include "check/clsTMultiResult.h"

namespace kujimate {

void clsTMultiResult::Refresh(bool byUser) {
    if (Redraw) Redraw();
    if (states_ == snapshot_) return;
    snapshot_ = states_;
    if (Change) Change(byUser);
}

void clsTMultiResult::Clear() {
    states_ = ResultStates{};
    Refresh(false);
}

void clsTMultiResult::SetValue(const ResultStates& states) {
    states_ = states;
    Refresh(false);
}

void clsTMultiResult::GetVisible(SingleFrameFlags& visible) const {
    for (int g = 0; g < SingleGames; ++g)
        for (int k = 0; k < 3; ++k) visible[k][g] = states_[g][k] > 0;
}

void clsTMultiResult::MouseClick(int button, int column, int row) {
    if (column < 1 || column > 3 || row < 2 || row > SingleGames + 1) return;
    const int code = CodeOfColumn(column);
    const int g = row - 2;
    lastMatch_ = g;
    if (button == RightButton) {
        if (ShowPopup) ShowPopup();
        return;
    }
    if (button != LeftButton) return;
    const int32_t s = states_[g][code];
    states_[g] = {0, 0, 0};
    if (s == StateEmpty) {
        const bool official = record_.DrawNo >= 1 && record_.Games[g + 1].Outcome == code;
        states_[g][code] = official ? StateOfficial : StateUser;
    }
    Refresh(true);
}

void clsTMultiResult::SetPopup(int index) {
    if (index != 0 || lastMatch_ < 0) return;
    states_[lastMatch_] = {StateVoid, StateVoid, StateVoid};
    Refresh(true);
}

std::string clsTMultiResult::Text(int column, int row) const {
    if (column < 1 || column > 3 || row < 2 || row > SingleGames + 1) return {};
    switch (states_[row - 2][CodeOfColumn(column)]) {
        case StateOfficial: return "◎";
        case StateUser: return "○";
        case StateVoid:
        case StateOpen: return "－";
        default: return {};
    }
}

}  // namespace kujimate
