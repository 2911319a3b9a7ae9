#include "ui/gui/frmWaitDialog.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace kujimate {

frmWaitDialog::frmWaitDialog(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setWindowTitle(QStringLiteral(" 処理中 . . ."));
    setModal(false);
    setFixedSize(320, 110);
    lblFixed_ = new QLabel(QStringLiteral("しばらくお待ち下さい"), this);
    lblFixed_->setGeometry(16, 12, 288, 20);
    lblMessage_ = new QLabel(this);
    lblMessage_->setGeometry(16, 38, 288, 20);
}

void frmWaitDialog::SetMessage(const QString& text) {
    lblMessage_->setText(text);
    repaint();
}

void frmWaitDialog::SetMax(int64_t max) {
    max_ = max;
    update();
}

void frmWaitDialog::SetValue(int64_t value) {
    value_ = value;
    update();
}

QString frmWaitDialog::MessageText() const { return lblMessage_->text(); }

void frmWaitDialog::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    QPainter p(this);
    QRect bar(16, 70, 288, 18);
    p.fillRect(bar, Qt::white);
    if (max_ > 0) {
        double share = static_cast<double>(std::min(value_, max_)) / static_cast<double>(max_);
        int w = static_cast<int>(bar.width() * share);
        p.fillRect(QRect(bar.left(), bar.top(), w, bar.height()), QColor(0, 120, 215));
    }
    p.setPen(QColor(160, 160, 160));
    p.drawRect(bar.adjusted(0, 0, -1, -1));
}

}  // namespace kujimate
