#include "analysis/clsTSingleSort.h"

#include "analysis/clsQuickSort.h"
#include "analysis/clsTSingleFrame.h"
#include "singles/FailureText.h"
#include "support/Report.h"

namespace kujimate {
namespace {

bool CheckSingles(const std::vector<int32_t>& list, const char* operation) {
    for (int32_t s : list) {
        if (!IsSingleNumber(s)) {
            ClassFailure("clsTSingleSort", operation, ErrOverflow.Description, ErrOverflow.Number);
            return false;
        }
    }
    return true;
}

template <typename KeyFn>
std::vector<int32_t> LongKeys(const std::vector<int32_t>& list, KeyFn key) {
    std::vector<int32_t> keys(list.size());
    uint8_t d[SingleGames];
    for (size_t k = 0; k < list.size(); ++k) {
        UnpackSingle(list[k], d);
        keys[k] = key(d);
    }
    return keys;
}

void SortByLongKeys(std::vector<int32_t>& list, std::vector<int32_t>& keys, bool ascending) {
    std::vector<int32_t> index(list.size());
    for (size_t k = 0; k < index.size(); ++k) index[k] = static_cast<int32_t>(k);
    clsQuickSort().LongIndexSort(keys, index, ascending);
    ApplyOrder(list, index);
}

}  // namespace

void ApplyOrder(std::vector<int32_t>& lngSingle, const std::vector<int32_t>& index) {
    std::vector<int32_t> out(index.size());
    for (size_t k = 0; k < index.size(); ++k) out[k] = lngSingle[static_cast<size_t>(index[k])];
    lngSingle = std::move(out);
}

void clsTSingleSort::SetVote(const VoteRecord& vote) {
    money_.SetVote(vote);
    ninki_ = NinkiTable::FromVote(vote);
}

std::vector<int64_t> clsTSingleSort::MoneyKeys(const std::vector<int32_t>& list, int grade) const {
    std::vector<int64_t> keys(list.size());
    uint8_t d[SingleGames];
    if (list.size() < 4096) {
        for (size_t k = 0; k < list.size(); ++k) {
            UnpackSingle(list[k], d);
            keys[k] = money_.Money(grade, d);
        }
        return keys;
    }
    std::vector<int64_t> memo(SingleSpace, -1);
    for (size_t k = 0; k < list.size(); ++k) {
        int64_t& m = memo[static_cast<size_t>(list[k])];
        if (m < 0) {
            UnpackSingle(list[k], d);
            m = money_.Money(grade, d);
        }
        keys[k] = m;
    }
    return keys;
}

void clsTSingleSort::MoneySort(std::vector<int32_t>& lngSingle, int SortType, bool Sorted) const {
    if (lngSingle.empty() || SortType < 0 || SortType > 2) return;
    BusyPointer busy;
    if (!CheckSingles(lngSingle, "MoneySort")) return;
    std::vector<int64_t> keys = MoneyKeys(lngSingle, SortType + 1);
    std::vector<int32_t> index(lngSingle.size());
    clsQuickSort().CurrencyIndexSort(std::span<int64_t>(keys), index, Sorted);
    ApplyOrder(lngSingle, index);
}

void clsTSingleSort::MarkSort(std::vector<int32_t>& lngSingle, int SortType, bool Sorted) const {
    if (lngSingle.empty() || SortType < 0 || SortType > 2) return;
    BusyPointer busy;
    if (!CheckSingles(lngSingle, "MarkSort")) return;
    // SortType 0, 1, 2 count the marks 1, 0, 2.
    static constexpr int Code[3] = {1, 0, 2};
    auto keys = LongKeys(lngSingle, [&](const uint8_t* d) { return GetMarkCount(d)[Code[SortType]]; });
    SortByLongKeys(lngSingle, keys, Sorted);
}

void clsTSingleSort::NinkiSort(std::vector<int32_t>& lngSingle, int SortType, bool Sorted) const {
    if (lngSingle.empty() || SortType < 0 || SortType > 2) return;
    BusyPointer busy;
    if (!CheckSingles(lngSingle, "NinkiSort")) return;
    auto keys = LongKeys(lngSingle, [&](const uint8_t* d) { return ninki_.Count(d)[SortType]; });
    SortByLongKeys(lngSingle, keys, Sorted);
}

}  // namespace kujimate
