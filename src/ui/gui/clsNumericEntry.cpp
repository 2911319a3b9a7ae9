#include "ui/gui/clsNumericEntry.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include "support/NumberText.h"

namespace kujimate {

clsNumericEntry::clsNumericEntry(QLineEdit* box, QWidget* spinParent, int min, int max)
    : QObject(box), box_(box), min_(min), max_(max) {
    box_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box_));
    box_->installEventFilter(this);
    connect(box_, &QLineEdit::textChanged, this, &clsNumericEntry::Normalize);

    spin_ = new QWidget(spinParent);
    spin_->setObjectName(QStringLiteral("spinScheduleNo"));
    auto* lay = new QVBoxLayout(spin_);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    auto* up = new QToolButton(spin_);
    auto* down = new QToolButton(spin_);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up, down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        lay->addWidget(b);
    }
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
    const QRect g = box_->geometry();
    spin_->setGeometry(g.right() + 1, g.top(), 17, g.height());
}

void clsNumericEntry::Normalize() {
    if (normalizing_) return;
    const std::string text = box_->text().toStdString();
    const std::string norm = NormalizeDigitEntry(text, min_, max_);
    if (norm == text) return;
    normalizing_ = true;
    box_->setText(QString::fromStdString(norm));
    box_->setCursorPosition(box_->text().size());
    normalizing_ = false;
}

void clsNumericEntry::Step(int delta) {
    long v = box_->text().isEmpty() ? 0 : box_->text().toLong();
    v = std::clamp<long>(v + delta, min_, max_);
    box_->setText(QString::number(v));
    box_->setCursorPosition(box_->text().size());
}

bool clsNumericEntry::eventFilter(QObject* watched, QEvent* e) {
    if (watched == box_ && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
            case Qt::Key_Up: Step(1); return true;
            case Qt::Key_Down: Step(-1); return true;
            case Qt::Key_PageUp: Step(max_); return true;
            case Qt::Key_PageDown: Step(-max_); return true;
            default: break;
        }
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace kujimate
