#pragma once
// Composition of a list of singles: per match and outcome, how many singles carry it.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "singles/clsTNumber.h"

namespace kujimate {

// Indexed [outcome code 0..2][match index 0..10].
using SingleFrame = std::array<std::array<int32_t, SingleGames>, 3>;
using SingleFrameFlags = std::array<std::array<bool, SingleGames>, 3>;

class clsTSingleFrame {
public:
    // Fills lngSingleFrame with the composition of the first lngSCount singles.
    void GetSingleFrame(int32_t lngSCount, std::span<const int32_t> lngSingle, SingleFrame& lngSingleFrame) const;
};

// Matches whose outcome is 0, 1 and 2, indexed by outcome code; they add up to 11.
std::array<int32_t, 3> GetMarkCount(const uint8_t* digits);
// "count of 1-count of 0-count of 2", the order the views show.
std::string GetMarkText(const std::array<int32_t, 3>& marks);

}  // namespace kujimate
