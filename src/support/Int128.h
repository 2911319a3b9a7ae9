#pragma once
// Wide enough to parse any decimal into a 64-bit value with room for the overflow test.
namespace kujimate {
__extension__ typedef unsigned __int128 UInt128;
}
