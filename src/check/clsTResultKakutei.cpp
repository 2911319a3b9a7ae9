#include "check/clsTResultKakutei.h"

#include "refdata/clsTGameType.h"
#include "singles/FailureText.h"
#include "support/NumberText.h"
#include "support/Report.h"

namespace kujimate {
namespace {
__extension__ typedef __int128 Wide;

// Currency × Currency, as money is multiplied; an overflow is reported and counts as 0.
Currency Times(Currency a, Currency b) {
    const Wide raw = static_cast<Wide>(a.Raw) * b.Raw / Currency::Scale;
    if (raw > INT64_MAX || raw < INT64_MIN) {
        ClassFailure("clsTResultKakutei", "SetValue", ErrOverflow.Description, ErrOverflow.Number);
        return Currency{};
    }
    return Currency::FromRaw(static_cast<int64_t>(raw));
}
}  // namespace

void clsTResultKakutei::Clear() {
    record_ = ResultRecord{};
    counts_ = GradeCounts{};
    Recalculate();
}

void clsTResultKakutei::SetValue(const GradeCounts& lngValue) {
    counts_ = lngValue;
    Recalculate();
}

void clsTResultKakutei::SetResultRecord(const ResultRecord& record) {
    record_ = record;
    Recalculate();
}

void clsTResultKakutei::Recalculate() {
    values_ = {};
    for (int g = 1; g <= GradeCount; ++g) {
        const Currency mine = Currency::FromInt(counts_[g - 1]);
        values_[2][g + 1] = record_.Prize[g];
        values_[3][g + 1] = record_.Winners[g];
        values_[4][g + 1] = record_.CarryOver[g];
        values_[5][g + 1] = mine;
        values_[6][g + 1] = Times(mine, record_.Prize[g]);
        values_[2][6] += Times(record_.Prize[g], record_.Winners[g]);
        for (int col = 3; col <= 6; ++col) values_[col][6] += values_[col][g + 1];
    }
    allZero_ = true;
    for (int col = 2; col <= Cols; ++col)
        for (int row = 2; row <= Rows; ++row) allZero_ = allZero_ && values_[col][row].Raw <= 0;
}

Currency clsTResultKakutei::Value(int col, int row) const {
    if (col < 2 || col > Cols || row < 2 || row > Rows) return Currency{};
    return values_[col][row];
}

std::string clsTResultKakutei::MoneyText(Currency v) {
    return v.Raw > 0 ? FormatNumber(v, "#,##0") + " " : "0 ";
}

std::string clsTResultKakutei::Text(int col, int row) const {
    static const char* const Header[] = {"", "", "当せん金", "当せん口数", "繰越金", "当せん口数", "当せん金額"};
    if (col < 1 || col > Cols || row < 1 || row > Rows) return {};
    if (row == 1) return Header[col];
    if (col == 1) return row == Rows ? "合計" : std::to_string(row - 1) + "等";
    if (allZero_) return {};
    return MoneyText(values_[col][row]);
}

bool clsTResultKakutei::Blue(int col, int row) const {
    if (col < 5 || col > Cols || row < 1 || row > Rows) return false;
    const long m = clsToto().GetMaxGrade(record_.DrawNo);
    return !(row >= 2 && row <= GradeCount + 1 && row - 1 > m);
}

CellBack clsTResultKakutei::Back(int row) {
    if (row == 1) return CellBack::ButtonFace;
    return row == 3 || row == 5 ? CellBack::LightYellow : CellBack::White;
}

}  // namespace kujimate
