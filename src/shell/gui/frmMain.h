#pragma once
// The main window: owner of the working state for the whole run.
#include <QMainWindow>

#include "shell/AppSettings.h"

class QCheckBox;
class QLineEdit;
class QScrollArea;
class QLabel;

namespace kujimate {

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // Creation and load, in the order the program starts them.
    void Load();

    bool Busy() const { return busy_; }
    void SetBusy(bool b) { busy_ = b; }
    int32_t Kaisaikai() const { return kaisaikai_; }
    const AppSettings& Settings() const { return settings_; }

    QLineEdit* txtScheduleNo() const { return txtScheduleNo_; }
    QCheckBox* chkDownload() const { return chkDownload_; }
    QCheckBox* chkResultAll() const { return chkResultAll_; }
    QString CurrentFile() const { return currentFile_; }

    void SetTitle();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildMenus();
    void BuildContent();
    void LoadSettings();
    void ShowSettings();
    void ReadSettings();
    void SaveSettings(bool takeScreenValues);
    void SetFormSize();
    void ScheduleNoChanged();

    AppSettings settings_;
    int32_t kaisaikai_ = -1;
    bool busy_ = false;
    QString currentFile_;

    QScrollArea* scroller_ = nullptr;
    QWidget* picForm_ = nullptr;
    QLineEdit* txtScheduleNo_ = nullptr;
    QCheckBox* chkDownload_ = nullptr;
    QCheckBox* chkResultAll_ = nullptr;
    QLabel* lblStatus_ = nullptr;
};

}  // namespace kujimate
