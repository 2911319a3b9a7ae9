#pragma once
// The cells in which official results are revealed and the user marks what is known,
// with the click rules and change detection. The window draws Text() and forwards clicks.
#include <functional>
#include <string>

#include "analysis/clsTSingleFrame.h"
#include "check/ResultStates.h"
#include "drawdata/DrawRecords.h"

namespace kujimate {

class clsTMultiResult {
public:
    static constexpr int LeftButton = 1;
    static constexpr int RightButton = 2;

    // Raised after a redraw when the states differ from those of the last Change.
    std::function<void(bool byUser)> Change;
    // Asked to show the popup menu with "中止" at the pointer.
    std::function<void()> ShowPopup;
    std::function<void()> Redraw;

    void Clear();
    void GetValue(ResultStates& states) const { states = states_; }
    void SetValue(const ResultStates& states);
    void GetVisible(SingleFrameFlags& visible) const;  // [outcome][match], true where marked
    void SetResultRecord(const ResultRecord& record) { record_ = record; }
    // A click on column 1..3 (outcomes 1, 0, 2) of row r (2..12 are matches 1..11).
    void MouseClick(int button, int column, int row);
    // Index 0, "中止": the last clicked match becomes void.
    void SetPopup(int index);

    const ResultStates& States() const { return states_; }
    // The symbol in grid column 1..3 of row 2..12.
    std::string Text(int column, int row) const;
    static int CodeOfColumn(int column) { return column == 1 ? 1 : column == 2 ? 0 : 2; }

private:
    void Refresh(bool byUser);

    ResultStates states_{};
    ResultStates snapshot_{};
    ResultRecord record_;
    int lastMatch_ = -1;
};

}  // namespace kujimate
