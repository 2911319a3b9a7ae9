#pragma once
// Popularity of each outcome per match, ranked by the toto votes of the vote record.
#include <array>
#include <cstdint>
#include <string>

#include "drawdata/DrawRecords.h"
#include "singles/clsTNumber.h"

namespace kujimate {

struct NinkiTable {
    bool Available = false;
    // Rank[g][c]: 0 = 1番人気, 1 = 2番人気, 2 = 3番人気. All 0 while unavailable.
    std::array<std::array<uint8_t, 3>, SingleGames> Rank{};

    // Unavailable when the record's DrawNo is 0 (no vote status held).
    static NinkiTable FromVote(const VoteRecord& vote);

    // Matches carrying the 1st, 2nd and 3rd most popular outcome.
    std::array<int32_t, 3> Count(const uint8_t* digits) const;
    // "1st-2nd-3rd", or empty when unavailable.
    std::string Text(const uint8_t* digits) const;
};

}  // namespace kujimate
