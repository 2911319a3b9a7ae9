#include "check/clsTResultGrade.h"

#include "refdata/clsTGameType.h"
#include "support/NumberText.h"

namespace kujimate {

void clsTResultGrade::Clear(int32_t lngKaisaikai) { SetValue(GradeCounts{}, lngKaisaikai); }

void clsTResultGrade::SetValue(const GradeCounts& lngValue, int32_t lngKaisaikai) {
    counts_ = lngValue;
    kaisaikai_ = lngKaisaikai;
}

std::string clsTResultGrade::RatioText(int k) const {
    int64_t total = 0;
    for (int32_t c : counts_) total += c;
    if (total == 0) return "0%";
    const double ratio = static_cast<double>(counts_[k]) / static_cast<double>(total) * 100.0;
    return FormatNumber(ratio, "##0") + "%";
}

std::string clsTResultGrade::Text(int col, int row) const {
    if (row == 1) return col == 2 ? "口数" : col == 3 ? "比率" : "";
    if (row < 2 || row > Rows) return {};
    const int k = row - 2;
    switch (col) {
        case 1: return std::to_string(k + 1) + "等";
        case 2: return FormatNumber(static_cast<int64_t>(counts_[k]), "#,##0");
        case 3: return RatioText(k);
        default: return {};
    }
}

bool clsTResultGrade::Blue(int row) const {
    const long m = clsToto().GetMaxGrade(kaisaikai_);
    return row >= 2 && row <= m + 1 && row <= 5;
}

CellBack clsTResultGrade::Back(int row) {
    if (row == 1) return CellBack::ButtonFace;
    return row % 2 == 1 ? CellBack::LightYellow : CellBack::White;
}

}  // namespace kujimate
