#include "shell/gui/QtReporter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/gui/frmWaitDialog.h"

namespace kujimate {

QtReporter::QtReporter() = default;
QtReporter::~QtReporter() = default;

void QtReporter::Message(const std::string& text, MsgIcon icon, const std::string& caption) {
    QMessageBox::Icon qi = QMessageBox::NoIcon;
    switch (icon) {
        case MsgIcon::Information: qi = QMessageBox::Information; break;
        case MsgIcon::Warning: qi = QMessageBox::Warning; break;
        case MsgIcon::Error: qi = QMessageBox::Critical; break;
        case MsgIcon::Question: qi = QMessageBox::Question; break;
        case MsgIcon::None: break;
    }
    QMessageBox box(qi, QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok, owner_);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QApplication::restoreOverrideCursor();
}

bool QtReporter::Question(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::NoButton, owner_);
    QPushButton* yesButton = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* noButton = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(noButton);
    box.setEscapeButton(noButton);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    bool yes = box.clickedButton() == yesButton;
    QApplication::restoreOverrideCursor();
    return yes;
}

Answer QtReporter::QuestionCancel(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::NoButton, owner_);
    QPushButton* yesButton = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* noButton = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    QPushButton* cancelButton = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(yesButton);
    box.setEscapeButton(cancelButton);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    const Answer a = box.clickedButton() == yesButton ? Answer::Yes
                     : box.clickedButton() == noButton ? Answer::No
                                                       : Answer::Cancel;
    QApplication::restoreOverrideCursor();
    return a;
}

void QtReporter::BusyBegin() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void QtReporter::BusyEnd() { QApplication::restoreOverrideCursor(); }

void QtReporter::ProgressOpen() {
    if (progressDepth_++ > 0) return;
    wait_ = std::make_unique<frmWaitDialog>(owner_);
    wait_->show();
    QApplication::processEvents();
}

void QtReporter::ProgressMessage(const std::string& text) {
    if (wait_) wait_->SetMessage(QString::fromStdString(text));
}
void QtReporter::ProgressMax(int64_t max) {
    if (wait_) wait_->SetMax(max);
}
void QtReporter::ProgressValue(int64_t value) {
    if (wait_) wait_->SetValue(value);
}

void QtReporter::ProgressClose() {
    if (progressDepth_ == 0 || --progressDepth_ > 0) return;
    wait_.reset();
}

void QtReporter::DoEvents() { QApplication::processEvents(); }

}  // namespace kujimate
