#include "analysis/clsTSingleFrame.h"

#include <algorithm>
#include <vector>

#include "singles/FailureText.h"
#include "support/Report.h"

namespace kujimate {

void clsTSingleFrame::GetSingleFrame(int32_t lngSCount, std::span<const int32_t> lngSingle,
                                     SingleFrame& lngSingleFrame) const {
    SingleFrame f{};
    const size_t n = static_cast<size_t>(std::max<int32_t>(lngSCount, 0));
    if (n > lngSingle.size()) {
        ClassFailure("clsTSingleFrame", "GetSingleFrame", ErrSubscript.Description, ErrSubscript.Number);
        return;
    }
    for (size_t i = 0; i < n; ++i) {
        if (!IsSingleNumber(lngSingle[i])) {
            ClassFailure("clsTSingleFrame", "GetSingleFrame", ErrOverflow.Description, ErrOverflow.Number);
            return;
        }
    }
    // A long list is counted per distinct single first: the same sums in a fraction of the steps.
    if (n >= 65536) {
        std::vector<int32_t> seen(SingleSpace, 0);
        for (size_t i = 0; i < n; ++i) ++seen[static_cast<size_t>(lngSingle[i])];
        uint8_t d[SingleGames];
        for (int32_t s = 0; s < SingleSpace; ++s) {
            const int32_t c = seen[static_cast<size_t>(s)];
            if (c == 0) continue;
            UnpackSingle(s, d);
            for (int g = 0; g < SingleGames; ++g) f[d[g]][g] += c;
        }
    } else {
        uint8_t d[SingleGames];
        for (size_t i = 0; i < n; ++i) {
            UnpackSingle(lngSingle[i], d);
            for (int g = 0; g < SingleGames; ++g) ++f[d[g]][g];
        }
    }
    lngSingleFrame = f;
}

std::array<int32_t, 3> GetMarkCount(const uint8_t* digits) {
    std::array<int32_t, 3> m{};
    for (int g = 0; g < SingleGames; ++g) ++m[digits[g] % 3];
    return m;
}

std::string GetMarkText(const std::array<int32_t, 3>& marks) {
    return std::to_string(marks[1]) + "-" + std::to_string(marks[0]) + "-" + std::to_string(marks[2]);
}

}  // namespace kujimate
