#pragma once
// What the list view below the cards shows for one single: the three estimates, the mark
// composition and the popularity composition. The window only draws these texts.
#include <array>
#include <cstdint>
#include <string>

#include "analysis/NinkiTable.h"
#include "analysis/clsTMoney.h"
#include "drawdata/DrawRecords.h"

namespace kujimate {

class clsTSingleList {
public:
    static constexpr int Rows = 5;
    // Row captions 1..5.
    static const std::array<std::string, Rows>& Captions();
    // Row 4 (the mark composition) and row 5 are centred, rows 1..3 right-aligned.
    static bool RowCentred(int row) { return row >= 4; }
    // Rows 2 and 4 are shaded light yellow.
    static bool RowShaded(int row) { return row == 2 || row == 4; }

    void SetVote(const VoteRecord& vote);

    // Texts of rows 1..5 for single lngValue; all empty when lngValue < 0.
    std::array<std::string, Rows> SetData_Sub(int32_t lngValue) const;

    const clsTMoney& Money() const { return money_; }
    const NinkiTable& Ninki() const { return ninki_; }

    // Money text of an estimate in whole yen: "5000円", "1.23万", "123万", "1.2億", "****億".
    static std::string GetMoneyText(int64_t yen);

private:
    clsTMoney money_;
    NinkiTable ninki_;
};

}  // namespace kujimate
