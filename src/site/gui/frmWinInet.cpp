#include "site/gui/frmWinInet.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace kujimate {

namespace {
constexpr int GlobeSize = 48;
}

frmWinInet::frmWinInet() : QDialog(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("frmWinInet"));
    setWindowTitle(QStringLiteral("インターネット接続"));
    setModal(false);
    setFixedSize(420, 180);
    QFont f;
    f.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")});
    f.setPixelSize(12);
    setFont(f);
    lstMsg_ = new QListWidget(this);
    lstMsg_->setObjectName(QStringLiteral("lstMsg"));
    lstMsg_->setGeometry(12 + GlobeSize + 12, 12, width() - GlobeSize - 36, height() - 24);
    lstMsg_->setFocusPolicy(Qt::NoFocus);
}

void frmWinInet::Show(OwnerWindow owner) {
    auto* w = static_cast<QWidget*>(owner);
    lstMsg_->clear();
    setWindowFlag(Qt::WindowStaysOnTopHint, w && (w->windowFlags() & Qt::WindowStaysOnTopHint));
    if (w) move(w->geometry().center() - rect().center());
    show();
    Redraw();
}

void frmWinInet::AddLine(const std::string& line) {
    lstMsg_->addItem(QString::fromStdString(line));
    lstMsg_->setCurrentRow(lstMsg_->count() - 1);
    ++frame_;
    Redraw();
}

void frmWinInet::AppendToLastLine(const std::string& text) {
    if (lstMsg_->count() == 0) lstMsg_->addItem(QString());
    QListWidgetItem* last = lstMsg_->item(lstMsg_->count() - 1);
    last->setText(last->text() + QString::fromStdString(text));
    lstMsg_->setCurrentRow(lstMsg_->count() - 1);
    Redraw();
}

void frmWinInet::Unload(OwnerWindow owner) {
    hide();
    if (auto* w = static_cast<QWidget*>(owner)) w->repaint();
}

void frmWinInet::Redraw() {
    if (!isVisible()) return;
    repaint();
    lstMsg_->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmWinInet::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF globe(12, 16, GlobeSize, GlobeSize);
    QRadialGradient g(globe.center() - QPointF(8, 8), GlobeSize * 0.8);
    g.setColorAt(0, QColor(150, 200, 255));
    g.setColorAt(1, QColor(20, 80, 180));
    p.setBrush(g);
    p.setPen(QPen(QColor(10, 50, 120), 1));
    p.drawEllipse(globe);
    // Meridians turning one step per log line.
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k) {
        double phase = std::fmod(frame_ * 0.35 + k * M_PI / 3, M_PI);
        double rx = std::fabs(std::cos(phase)) * GlobeSize / 2;
        p.drawEllipse(globe.center(), rx, GlobeSize / 2.0);
    }
    p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
}

}  // namespace kujimate
