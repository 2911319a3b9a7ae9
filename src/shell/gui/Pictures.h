#pragma once
// The program's own pictures, drawn rather than shipped as files.
#include <QIcon>
#include <QPixmap>

namespace kujimate {

QIcon AppIcon();
// The logo of the splash window and the version box.
QPixmap LogoPicture(int width, int height);

}  // namespace kujimate
