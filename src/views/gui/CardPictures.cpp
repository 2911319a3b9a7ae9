#include "views/gui/CardPictures.h"

#include <QFont>
#include <QPainter>

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
    // A round button with a white triangle: blue when it can be used, grey when not.
    const int size = 20;
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(enabled ? QColor(40, 100, 200) : QColor(200, 200, 200));
    p.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    p.setBrush(Qt::white);
    const double c = size / 2.0, r = size * 0.28;
    QPolygonF tri;
    if (direction == 1) tri << QPointF(c - r * 0.6, c - r) << QPointF(c + r, c) << QPointF(c - r * 0.6, c + r);
    else tri << QPointF(c + r * 0.6, c - r) << QPointF(c - r, c) << QPointF(c + r * 0.6, c + r);
    p.drawPolygon(tri);
    return pm;
}

}  // namespace kujimate
