#pragma once
// Sizes given in pixels at 96 dpi, scaled to this display.
namespace kujimate {

// The nearest whole pixel, halves to even: widths and horizontal positions.
int Sx(int v);
// The same for heights and vertical positions.
int Sy(int v);
// The whole pixels below, for the layouts that truncate (the cards).
int SxFloor(int v);
int SyFloor(int v);

}  // namespace kujimate
