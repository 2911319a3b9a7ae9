#include "shell/gui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include "check/gui/CheckTab.h"
#include "ledger/gui/frmLedger.h"
#include "shell/gui/clsCommonDialog.h"
#include "shell/HomeTexts.h"
#include "shell/clsShell.h"
#include "shell/gui/HomeTab.h"
#include "shell/gui/Pictures.h"
#include "refdata/gui/frmTeamName.h"
#include "shell/gui/frmAbout.h"
#include "support/Clock.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/basStandard.h"
#include "support/clsFileSystemObject.h"
#include "ui/gui/clsNumericEntry.h"
#include "views/gui/SingleTab.h"
#include "ui/gui/DisplayScale.h"
#include "ui/gui/Paint.h"
#include "views/gui/ViewColors.h"

namespace kujimate {

namespace {
constexpr int ContentWidth = 1005;
constexpr int ContentHeight = 655;
constexpr int TabBarWidth = 70;
constexpr int StatusHeight = 22;

QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key = {}) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromUtf8(name));
    if (!key.isEmpty()) a->setShortcut(key);
    return a;
}
}  // namespace

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setSingleShot(true);
    connect(recoveryTimer_, &QTimer::timeout, this, &frmMain::WriteRecovery);
    setWindowIcon(AppIcon());
    BuildMenus();
    BuildContent();
}

frmMain::~frmMain() = default;

QAction* frmMain::Action(const QString& objectName) const { return findChild<QAction*>(objectName); }

QLineEdit* frmMain::txtScheduleNo() const { return homeTab_->txtScheduleNo(); }
QComboBox* frmMain::cmbKumi() const { return homeTab_->cmbKumi(); }
QCheckBox* frmMain::chkDownload() const { return homeTab_->chkDownload(); }
QCheckBox* frmMain::chkResultAll() const { return checkTab_->chkResultAll(); }
QPushButton* frmMain::cmdOfficialDownload(int i) const { return homeTab_->cmdOfficialDownload(i); }
QLabel* frmMain::lblKaisaiStatus() const { return homeTab_->lblKaisaiStatus(); }
QLabel* frmMain::lblKaisaiList(int i) const { return homeTab_->lblKaisaiList(i); }
QWidget* frmMain::picKaisai() const { return homeTab_->picKaisai(); }
QLabel* frmMain::lblVersion() const { return homeTab_->lblVersion(); }

void frmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddItem(file, "mnuFile_New", QStringLiteral("新規作成(&N)"), Qt::CTRL | Qt::Key_N), &QAction::triggered, this, &frmMain::FileNew);
    connect(AddItem(file, "mnuFile_Open", QStringLiteral("開く(&O)..."), Qt::CTRL | Qt::Key_O), &QAction::triggered, this, &frmMain::FileOpen);
    connect(AddItem(file, "mnuFile_Save", QStringLiteral("上書き保存(&S)"), Qt::CTRL | Qt::Key_S), &QAction::triggered, this, &frmMain::FileSave);
    connect(AddItem(file, "mnuFile_SaveAs", QStringLiteral("名前を付けて保存(&A)..."),
                    Qt::CTRL | Qt::SHIFT | Qt::Key_S), &QAction::triggered, this,
            &frmMain::FileSaveAs);
    file->addSeparator();
    mnuFile_Recent_ = file->addMenu(QStringLiteral("最近使ったファイル(&R)"));
    mnuFile_Recent_->setObjectName(QStringLiteral("mnuFile_Recent"));
    file->addSeparator();
    connect(AddItem(file, "mnuFile_End", QStringLiteral("終了(&X)"), Qt::CTRL | Qt::Key_Q), &QAction::triggered, this, &QWidget::close);

    mnuEdit_ = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    mnuEdit_->setObjectName(QStringLiteral("mnuEdit"));
    connect(mnuEdit_, &QMenu::aboutToShow, this, &frmMain::EditMenuOpening);
    mnuEdit_Undo_ = AddItem(mnuEdit_, "mnuEdit_Undo", QStringLiteral("元に戻す(&U)"));
    mnuEdit_Undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(mnuEdit_Undo_, &QAction::triggered, this, &frmMain::Undo);
    mnuEdit_Redo_ = AddItem(mnuEdit_, "mnuEdit_Redo", QStringLiteral("やり直し(&R)"));
    mnuEdit_Redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(mnuEdit_Redo_, &QAction::triggered, this, &frmMain::Redo);
    mnuEdit_->addSeparator();
    mnuEdit_Sort_ = mnuEdit_->addMenu(QStringLiteral("シングル並べ替え(S)"));
    mnuEdit_Sort_->setObjectName(QStringLiteral("mnuEdit_Sort"));
    const char* money[] = {"１等推定金額", "２等推定金額", "３等推定金額"};
    for (int i = 0; i < 3; ++i) {
        QAction* a = AddItem(mnuEdit_Sort_, "mnuEdit_Sort_Money", QString::fromUtf8(money[i]));
        a->setProperty("Index", i);
        connect(a, &QAction::triggered, this, [this, i] { SortMoney(i); });
    }
    mnuEdit_Sort_->addSeparator();
    // Captions set at creation; the fourth item stays hidden.
    const char* marks[] = {"ホーム勝ち", "その他", "アウェイ勝ち", ""};
    for (int i = 0; i < 4; ++i) {
        QAction* a = AddItem(mnuEdit_Sort_, "mnuEdit_Sort_Mark", QString::fromUtf8(marks[i]));
        a->setProperty("Index", i);
        a->setVisible(i < 3);
        connect(a, &QAction::triggered, this, [this, i] { SortMark(i); });
    }
    mnuEdit_Sort_->addSeparator();
    const char* ninki[] = {"１番人気", "２番人気", "３番人気", "４番人気"};
    for (int i = 0; i < 4; ++i) {
        QAction* a = AddItem(mnuEdit_Sort_, "mnuEdit_Sort_Ninki", QString::fromUtf8(ninki[i]));
        a->setProperty("Index", i);
        a->setVisible(i < 3);
        connect(a, &QAction::triggered, this, [this, i] { SortNinki(i); });
    }
    mnuEdit_Sort_->addSeparator();
    connect(AddItem(mnuEdit_Sort_, "mnuEdit_Sort_Result", QStringLiteral("当せん数")), &QAction::triggered, this,
            &frmMain::SortResult);
    mnuEdit_Sort_->addSeparator();
    mnuEdit_Sort_Order_ = AddItem(mnuEdit_Sort_, "mnuEdit_Sort_Order", QStringLiteral("昇順で並べ替える"));
    mnuEdit_Sort_Order_->setCheckable(true);
    mnuEdit_Sort_Order_->setChecked(true);
    connect(AddItem(mnuEdit_, "mnuEdit_JSingleDel", QStringLiteral("重複シングル削除")), &QAction::triggered, this,
            &frmMain::DeleteDuplicates);
    mnuEdit_->addSeparator();
    connect(AddItem(mnuEdit_, "mnuEdit_Select", QStringLiteral("全てのシングルを選択"), Qt::CTRL | Qt::Key_A), &QAction::triggered, this,
            [this] { SelectAll(true); });
    connect(AddItem(mnuEdit_, "mnuEdit_Select", QStringLiteral("全てのシングル選択を解除"),
                    Qt::CTRL | Qt::SHIFT | Qt::Key_A), &QAction::triggered, this,
            [this] { SelectAll(false); });
    mnuEdit_->addSeparator();
    connect(AddItem(mnuEdit_, "mnuEdit_SingleAdd", QStringLiteral("シングルを追加")), &QAction::triggered, this,
            &frmMain::SingleAdd);
    connect(AddItem(mnuEdit_, "mnuEdit_SingleAdd2", QStringLiteral("シングルを数値で追加")), &QAction::triggered, this,
            &frmMain::SingleAdd2);
    connect(AddItem(mnuEdit_, "mnuEdit_SingleDel", QStringLiteral("選択シングルを削除"), Qt::Key_Delete), &QAction::triggered, this,
            &frmMain::SingleDelete);

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("mnuView"));
    const char* tabs[] = {"ホーム(&H)", "シングル(&S)", "チェック(&C)"};
    for (int i = 0; i < 3; ++i) {
        mnuView_Menu_[i] = AddItem(view, "mnuView_Menu", QString::fromUtf8(tabs[i]), QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_1 + i)));
        mnuView_Menu_[i]->setCheckable(true);
        mnuView_Menu_[i]->setProperty("Index", i);
        connect(mnuView_Menu_[i], &QAction::triggered, this, [this, i] { SelectTab(i); });
    }
    view->addSeparator();
    mnuView_SinglePercent_ = AddItem(view, "mnuView_SinglePercent", QStringLiteral("シングル構成を％で表示"));
    mnuView_SinglePercent_->setCheckable(true);
    connect(mnuView_SinglePercent_, &QAction::toggled, this, &frmMain::SinglePercentToggled);

    QMenu* tool = menuBar()->addMenu(QStringLiteral("ツール(&T)"));
    tool->setObjectName(QStringLiteral("mnuTool"));
    QMenu* copy = tool->addMenu(QStringLiteral("クリップボードにコピー"));
    copy->setObjectName(QStringLiteral("mnuTool_Clipboard"));
    const char* layouts[] = {"買い目（１口が行）", "買い目（１口が列）"};
    for (int i = 3; i <= 4; ++i) {
        QAction* a = AddItem(copy, "mnuTool_Clipboard_Class", QString::fromUtf8(layouts[i - 3]));
        a->setProperty("Index", i);
        connect(a, &QAction::triggered, this, [this, i] { ClipboardCopy(i); });
    }
    QMenu* import = tool->addMenu(QStringLiteral("クリップボードから取り込み"));
    import->setObjectName(QStringLiteral("mnuTool_ClipImport"));
    QAction* imp = AddItem(import, "mnuTool_ClipImport_Class", QString::fromUtf8(layouts[0]));
    imp->setProperty("Index", 0);
    connect(imp, &QAction::triggered, this, [this] { ClipboardImport(0); });
    connect(AddItem(tool, "mnuTool_Ledger", QStringLiteral("収支履歴(&L)...")), &QAction::triggered, this,
            &frmMain::ShowLedger);
    tool->addSeparator();
    // The Home tab's two team-name buttons, reachable from any tab.
    connect(AddItem(tool, "mnuTool_TeamNameDownload", QStringLiteral("海外チーム名をダウンロード (Kasumiworks)...")),
            &QAction::triggered, this, &frmMain::KasumiworksDownload);
    connect(AddItem(tool, "mnuTool_UserTeamName", QStringLiteral("チーム名（ユーザー定義）...")), &QAction::triggered,
            this, &frmMain::UserTeamName);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(AddItem(help, "mnuHelp_Help", QStringLiteral("オンラインマニュアル(&O)")), &QAction::triggered, this,
            &frmMain::OpenManual);
    connect(AddItem(help, "mnuHelp_Version", QStringLiteral("バージョン情報(&A)...")), &QAction::triggered, this,
            &frmMain::ShowAbout);

    // Opened only as a pop-up by the result views.
    mnuPopup7_ = new QMenu(this);
    mnuPopup7_->setObjectName(QStringLiteral("mnuPopup7"));
    connect(AddItem(mnuPopup7_, "mnuPopup7_Class", QStringLiteral("中止")), &QAction::triggered, this,
            [this] { Popup7(0); });
}

void frmMain::BuildContent() {
    scroller_ = new QScrollArea(this);
    scroller_->setObjectName(QStringLiteral("clsFormScroll"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setWidgetResizable(true);
    picForm_ = new QWidget;
    picForm_->setObjectName(QStringLiteral("picForm"));
    picForm_->setMinimumSize(Sx(ContentWidth), Sy(ContentHeight));
    picForm_->installEventFilter(this);
    scroller_->setWidget(picForm_);
    setCentralWidget(scroller_);

    picMenu_ = new QWidget(picForm_);
    picMenu_->setObjectName(QStringLiteral("picMenu"));
    imgMenuBase_ = new QLabel(picMenu_);
    imgMenuBase_->setObjectName(QStringLiteral("imgMenuBase"));
    imgMenuBase_->setScaledContents(true);
    imgMenuBase_->setPixmap(TabBarBackground(Sx(TabBarWidth)));
    for (int i = 0; i < 3; ++i) {
        imgMenu_[i] = new QLabel(picMenu_);
        imgMenu_[i]->setObjectName(QStringLiteral("imgMenu%1").arg(i));
        imgMenu_[i]->setGeometry(Sx(2), Sy(8 + 70 * i), Sx(66), Sy(62));
        imgMenu_[i]->setCursor(Qt::PointingHandCursor);
        imgMenu_[i]->installEventFilter(this);
    }
    for (int i = 0; i < 3; ++i) {
        picMain_[i] = new QWidget(picForm_);
        picMain_[i]->setObjectName(QStringLiteral("picMain%1").arg(i));
    }
    homeTab_ = new HomeTab(picMain_[0], this);
    connect(homeTab_, &HomeTab::OfficialDownload, this, &frmMain::OfficialDownload);
    connect(homeTab_, &HomeTab::KasumiworksDownload, this, &frmMain::KasumiworksDownload);
    connect(homeTab_, &HomeTab::UserTeamName, this, &frmMain::UserTeamName);
    connect(homeTab_, &HomeTab::SalesSchedule, this, &frmMain::OpenSalesSchedule);

    singleTab_ = new SingleTab(picMain_[1], this);
    connect(singleTab_, &SingleTab::SortClicked, this, &frmMain::ShowSortPopup);
    connect(singleTab_, &SingleTab::AddClicked, this, &frmMain::SingleAdd);
    connect(singleTab_, &SingleTab::AddByNumberClicked, this, &frmMain::SingleAdd2);
    connect(singleTab_, &SingleTab::DeleteClicked, this, &frmMain::SingleDelete);

    checkTab_ = new CheckTab(picMain_[2], cTResult, mnuPopup7_);
    connect(checkTab_, &CheckTab::SortResult, this, &frmMain::SortResult);

    statusBar_ = new QLabel(picForm_);
    statusBar_->setObjectName(QStringLiteral("clsStatusBar"));
    statusBar_->setFrameShape(QFrame::Panel);
    statusBar_->setFrameShadow(QFrame::Sunken);
    statusBar_->setIndent(4);
}

void frmMain::ApplyColorScheme() {
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    Paint(picForm_, Qt::white);
    Paint(picMenu_, Qt::white);
    homeTab_->ApplyColorScheme();
    Paint(picMain_[1], buttonFace);
    Paint(picMain_[2], buttonFace);
    // Modern desktops draw themed controls: the panels take the light grey.
    checkTab_->ApplyColorScheme();
    for (const char* name : {"picSingleBase", "picSinglePage", "picComment1"})
        Paint(singleTab_->Panel(name), PanelColor);
}

void frmMain::LayoutContent() {
    const QSize area = picForm_->size();
    const int barHeight = std::max(1, area.height() - Sy(StatusHeight) - 1);
    picMenu_->setGeometry(0, 0, Sx(TabBarWidth), barHeight);
    imgMenuBase_->setGeometry(0, 0, Sx(TabBarWidth), barHeight);
    for (QWidget* page : picMain_) page->setGeometry(Sx(71), 0, area.width() - Sx(72), barHeight);
    statusBar_->setGeometry(0, area.height() - Sy(StatusHeight), area.width(), Sy(StatusHeight));
}

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    if (watched == picForm_ && e->type() == QEvent::Resize) LayoutContent();
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        for (int i = 0; i < 3; ++i)
            if (watched == imgMenu_[i]) SelectTab(i);
    }
    return QMainWindow::eventFilter(watched, e);
}

void frmMain::SetBusy(bool b) {
    busy_ = b;
    // Events run while a long operation works on the list: the cards must not edit it then.
    if (singleTab_) singleTab_->Blocked(b);
}

void frmMain::Load() {
    ApplyColorScheme();
    LoadSettings();
    cTMain.KaisaikaiChange = [this](int32_t n, const std::string& g) { KaisaikaiChange(n, g); };
    QLineEdit* entry = homeTab_->txtScheduleNo();
    cTMain.WriteEntry = [entry](const std::string& t) { entry->setText(QString::fromStdString(t)); };
    cTMain.Initialize(static_cast<QWidget*>(this));
    entry_ = std::make_unique<clsNumericEntry>(entry, picMain_[0], 0, 9999);
    entry->setText(QStringLiteral("0"));
    connect(entry, &QLineEdit::textChanged, this, [this](const QString& t) { cTMain.EntryChanged(t.toStdString()); });
    homeTab_->cmbKumi()->addItems({QStringLiteral("Ａ組"), QStringLiteral("Ｂ組")});
    homeTab_->cmbKumi()->setCurrentIndex(0);
    connect(homeTab_->cmbKumi(), &QComboBox::activated, this, [this](int) { cTMain.KumiClick(); });
    singleTab_->Initialize(&cTSingle);
    ConnectDocument();
    SetFormSize();
    clsFileSystemObject fso;
    fso.FolderCheck("UserData\\KUJIMATE");
    userDataFolder_ = QString::fromStdString(fso.GetFullPath("UserData\\KUJIMATE"));
    recent_.Load();
    RebuildRecentMenu();
    SelectTab(0);
    homeTab_->ShowVersion();
    SetTitle();
    entry->setText(QString::number(settings_.Kaisaikai));
    entry->selectAll();
    entry->setFocus();
}

void frmMain::LoadSettings() {
    settings_ = LoadAppSettings();
    ShowSettings();
}

void frmMain::ShowSettings() {
    kaisaikai_ = settings_.Kaisaikai;
    chkDownload()->setChecked(settings_.DownloadMessage);
    chkResultAll()->setChecked(settings_.ResultAll);
}

void frmMain::ReadSettings() {
    settings_.Kaisaikai = kaisaikai_;
    settings_.DownloadMessage = chkDownload()->isChecked();
    settings_.ResultAll = chkResultAll()->isChecked();
}

void frmMain::SaveSettings(bool takeScreenValues) {
    if (takeScreenValues) ReadSettings();
    SaveAppSettings(settings_);
}

void frmMain::SetFormSize() {
    const int cw = Sx(ContentWidth);
    const int ch = Sy(ContentHeight) + menuBar()->sizeHint().height();
    QSize want(cw, ch);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(want);
        return;
    }
    const QRect work = screen->availableGeometry();
    const QRect full = screen->geometry();
    const int frameW = frameGeometry().width() - geometry().width();
    const int frameH = frameGeometry().height() - geometry().height();
    if (full.width() < 1024) want.setWidth(work.width() - frameW);
    if (full.height() < 768) want.setHeight(work.height() - frameH);
    resize(want);
    move(work.left() + (work.width() - want.width() - frameW) / 2,
         work.top() + (work.height() - want.height() - frameH) / 2);
}

void frmMain::SetTitle() {
    QString t = QStringLiteral(" Kasumiworks  KUJIMATE");
    if (!doc_.CurrentFile().empty()) {
        clsFileSystemObject fso;
        t += QStringLiteral(" - [") + QString::fromStdString(fso.GetFileName(doc_.CurrentFile())) + QStringLiteral("]");
    }
    if (doc_.IsChanged()) t += QStringLiteral("*");
    setWindowTitle(t);
}

void frmMain::ShowTabImages() {
    for (int i = 0; i < 3; ++i) imgMenu_[i]->setPixmap(TabImage(i, i == currentTab_));
}

void frmMain::SelectTab(int tab) {
    BusyPointer busy;
    if (busy_) return;
    currentTab_ = tab;
    for (int i = 0; i < 3; ++i) mnuView_Menu_[i]->setChecked(i == tab);
    SetSingleItemsEnabled();
    ShowTabImages();
    if (tab == 0) ShowKaisaiInfo();
    if (tab == 1) ShowSingleTab();
    if (tab == 2) ShowCheckTab();
    for (QWidget* page : picMain_) page->hide();
    picMain_[tab]->show();
}

void frmMain::KaisaikaiChange(int32_t lngKaisaikai, const std::string& strKumi) {
    kaisaikai_ = lngKaisaikai;
    kumi_ = strKumi;
    schedule_ = cTMain.CurrentSchedule();
    vote_ = cTMain.CurrentVote();
    result_ = cTMain.CurrentResult();
    statusDrawText_ = StatusDrawText(kaisaikai_, kumi_);
    SetStatusText();
    ShowKaisaiInfo();
    SetDownloadButtons();
}

QString frmMain::StatusText() const { return statusBar_->text(); }

void frmMain::SetStatusText() { statusBar_->setText(QString::fromStdString(statusDrawText_ + StatusVoteText(vote_))); }

void frmMain::ShowKaisaiInfo() { homeTab_->ShowKaisaiInfo(schedule_); }

void frmMain::SetDownloadButtons() {
    homeTab_->SetDownloadButtons(cTMain.CheckScheduleFile(), cTMain.CheckVoteFile(), cTMain.CheckResultFile());
}

void frmMain::OfficialDownload(int index) {
    if (busy_) return;
    if (kaisaikai_ == 0) {
        AppMessage("開催回を設定して下さい", MsgIcon::Information);
    } else {
        const bool ask = chkDownload()->isChecked();
        if (index == 0) cTMain.GetSchedule(ask);
        else if (index == 1) cTMain.GetVote(ask);
        else cTMain.GetResult(ask);
    }
    SetDownloadButtons();
}

void frmMain::OpenManual() {
    // The manual's page is the product name in lower case without spaces.
    clsShell().ShellX(ManualUrl);
}

void frmMain::ShowAbout() {
    frmAbout about(this, QString::fromStdString(GetVersionString()));
    if (windowFlags() & Qt::WindowStaysOnTopHint) about.setWindowFlag(Qt::WindowStaysOnTopHint);
    about.exec();
}

void frmMain::OpenSalesSchedule() {
    clsShell().ShellX(std::string("https://") + OperatorWebHost + "/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule");
}

void frmMain::KasumiworksDownload() {
    if (busy_) return;
    clsShell shell;
    if (!shell.CheckVirtualstoreAdmin()) return;
    // Later schedule pages must be read with the new names.
    if (makerDownload_.DownloadTeamName2(static_cast<QWidget*>(this), chkDownload()->isChecked()))
        cTMain.ScheduleInitialize();
}

void frmMain::ShowLedger() {
    frmLedger dlg(this, userDataFolder_, settings_.DownloadMessage, [](QWidget* owner, const QString& dir, const QString& name) {
        return clsCommonDialog().SaveFile(owner, CsvFilter(), dir, name, QString());
    });
    dlg.exec();
    // A result the window fetched for the current draw shows at once.
    if (cTMain.CurrentResult().DrawNo <= 0 && cTMain.CheckResultFile()) cTMain.KumiClick();
}

void frmMain::UserTeamName() {
    frmTeamName::ShowDialog(this);
    // Whatever happened in the dialog, the dictionaries are read anew.
    cTMain.ScheduleInitialize();
}

void frmMain::closeEvent(QCloseEvent* e) {
    if (busy_ || !MayReplaceList()) {
        e->ignore();
        return;
    }
    SaveSettings(true);
    // A clean exit leaves nothing to recover.
    RemoveRecovery();
    e->accept();
}

namespace {
QString DroppedCsv(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    return QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0 ? path : QString();
}
}  // namespace

void frmMain::dragEnterEvent(QDragEnterEvent* e) {
    if (!DroppedCsv(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* e) {
    const QString path = DroppedCsv(e->mimeData());
    if (path.isEmpty()) return;
    e->acceptProposedAction();
    // The drag's source waits for the drop to end: open once it has.
    QTimer::singleShot(0, this, [this, path] { OpenFromOutside(path); });
}

}  // namespace kujimate
