#include "ui/gui/DisplayScale.h"

#include <cmath>

#include "support/NumberText.h"
#include "support/basStandard.h"

namespace kujimate {

int Sx(int v) { return static_cast<int>(RoundHalfEven(DpiPixelX(v))); }
int Sy(int v) { return static_cast<int>(RoundHalfEven(DpiPixelY(v))); }
int SxFloor(int v) { return static_cast<int>(std::floor(DpiPixelX(v))); }
int SyFloor(int v) { return static_cast<int>(std::floor(DpiPixelY(v))); }

}  // namespace kujimate
