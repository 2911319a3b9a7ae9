#pragma once
// The Home tab: the draw number entry and group, the download buttons, the team-name
// buttons, the sales-schedule link, the version and the draw panel. It shows what it is
// given and reports its clicks; the window decides what they do.
#include <QObject>
#include <array>

#include "drawdata/DrawRecords.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kujimate {

class HomeTab : public QObject {
    Q_OBJECT
public:
    HomeTab(QWidget* page, QObject* parent = nullptr);

    // The draw panel for the schedule at the moment now; hidden without a schedule.
    void ShowKaisaiInfo(const ScheduleRecord& schedule);
    void ShowVersion();
    // Each download button is enabled while its file is not stored.
    void SetDownloadButtons(bool scheduleStored, bool voteStored, bool resultStored);
    void ApplyColorScheme();

    QLineEdit* txtScheduleNo() const { return txtScheduleNo_; }
    QComboBox* cmbKumi() const { return cmbKumi_; }
    QCheckBox* chkDownload() const { return chkDownload_; }
    QPushButton* cmdOfficialDownload(int i) const { return cmdOfficialDownload_[static_cast<size_t>(i)]; }
    QLabel* lblKaisaiStatus() const { return lblKaisaiStatus_; }
    QLabel* lblKaisaiList(int i) const { return lblKaisaiList_[static_cast<size_t>(i)]; }
    QWidget* picKaisai() const { return picKaisai_; }
    QLabel* lblVersion() const { return lblVersion_; }

signals:
    void OfficialDownload(int index);
    void KasumiworksDownload();
    void UserTeamName();
    void SalesSchedule();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* page_;
    QLineEdit* txtScheduleNo_ = nullptr;
    QComboBox* cmbKumi_ = nullptr;
    std::array<QPushButton*, 3> cmdOfficialDownload_{};
    QPushButton* cmdKasumiworksDownload_ = nullptr;
    QPushButton* cmdUser2_ = nullptr;
    QCheckBox* chkDownload_ = nullptr;
    QLabel* lblSchedule_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QWidget* picKaisai_ = nullptr;
    QLabel* lblKaisaiStatus_ = nullptr;
    std::array<QLabel*, 3> lblKaisaiTitle_{};
    std::array<QLabel*, 3> lblKaisaiList_{};
};

}  // namespace kujimate
