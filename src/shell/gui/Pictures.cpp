#include "shell/gui/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kujimate {
namespace {

void DrawBall(QPainter& p, QRectF r) {
    p.setPen(QPen(QColor(30, 30, 30), r.width() / 24.0));
    p.setBrush(Qt::white);
    p.drawEllipse(r);
    // A pentagon in the middle gives the ball its look at any size.
    QPointF c = r.center();
    double rad = r.width() * 0.2;
    QPolygonF penta;
    for (int i = 0; i < 5; ++i) {
        double a = -M_PI / 2 + i * 2 * M_PI / 5;
        penta << QPointF(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
    }
    p.setBrush(QColor(30, 30, 30));
    p.drawPolygon(penta);
    for (const QPointF& v : penta) {
        QPointF out = c + (v - c) * 2.3;
        p.drawLine(v, out);
    }
}

QPixmap IconPixmap(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(0.5, 0.5, size - 1.0, size - 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 122, 61));
    p.drawRoundedRect(r, size / 6.0, size / 6.0);
    p.setClipRect(r.adjusted(size * 0.08, size * 0.08, -size * 0.08, -size * 0.08));
    DrawBall(p, r.adjusted(size * 0.16, size * 0.16, -size * 0.16, -size * 0.16));
    return pm;
}

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int s : {16, 24, 32, 48, 64, 128}) icon.addPixmap(IconPixmap(s));
    return icon;
}

QPixmap LogoPicture(int width, int height) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, QColor(0, 150, 75));
    g.setColorAt(1, QColor(0, 95, 48));
    p.fillRect(pm.rect(), g);
    // Pitch lines.
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(width / 2, 0, width / 2, height);
    p.drawEllipse(QPointF(width / 2.0, height / 2.0), height * 0.28, height * 0.28);
    p.drawRect(QRectF(-2, height * 0.22, width * 0.14, height * 0.56));
    p.drawRect(QRectF(width * 0.86, height * 0.22, width * 0.14 + 2, height * 0.56));
    DrawBall(p, QRectF(width * 0.08, height * 0.3, height * 0.4, height * 0.4));
    p.setPen(Qt::white);
    QFont title(QStringLiteral("Sans Serif"));
    title.setPixelSize(height / 4);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(width * 0.08 + height * 0.5, height * 0.22, width, height * 0.32),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KUJIMATE"));
    QFont sub = title;
    sub.setPixelSize(height / 11);
    sub.setBold(false);
    p.setFont(sub);
    p.drawText(QRectF(width * 0.08 + height * 0.5, height * 0.55, width, height * 0.2),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("BIG1000 シングル管理・結果チェック"));
    return pm;
}

}  // namespace kujimate
