#pragma once
// A widget's own background in one colour.
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace kujimate {

inline void Paint(QWidget* w, const QColor& c) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
}

}  // namespace kujimate
