#include "views/gui/CardPictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace kujimate {

namespace {
const QColor CardPink(245, 80, 165);
}

QPixmap MarkPicture(int code, bool marked) {
    QPixmap pm(MarkWidth, MarkHeight);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(1.5, 1.5, MarkWidth - 3.0, MarkHeight - 3.0);
    if (marked) {
        // Filled in as a pencil would fill the box on a ticket.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 20));
        p.drawRoundedRect(box.adjusted(-0.5, -0.5, 0.5, 0.5), 3, 3);
    } else {
        p.setPen(QPen(CardPink, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box, 3, 3);
        QFont f;
        f.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("MS Gothic")});
        f.setPixelSize(11);
        p.setFont(f);
        p.drawText(box, Qt::AlignCenter, QString::number(code));
    }
    return pm;
}

QPixmap PageArrowPicture(int direction, bool enabled) {
    QPixmap pm(24, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(enabled ? QColor(0, 122, 61) : QColor(190, 190, 190));
    QPainterPath path;
    if (direction == 0) {
        path.moveTo(3, 10);
        path.lineTo(20, 2);
        path.lineTo(20, 18);
    } else {
        path.moveTo(21, 10);
        path.lineTo(4, 2);
        path.lineTo(4, 18);
    }
    path.closeSubpath();
    p.drawPath(path);
    return pm;
}

}  // namespace kujimate
