#pragma once
// The colours the views give their table cells.
#include <QApplication>
#include <QColor>
#include <QPalette>

#include "analysis/CellBack.h"

namespace kujimate {

inline const QColor LightYellow(255, 255, 224);
inline const QColor PureBlue(0, 0, 255);
// The light grey of the panels beside the cards and the result grid.
inline const QColor PanelColor(245, 245, 245);

inline QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

inline QColor CellColor(CellBack back) {
    switch (back) {
        case CellBack::ButtonFace: return ButtonFace();
        case CellBack::LightYellow: return LightYellow;
        default: return Qt::white;
    }
}

}  // namespace kujimate
