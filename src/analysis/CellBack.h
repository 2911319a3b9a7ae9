#pragma once
// Backgrounds of table cells: the views turn them into colours.
#include <cstdint>

namespace kujimate {

enum class CellBack : uint8_t { White, ButtonFace, LightYellow };

}  // namespace kujimate
