#pragma once
// The pictures of the single cards and the page arrows, drawn rather than shipped.
#include <QPixmap>

namespace kujimate {

inline constexpr int MarkWidth = 13;
inline constexpr int MarkHeight = 21;

// The mark of outcome code 0..2 in its normal (an outlined digit) or marked (filled) look.
QPixmap MarkPicture(int code, bool marked);
// Previous (0) or next (1) page arrow of both tabs, enabled or greyed.
QPixmap PageArrowPicture(int direction, bool enabled);

}  // namespace kujimate
