#pragma once
// The program's own pictures, drawn rather than shipped as files.
#include <QIcon>
#include <QPixmap>

namespace kujimate {

QIcon AppIcon();
// The logo of the splash window and the version box.
QPixmap LogoPicture(int width, int height);

}  // namespace kujimate

namespace kujimate {
// The tab bar's images: 0 home, 1 single, 2 check; highlighted when the tab is shown.
QPixmap TabImage(int index, bool highlighted);
// Background of the tab bar, one pixel high, stretched by the bar.
QPixmap TabBarBackground(int width);
}  // namespace kujimate
