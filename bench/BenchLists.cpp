#include "BenchLists.h"

#include <algorithm>
#include <random>

#include "singles/clsTNumber.h"

namespace kujimate::bench {

std::vector<int32_t> RandomSingles(int32_t n) {
    std::mt19937 rng(4711);
    std::uniform_int_distribution<int32_t> pick(0, SingleMax);
    std::vector<int32_t> v(static_cast<size_t>(n));
    for (auto& s : v) s = pick(rng);
    return v;
}

std::vector<int32_t> AllSingles() {
    std::vector<int32_t> v(SingleSpace);
    for (int32_t k = 0; k < SingleSpace; ++k) v[static_cast<size_t>(k)] = k;
    std::shuffle(v.begin(), v.end(), std::mt19937(815));
    return v;
}

VoteRecord TypicalVote() {
    VoteRecord v;
    v.DrawNo = 812;
    std::mt19937 rng(99);
    for (int g = 1; g <= 11; ++g)
        for (int c = 0; c < 3; ++c) v.Games[g].Counts[c].Votes = Currency::FromInt(50000 + rng() % 900000);
    return v;
}

ResultRecord TypicalResult() {
    ResultRecord r;
    r.DrawNo = 812;
    for (int g = 1; g <= 11; ++g) r.Games[g].Outcome = static_cast<uint8_t>(g % 3);
    r.Prize[1] = Currency::FromInt(100000000);
    r.Winners[1] = Currency::FromInt(2);
    return r;
}

}  // namespace kujimate::bench
