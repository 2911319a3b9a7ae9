#include "check/ResultStates.h"

namespace kujimate {

JudgeTable GetJudgeTable(const ResultStates& states) {
    JudgeTable j{};
    for (int g = 0; g < SingleGames; ++g) {
        const auto& m = states[g];
        const bool open = m[0] == 0 && m[1] == 0 && m[2] == 0;
        for (int k = 0; k < 3; ++k) j[g][k] = static_cast<uint8_t>(open ? StateOpen : m[k]);
    }
    return j;
}

int GetDecidedCount(const ResultStates& states) {
    int d = 0;
    for (const auto& m : states) {
        bool decided = false;
        for (int32_t v : m) decided = decided || v == StateOfficial || v == StateVoid;
        d += decided;
    }
    return d;
}

}  // namespace kujimate
