#include "analysis/NinkiTable.h"

#include "analysis/clsQuickSort.h"

namespace kujimate {

NinkiTable NinkiTable::FromVote(const VoteRecord& vote) {
    NinkiTable t;
    if (vote.DrawNo == 0) return t;
    t.Available = true;
    clsQuickSort qs;
    for (int g = 0; g < SingleGames; ++g) {
        // The tie order of the three outcomes is the one the index quicksort leaves.
        std::array<Currency, 3> keys{};
        for (int c = 0; c < 3; ++c) keys[c] = vote.Games[g + 1].Counts[c].Votes;
        std::array<int32_t, 3> index{};
        qs.CurrencyIndexSort(keys, index, true);
        for (int k = 0; k < 3; ++k) t.Rank[g][index[k]] = static_cast<uint8_t>(2 - k);
    }
    return t;
}

std::array<int32_t, 3> NinkiTable::Count(const uint8_t* digits) const {
    std::array<int32_t, 3> n{};
    for (int g = 0; g < SingleGames; ++g) ++n[Rank[g][digits[g] % 3]];
    return n;
}

std::string NinkiTable::Text(const uint8_t* digits) const {
    if (!Available) return {};
    auto n = Count(digits);
    return std::to_string(n[0]) + "-" + std::to_string(n[1]) + "-" + std::to_string(n[2]);
}

}  // namespace kujimate
