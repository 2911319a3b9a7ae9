#include "ui/gui/frmWaitDialog.h"

#include <QApplication>
#include <QLabel>

#include "ui/gui/clsPictureBox.h"
#include "ui/gui/clsGraph.h"

namespace kujimate {

namespace {
constexpr int GraphWidth = 288;
}

frmWaitDialog::frmWaitDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint),
      graph_(std::make_unique<clsGraph>()) {
    setObjectName(QStringLiteral("frmWaitDialog"));
    setWindowTitle(QStringLiteral(" 処理中 . . ."));
    setModal(false);
    setFixedSize(320, 100);
    lblFixed_ = new QLabel(QStringLiteral("しばらくお待ち下さい"), this);
    lblFixed_->setGeometry(16, 10, GraphWidth, 20);
    lblMessage_ = new QLabel(this);
    lblMessage_->setObjectName(QStringLiteral("lblMessage"));
    lblMessage_->setGeometry(16, 36, GraphWidth, 20);
    picGraph_ = new clsPictureBox(this);
    picGraph_->setGeometry(16, 68, GraphWidth, 8);
    graph_->Initialize(picGraph_);
    graph_->SetPercentGraph(0, 0, GraphWidth, 8, 1, 0);
}

frmWaitDialog::~frmWaitDialog() = default;

// Drawn at once, as the loops let events run only now and then; and only when what the
// dialog shows changes.
void frmWaitDialog::SetMessage(const QString& text) {
    if (text == lblMessage_->text()) return;
    lblMessage_->setText(text);
    lblMessage_->repaint();
}

void frmWaitDialog::SetMax(int64_t max) {
    if (graph_->Max(static_cast<long>(std::min<int64_t>(max, INT32_MAX)))) picGraph_->repaint();
}

void frmWaitDialog::SetValue(int64_t value) {
    if (graph_->Value(static_cast<long>(std::min<int64_t>(value, INT32_MAX)))) picGraph_->repaint();
}

QString frmWaitDialog::MessageText() const { return lblMessage_->text(); }

}  // namespace kujimate
