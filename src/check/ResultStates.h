#pragma once
// What is known of the results: per match (0..10) and outcome code (0..2) one cell state.
#include <array>
#include <cstdint>

#include "analysis/CellBack.h"
#include "singles/clsTNumber.h"

namespace kujimate {

enum CellState : int32_t {
    StateEmpty = 0,
    StateOfficial = 1,  // ◎
    StateUser = 2,      // ○
    StateVoid = 3,      // － (called off)
    StateOpen = 4,      // － (judge table only: nothing known of the match)
};

using ResultStates = std::array<std::array<int32_t, 3>, SingleGames>;  // [match][outcome]
using JudgeTable = std::array<std::array<uint8_t, 3>, SingleGames>;    // [match][outcome]

// A match without any marked cell becomes open (4) in all three cells; others are copied.
JudgeTable GetJudgeTable(const ResultStates& states);
// Matches with a cell holding 1 or 3; a "○" does not decide a match.
int GetDecidedCount(const ResultStates& states);

}  // namespace kujimate
