#include "singles/gui/frmNumbers.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "singles/basSingles.h"

namespace kujimate {

frmNumbers::frmNumbers(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmNumbers"));
    setWindowTitle(QString::fromUtf8(NumbersDialog::Title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(300, 110);
    auto* label = new QLabel(QStringLiteral("シングル（１１桁：0, 1, 2）"), this);
    label->setObjectName(QStringLiteral("lblNumber"));
    label->setGeometry(16, 12, 268, 20);
    txtNumber_ = new QLineEdit(this);
    txtNumber_->setObjectName(QStringLiteral("txtNumber"));
    txtNumber_->setAccessibleName(label->text());
    txtNumber_->setGeometry(16, 36, 268, 24);
    txtNumber_->setMaxLength(NumbersDialog::MaxLength);
    // Digits only: no input method composes other characters into it.
    txtNumber_->setAttribute(Qt::WA_InputMethodEnabled, false);
    txtNumber_->installEventFilter(this);
    cmdOK_ = new QPushButton(QStringLiteral("O K"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(108, 72, 84, 26);
    cmdOK_->setDefault(true);
    cmdOK_->setEnabled(false);
    cmdCancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setGeometry(200, 72, 84, 26);
    connect(txtNumber_, &QLineEdit::textChanged, this,
            [this](const QString& t) { cmdOK_->setEnabled(NumbersDialog::OkEnabled(t.toStdString())); });
    connect(cmdOK_, &QPushButton::clicked, this, &frmNumbers::OkClick);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmNumbers::eventFilter(QObject* watched, QEvent* e) {
    if (watched == txtNumber_ && e->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(e)->text();
        // Keys that type a character must be 0, 1 or 2; Backspace, editing keys and
        // shortcuts such as paste pass (what they bring is checked at OK).
        if (!text.isEmpty() && text[0].isPrint() && !NumbersDialog::KeyAccepted(text[0].unicode())) return true;
    }
    return QDialog::eventFilter(watched, e);
}

void frmNumbers::OkClick() {
    const std::string t = txtNumber_->text().toStdString();
    if (!NumbersDialog::OkEnabled(t)) return;
    if (!NumbersDialog::Accept(t)) return;
    digits_ = t;
    accept();
}

std::string frmNumbers::ShowDialog(QWidget* ownerForm) {
    frmNumbers dialog(ownerForm);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.Digits();
}

}  // namespace kujimate
