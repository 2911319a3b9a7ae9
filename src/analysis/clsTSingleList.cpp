#include "analysis/clsTSingleList.h"

#include "analysis/clsTSingleFrame.h"
#include "singles/FailureText.h"
#include "support/NumberText.h"
#include "support/Report.h"

namespace kujimate {

const std::array<std::string, clsTSingleList::Rows>& clsTSingleList::Captions() {
    static const std::array<std::string, Rows> c{"１等推定金額", "２等推定金額", "３等推定金額", "1-0-2マーク",
                                                 "1-2-3番人気"};
    return c;
}

void clsTSingleList::SetVote(const VoteRecord& vote) {
    money_.SetVote(vote);
    ninki_ = NinkiTable::FromVote(vote);
}

std::array<std::string, clsTSingleList::Rows> clsTSingleList::SetData_Sub(int32_t lngValue) const {
    std::array<std::string, Rows> rows;
    if (lngValue < 0) return rows;
    if (!IsSingleNumber(lngValue)) {
        ClassFailure("clsTSingleList", "SetData_Sub", ErrOverflow.Description, ErrOverflow.Number);
        return rows;
    }
    uint8_t d[SingleGames];
    UnpackSingle(lngValue, d);
    auto m = money_.Money123(d);
    for (int k = 0; k < 3; ++k) rows[k] = GetMoneyText(m[k]);
    rows[3] = GetMarkText(GetMarkCount(d));
    rows[4] = ninki_.Text(d);
    return rows;
}

std::string clsTSingleList::GetMoneyText(int64_t v) {
    if (v <= 0) return {};
    if (v < 10000) return std::to_string(v) + "円";
    if (v < 100000) return FormatNumber(Currency::FromRaw(v), "0.00") + "万";  // v / 10,000 exactly
    if (v < 100000000) return std::to_string(v / 10000) + "万";
    if (v < 1000000000) {
        // Two decimals of 億, truncated; in whole numbers so that no binary fraction
        // (1.14 × 100 = 113.999…) costs a digit.
        const int64_t hundredths = v / 1000000;
        std::string t = std::to_string(hundredths / 100);
        const int64_t frac = hundredths % 100;
        if (frac != 0) {
            t += "." + std::to_string(frac / 10);
            if (frac % 10 != 0) t += std::to_string(frac % 10);
        }
        return t + "億";
    }
    if (v < clsTMoney::MoneyCap) return std::to_string(v / 100000000) + "億";
    return "****億";
}

}  // namespace kujimate
