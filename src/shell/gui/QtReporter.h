#pragma once
// The window's side of the reporting interface: message boxes, the busy pointer and the
// progress dialog.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "support/Report.h"

namespace kujimate {

class frmWaitDialog;

class QtReporter : public Reporter {
public:
    QtReporter();
    ~QtReporter() override;
    // Owner of the boxes and of the progress dialog (the main window once it exists).
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void Message(const std::string& text, MsgIcon icon, const std::string& caption) override;
    bool Question(const std::string& text, const std::string& caption) override;
    Answer QuestionCancel(const std::string& text, const std::string& caption) override;
    void BusyBegin() override;
    void BusyEnd() override;
    void ProgressOpen() override;
    void ProgressMessage(const std::string& text) override;
    void ProgressMax(int64_t max) override;
    void ProgressValue(int64_t value) override;
    void ProgressClose() override;
    void DoEvents() override;

private:
    QPointer<QWidget> owner_;
    int progressDepth_ = 0;
    std::unique_ptr<frmWaitDialog> wait_;
};

}  // namespace kujimate
