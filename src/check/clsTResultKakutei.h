#pragma once
// The confirmed payout table: official prize, winners and carry-over for grades 1..4 next
// to the user's winning singles and winnings, with a total row.
#include <array>
#include <cstdint>
#include <string>

#include "check/ResultStates.h"
#include "check/clsTResultGrade.h"
#include "drawdata/DrawRecords.h"
#include "support/Currency.h"

namespace kujimate {

class clsTResultKakutei {
public:
    static constexpr int Cols = 6;
    static constexpr int Rows = 6;

    void Clear();
    void SetValue(const GradeCounts& lngValue);
    void SetResultRecord(const ResultRecord& record);

    // Values of columns 2..6, rows 2..6 (row 6 the totals).
    Currency Value(int col, int row) const;
    // "1,234,567 " or "0 "; every value cell empty when all of them would read "0 ".
    std::string Text(int col, int row) const;
    // The user's columns; rows of grades beyond the paying ones would be black.
    bool Blue(int col, int row) const;
    static CellBack Back(int row);
    static bool RightAligned(int col, int row) { return col >= 2 && row >= 2; }

    static std::string MoneyText(Currency v);

private:
    void Recalculate();

    ResultRecord record_;
    GradeCounts counts_{};
    std::array<std::array<Currency, Rows + 1>, Cols + 1> values_{};  // [col][row]
    bool allZero_ = true;
};

}  // namespace kujimate
