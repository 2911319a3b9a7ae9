#pragma once
// The composition grid: per match (rows 2..12) the counts of outcomes 1, 0, 2 (columns
// 1..3), as counts or as shares of the row. The window draws Text() and forwards clicks.
#include <functional>
#include <string>

#include "analysis/clsTSingleFrame.h"
#include "analysis/CellBack.h"

namespace kujimate {

class clsTCount {
public:
    // Raised after a click on a match row, which has already flipped the percent mode.
    std::function<void(int column, int row)> Click;

    bool Percent() const { return percent_; }
    void Percent(bool v) { percent_ = v; }
    void SetVisible(const SingleFrameFlags& blnVisible) { visible_ = blnVisible; }
    void SetColor(const SingleFrameFlags& blnColor) { color_ = blnColor; }
    void SetValue(const SingleFrame& lngValue) { value_ = lngValue; }
    void MouseClick(int column, int row);

    // Right-aligned in seven characters; empty for a zero without its zero-display flag.
    std::string Text(int column, int row) const;
    bool Blue(int column, int row) const;
    static CellBack Back(int row);
    static int CodeOfColumn(int column) { return column == 1 ? 1 : column == 2 ? 0 : 2; }

private:
    bool percent_ = false;
    SingleFrame value_{};
    SingleFrameFlags visible_{};
    SingleFrameFlags color_{};
};

}  // namespace kujimate
