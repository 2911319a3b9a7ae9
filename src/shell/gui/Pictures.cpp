#include "shell/gui/Pictures.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

static void InitIconResources() { Q_INIT_RESOURCE(icons); }

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

}  // namespace

QIcon AppIcon() {
    // Resources of a static library are linked only when asked for by name.
    InitIconResources();
    QIcon icon;
    for (int s : {16, 24, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/icons/kujimate-%1.png").arg(s));
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
    const double textLeft = width * 0.08 + height * 0.5;
    const double room = width - textLeft - width * 0.04;
    // Each line shrinks until it fits beside the ball.
    auto fitted = [&](QFont f, int pixels, const QString& text) {
        for (; pixels > 6; --pixels) {
            f.setPixelSize(pixels);
            if (QFontMetrics(f).horizontalAdvance(text) <= room) break;
        }
        return f;
    };
    const QString name = QStringLiteral("KUJIMATE");
    const QString sub = QStringLiteral("BIG1000 シングル管理・結果チェック");
    QFont title(QStringLiteral("Sans Serif"));
    title.setBold(true);
    p.setFont(fitted(title, height / 4, name));
    p.drawText(QRectF(textLeft, height * 0.22, room, height * 0.32), Qt::AlignLeft | Qt::AlignVCenter, name);
    QFont small(QStringLiteral("Sans Serif"));
    p.setFont(fitted(small, height / 11, sub));
    p.drawText(QRectF(textLeft, height * 0.55, room, height * 0.2), Qt::AlignLeft | Qt::AlignVCenter, sub);
    return pm;
}

}  // namespace kujimate

namespace kujimate {

QPixmap TabImage(int index, bool highlighted) {
    const int w = 66, h = 62;
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(1.5, 1.5, w - 3.0, h - 3.0);
    QLinearGradient g(0, 0, 0, h);
    if (highlighted) {
        g.setColorAt(0, QColor(255, 214, 120));
        g.setColorAt(1, QColor(240, 160, 40));
        p.setPen(QPen(QColor(200, 120, 20), 1));
    } else {
        g.setColorAt(0, QColor(120, 190, 140));
        g.setColorAt(1, QColor(0, 122, 61));
        p.setPen(QPen(QColor(0, 90, 45), 1));
    }
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    // The picture of each tab: a house, a card of marks, a tick.
    const QColor ink = highlighted ? QColor(90, 50, 0) : Qt::white;
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c(w / 2.0, 22);
    if (index == 0) {
        QPolygonF roof;
        roof << QPointF(c.x() - 13, c.y() - 1) << QPointF(c.x(), c.y() - 12) << QPointF(c.x() + 13, c.y() - 1);
        p.drawPolyline(roof);
        p.drawRect(QRectF(c.x() - 9, c.y() - 2, 18, 13));
        p.drawRect(QRectF(c.x() - 3, c.y() + 4, 6, 7));
    } else if (index == 1) {
        p.drawRoundedRect(QRectF(c.x() - 10, c.y() - 12, 20, 24), 2, 2);
        p.setBrush(ink);
        for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(c.x() - 5 + 5 * i, c.y() - 5 + 5 * ((i + 1) % 3)), 1.6, 1.6);
    } else {
        p.drawEllipse(c, 12, 12);
        QPolygonF tick;
        tick << QPointF(c.x() - 6, c.y()) << QPointF(c.x() - 1, c.y() + 5) << QPointF(c.x() + 7, c.y() - 5);
        p.drawPolyline(tick);
    }
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(ink);
    static const char* const captions[] = {"ホーム", "シングル", "チェック"};
    p.drawText(QRectF(0, 40, w, 18), Qt::AlignCenter, QString::fromUtf8(captions[index]));
    return pm;
}

QPixmap TabBarBackground(int width) {
    QPixmap pm(std::max(width, 1), 1);
    QPainter p(&pm);
    QLinearGradient g(0, 0, width, 0);
    g.setColorAt(0, QColor(232, 244, 236));
    g.setColorAt(1, QColor(255, 255, 255));
    p.fillRect(pm.rect(), g);
    return pm;
}

}  // namespace kujimate
