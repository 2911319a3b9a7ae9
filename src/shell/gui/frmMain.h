#pragma once
// The main window: it owns the working state for the whole run (the draw, the user's
// singles document, the settings), builds the menus, switches the three tabs and binds
// every command to the document and the tabs.
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

#include "check/clsTResult.h"
#include "drawdata/DrawRecords.h"
#include "shell/AppSettings.h"
#include "shell/RecentFiles.h"
#include "shell/clsTDocument.h"
#include "shell/clsTMain.h"
#include "site/clsKasumiworksDownload.h"
#include "views/clsTSingle.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QTimer;

namespace kujimate {

class CheckTab;
class clsNumericEntry;
class HomeTab;
class SingleTab;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Relative to the program folder: the unsaved list of a session that ended without a word.
    static constexpr const char* RecoveryFileName = "UserData\\KUJIMATE\\Recovery.dat";
    static constexpr int RecoveryDelayMs = 2000;

    frmMain();
    ~frmMain() override;

    // Load, in the order the program starts it.
    void Load();
    // After the window is shown: offers a recovery copy, then opens the files named.
    void StartUp(const QStringList& files);

    bool Busy() const { return busy_; }
    void SetBusy(bool b);
    int32_t Kaisaikai() const { return kaisaikai_; }
    const AppSettings& Settings() const { return settings_; }
    int CurrentTab() const { return currentTab_; }
    QString CurrentFile() const { return QString::fromStdString(doc_.CurrentFile()); }
    clsTMain& TMain() { return cTMain; }
    const ScheduleRecord& Schedule() const { return schedule_; }
    const VoteRecord& Vote() const { return vote_; }
    const ResultRecord& Result() const { return result_; }
    const std::vector<int32_t>& Singles() const { return doc_.Singles(); }
    clsTDocument& Document() { return doc_; }
    const RecentFiles& Recent() const { return recent_; }

    void SelectTab(int tab);
    // Sizes and centres the window for the screen; again once shown, when the frame is known.
    void SetFormSize();
    void SetTitle();
    void ShowKaisaiInfo();
    void SetDownloadButtons();
    void OfficialDownload(int index);
    QString StatusText() const;
    // A file from outside the dialogs (a recent file, a dropped file, the command line): the
    // save question, then the file is opened as File > Open opens the one chosen.
    void OpenFromOutside(const QString& path);
    // Writes the recovery copy now when the list is changed (the timer's work).
    void WriteRecovery();
    QString RecoveryPath() const;

    // Controls that tests reach by name.
    QLineEdit* txtScheduleNo() const;
    QComboBox* cmbKumi() const;
    QCheckBox* chkDownload() const;
    QCheckBox* chkResultAll() const;
    QPushButton* cmdOfficialDownload(int i) const;
    QLabel* lblKaisaiStatus() const;
    QLabel* lblKaisaiList(int i) const;
    QWidget* picKaisai() const;
    QWidget* picMain(int i) const { return picMain_[static_cast<size_t>(i)]; }
    QLabel* lblVersion() const;
    QAction* Action(const QString& objectName) const;
    clsTSingle& TSingle() { return cTSingle; }
    clsKasumiworksDownload& MakerDownload() { return makerDownload_; }
    HomeTab& Home() { return *homeTab_; }
    SingleTab& SingleView() { return *singleTab_; }
    const SingleFrame& Frame() const { return doc_.Frame(); }
    CheckTab* Check() const { return checkTab_; }
    clsTResult& TResult() { return cTResult; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Building the window.
    void BuildMenus();
    void BuildContent();
    void ApplyColorScheme();
    void LayoutContent();
    void RebuildRecentMenu();

    // Settings.
    void LoadSettings();
    void ShowSettings();
    void ReadSettings();
    void SaveSettings(bool takeScreenValues);

    void KaisaikaiChange(int32_t lngKaisaikai, const std::string& strKumi);
    void SetStatusText();
    void ShowTabImages();
    void OpenManual();
    void ShowAbout();
    void OpenSalesSchedule();
    void KasumiworksDownload();
    void UserTeamName();
    void ShowLedger();

    // File commands (FileCommands.cpp).
    void FileNew();
    void FileOpen();
    bool FileSave();
    bool FileSaveAs();
    void OpenPath(QString path);
    void ClearSingles();
    // The save question for a changed list; false when the command must stop.
    bool MayReplaceList();
    void OfferRecovery();
    void RemoveRecovery();
    void DocumentEdited();
    void DocumentStateChanged();

    // Commands of the Single and Check tabs (MainCommands.cpp).
    void EditMenuOpening();
    void SetSingleItemsEnabled();
    void Undo();
    void Redo();
    void RefreshAfterHistory();
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
    void ShowSingleTab();
    void ConnectDocument();
    void ShowCheckTab();

    clsTMain cTMain;
    clsTDocument doc_;
    clsTSingle cTSingle;
    clsTResult cTResult;
    // One for the window's life: the version list is fetched at most once per run.
    clsKasumiworksDownload makerDownload_;
    RecentFiles recent_;
    HomeTab* homeTab_ = nullptr;
    SingleTab* singleTab_ = nullptr;
    CheckTab* checkTab_ = nullptr;
    std::unique_ptr<clsNumericEntry> entry_;
    AppSettings settings_;
    int32_t kaisaikai_ = -1;
    std::string kumi_;
    ScheduleRecord schedule_;
    VoteRecord vote_;
    ResultRecord result_;
    QString userDataFolder_;
    int currentTab_ = 0;
    bool percent_ = false;
    bool busy_ = false;
    std::string statusDrawText_;
    QTimer* recoveryTimer_ = nullptr;
    // The recovery copy on disk is this session's (written or restored here).
    bool recoveryOwned_ = false;

    QScrollArea* scroller_ = nullptr;
    QWidget* picForm_ = nullptr;
    QWidget* picMenu_ = nullptr;
    QLabel* imgMenuBase_ = nullptr;
    std::array<QLabel*, 3> imgMenu_{};
    std::array<QWidget*, 3> picMain_{};
    QLabel* statusBar_ = nullptr;

    QMenu* mnuFile_Recent_ = nullptr;
    QMenu* mnuEdit_ = nullptr;
    QMenu* mnuEdit_Sort_ = nullptr;
    QMenu* mnuPopup7_ = nullptr;
    QAction* mnuEdit_Undo_ = nullptr;
    QAction* mnuEdit_Redo_ = nullptr;
    std::array<QAction*, 3> mnuView_Menu_{};
    QAction* mnuEdit_Sort_Order_ = nullptr;
    QAction* mnuView_SinglePercent_ = nullptr;
};

// The operator's web host of the sales-schedule link; placeholder under .invalid.
inline constexpr const char* OperatorWebHost = "www.big-operator.invalid";

}  // namespace kujimate
