#pragma once
// Lists the benchmarks share.
#include <cstdint>
#include <vector>

#include "drawdata/DrawRecords.h"

namespace kujimate::bench {

inline constexpr int32_t Million = 1000000;

// n singles drawn evenly from all 177,147, the same every run.
std::vector<int32_t> RandomSingles(int32_t n);
// Every single once, shuffled.
std::vector<int32_t> AllSingles();
// A vote status like a real draw's: every outcome voted, the favourites clear.
VoteRecord TypicalVote();
// A result with all eleven matches decided.
ResultRecord TypicalResult();

}  // namespace kujimate::bench
