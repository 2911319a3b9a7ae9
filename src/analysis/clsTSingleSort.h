#pragma once
// Reorders a whole list of singles by a per-single key. Created afresh for each sort.
#include <cstdint>
#include <vector>

#include "analysis/NinkiTable.h"
#include "analysis/clsTMoney.h"
#include "drawdata/DrawRecords.h"

namespace kujimate {

class clsTSingleSort {
public:
    void SetVote(const VoteRecord& vote);

    // SortType 0..2; Sorted true for ascending. The list is rewritten in place.
    void MoneySort(std::vector<int32_t>& lngSingle, int SortType, bool Sorted) const;
    void MarkSort(std::vector<int32_t>& lngSingle, int SortType, bool Sorted) const;
    void NinkiSort(std::vector<int32_t>& lngSingle, int SortType, bool Sorted) const;

    // The payout keys in whole yen, one per single; each distinct single is estimated once.
    std::vector<int64_t> MoneyKeys(const std::vector<int32_t>& lngSingle, int grade) const;

private:
    clsTMoney money_;
    NinkiTable ninki_;
};

// New list: entry k = old entry index[k].
void ApplyOrder(std::vector<int32_t>& lngSingle, const std::vector<int32_t>& index);

}  // namespace kujimate
