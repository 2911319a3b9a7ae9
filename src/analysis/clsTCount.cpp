#include "analysis/clsTCount.h"

#include "support/NumberText.h"
#include "support/Text.h"

namespace kujimate {

void clsTCount::MouseClick(int column, int row) {
    if (row < 2) return;
    percent_ = !percent_;
    if (Click) Click(column, row);
}

std::string clsTCount::Text(int column, int row) const {
    if (column < 1 || column > 3) return {};
    if (row == 1) return column == 1 ? "1" : column == 2 ? "0" : "2";
    if (row < 2 || row > SingleGames + 1) return {};
    const int g = row - 2;
    const int code = CodeOfColumn(column);
    const int64_t v = value_[code][g];
    if (v == 0 && !visible_[code][g]) return {};
    std::string t;
    if (percent_) {
        const int64_t total = static_cast<int64_t>(value_[0][g]) + value_[1][g] + value_[2][g];
        t = total != 0 ? FormatNumber(static_cast<double>(v) / static_cast<double>(total) * 100.0, "0") + "%" : "0%";
        t += " ";
    } else {
        t = std::to_string(v);
    }
    if (CharLength(t) < 7) t.insert(0, 7 - CharLength(t), ' ');
    return Right(t, 7);
}

bool clsTCount::Blue(int column, int row) const {
    if (column < 1 || column > 3 || row < 2 || row > SingleGames + 1) return false;
    return color_[CodeOfColumn(column)][row - 2];
}

CellBack clsTCount::Back(int row) {
    if (row == 1) return CellBack::ButtonFace;
    return (row - 2) % 2 == 1 ? CellBack::LightYellow : CellBack::White;
}

}  // namespace kujimate
