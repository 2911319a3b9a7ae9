#pragma once
// The progress window of the downloads: a small log of what the connection is doing.
#include <QDialog>

#include "site/WinInetLog.h"

class QListWidget;

namespace kujimate {

class frmWinInet : public QDialog, public WinInetLog {
    Q_OBJECT
public:
    frmWinInet();
    void Show(OwnerWindow owner) override;
    void AddLine(const std::string& line) override;
    void AppendToLastLine(const std::string& text) override;
    void Unload(OwnerWindow owner) override;
    QListWidget* lstMsg() const { return lstMsg_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void Redraw();
    QListWidget* lstMsg_;
    int frame_ = 0;  // turn of the globe, one step per log line
};

}  // namespace kujimate
