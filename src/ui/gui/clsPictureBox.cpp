#include "ui/gui/clsPictureBox.h"

#include <QPainter>

namespace kujimate {

clsPictureBox::clsPictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QPixmap& clsPictureBox::Canvas() {
    if (canvas_.size() != size()) {
        QPixmap grown(size().expandedTo(QSize(1, 1)));
        grown.fill(Qt::white);
        if (!canvas_.isNull()) {
            QPainter p(&grown);
            p.drawPixmap(0, 0, canvas_);
        }
        canvas_ = grown;
    }
    return canvas_;
}

void clsPictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, Canvas());
}

void clsPictureBox::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Canvas();
}

}  // namespace kujimate
