#pragma once
// The main window: owner of the working state for the whole run, its three tabs, menus
// and commands.
#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

#include "analysis/clsTSingleFrame.h"
#include "check/clsTResult.h"
#include "drawdata/DrawRecords.h"
#include "shell/AppSettings.h"
#include "shell/clsTMain.h"
#include "site/clsKasumiworksDownload.h"
#include "views/clsTSingle.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;

namespace kujimate {

class CheckTab;
class clsNumericEntry;
class SingleTab;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // Load, in the order the program starts it.
    void Load();

    bool Busy() const { return busy_; }
    void SetBusy(bool b);
    int32_t Kaisaikai() const { return kaisaikai_; }
    const AppSettings& Settings() const { return settings_; }
    int CurrentTab() const { return currentTab_; }
    QString CurrentFile() const { return currentFile_; }
    clsTMain& TMain() { return cTMain; }
    const ScheduleRecord& Schedule() const { return schedule_; }
    const VoteRecord& Vote() const { return vote_; }
    const ResultRecord& Result() const { return result_; }
    const std::vector<int32_t>& Singles() const { return singles_; }

    void SelectTab(int tab);
    // Sizes and centres the window for the screen; again once shown, when the frame is known.
    void SetFormSize();
    void SetTitle();
    void ShowKaisaiInfo();
    void SetDownloadButtons();
    void OfficialDownload(int index);
    QString StatusText() const;

    // Controls that tests and the other tabs reach by name.
    QLineEdit* txtScheduleNo() const { return txtScheduleNo_; }
    QComboBox* cmbKumi() const { return cmbKumi_; }
    QCheckBox* chkDownload() const { return chkDownload_; }
    QCheckBox* chkResultAll() const { return chkResultAll_; }
    QPushButton* cmdOfficialDownload(int i) const { return cmdOfficialDownload_[i]; }
    QLabel* lblKaisaiStatus() const { return lblKaisaiStatus_; }
    QLabel* lblKaisaiList(int i) const { return lblKaisaiList_[i]; }
    QWidget* picKaisai() const { return picKaisai_; }
    QWidget* picMain(int i) const { return picMain_[i]; }
    QLabel* lblVersion() const { return lblVersion_; }
    QAction* Action(const QString& objectName) const;
    clsTSingle& TSingle() { return cTSingle; }
    clsKasumiworksDownload& MakerDownload() { return makerDownload_; }
    SingleTab& SingleView() { return *singleTab_; }
    const SingleFrame& Frame() const { return frame_; }
    CheckTab* Check() const { return checkTab_; }
    clsTResult& TResult() { return cTResult; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Building the window.
    void BuildMenus();
    void BuildContent();
    void BuildHomePage(QWidget* page);
    void BuildSinglePage(QWidget* page);
    void BuildCheckPage(QWidget* page);
    void ApplyColorScheme();
    void LayoutContent();

    // Settings.
    void LoadSettings();
    void ShowSettings();
    void ReadSettings();
    void SaveSettings(bool takeScreenValues);

    void KaisaikaiChange(int32_t lngKaisaikai, const std::string& strKumi);
    void SetStatusText();
    void ShowVersion();
    void ShowTabImages();
    void OpenManual();
    void ShowAbout();
    void OpenSalesSchedule();
    void KasumiworksDownload();
    void UserTeamName();
    void ShowLedger();

    // File commands.
    void FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void ClearSingles();

    // Commands of the Single and Check tabs: they connect here (MainCommands.cpp).
    void ConnectTabCommands();
    void EditMenuOpening();
    void SortMoney(int index);
    void SortMark(int index);
    void SortNinki(int index);
    void SortResult();
    void RedisplayAfterSort();
    void DeleteDuplicates();
    void SelectAll(bool select);
    void SingleAdd();
    void SingleAdd2();
    void SingleDelete();
    void ShowSortPopup();
    void SinglePercentToggled(bool on);
    void ClipboardCopy(int index);
    void ClipboardImport(int index);
    void Popup7(int index);
    void ResultViewNext();
    void ResultViewAll();
    void SetResultViewButtons();
    void ShowSingleTab();
    void ConnectSingleEvents();
    void ShowCheckTab();

    clsTMain cTMain;
    clsTSingle cTSingle;
    // One for the window's life: the version list is fetched at most once per run.
    clsKasumiworksDownload makerDownload_;
    SingleTab* singleTab_ = nullptr;
    std::unique_ptr<clsNumericEntry> entry_;
    AppSettings settings_;
    int32_t kaisaikai_ = -1;
    std::string kumi_;
    ScheduleRecord schedule_;
    VoteRecord vote_;
    ResultRecord result_;
    std::vector<int32_t> singles_;
    SingleFrame frame_{};
    SingleFrameFlags frameZero_{};
    QString currentFile_;
    QString userDataFolder_;
    int currentTab_ = 0;
    bool percent_ = false;
    bool busy_ = false;
    std::string statusDrawText_;

    QScrollArea* scroller_ = nullptr;
    QWidget* picForm_ = nullptr;
    QWidget* picMenu_ = nullptr;
    QLabel* imgMenuBase_ = nullptr;
    std::array<QLabel*, 3> imgMenu_{};
    std::array<QWidget*, 3> picMain_{};
    QLabel* statusBar_ = nullptr;

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

    clsTResult cTResult;
    CheckTab* checkTab_ = nullptr;
    QCheckBox* chkResultAll_ = nullptr;
    QPushButton* cmdResultViewNext_ = nullptr;
    QPushButton* cmdResultViewAll_ = nullptr;
    QPushButton* cmdSortResult_ = nullptr;

    QMenu* mnuEdit_ = nullptr;
    QMenu* mnuEdit_Sort_ = nullptr;
    QMenu* mnuPopup7_ = nullptr;
    std::array<QAction*, 3> mnuView_Menu_{};
    QAction* mnuEdit_Sort_Order_ = nullptr;
    QAction* mnuView_SinglePercent_ = nullptr;
};

// The operator's web host of the sales-schedule link; placeholder under .invalid.
inline constexpr const char* OperatorWebHost = "www.big-operator.invalid";

}  // namespace kujimate
