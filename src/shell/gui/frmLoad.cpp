#include "shell/gui/frmLoad.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "shell/gui/Pictures.h"
#include "support/basStandard.h"

namespace kujimate {

namespace {
constexpr int Width = 420;
constexpr int Height = 240;
}  // namespace

frmLoad::frmLoad() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmLoad"));
    setFixedSize(Width, Height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
}

QString frmLoad::NoticeText() const { return QString::fromStdString(GetLegalNotice()); }

void frmLoad::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, LogoPicture(Width, Height - 40));
    p.fillRect(QRect(0, Height - 40, Width, 40), Qt::white);
    p.setPen(QColor(64, 64, 64));
    QFont f = font();
    f.setPixelSize(11);
    p.setFont(f);
    p.drawText(QRect(12, Height - 40, Width - 24, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version ") + QString::fromStdString(GetVersionString()));
    p.drawText(QRect(12, Height - 22, Width - 24, 20), Qt::AlignLeft | Qt::AlignVCenter, NoticeText());
    p.setPen(QColor(0, 95, 48));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace kujimate
