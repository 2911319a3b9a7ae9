#include "shell/gui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

#include "shell/gui/Pictures.h"
#include "support/NumberText.h"
#include "support/basStandard.h"
#include "support/clsFileSystemObject.h"

namespace kujimate {

namespace {
constexpr int ContentWidth = 1005;
constexpr int ContentHeight = 655;
}  // namespace

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(AppIcon());
    BuildMenus();
    BuildContent();
}

frmMain::~frmMain() = default;

void frmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    QAction* end = file->addAction(QStringLiteral("終了(&X)"));
    end->setObjectName(QStringLiteral("mnuFile_End"));
    connect(end, &QAction::triggered, this, &QWidget::close);
}

void frmMain::BuildContent() {
    scroller_ = new QScrollArea(this);
    scroller_->setObjectName(QStringLiteral("clsFormScroll"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setWidgetResizable(true);
    picForm_ = new QWidget;
    picForm_->setObjectName(QStringLiteral("picForm"));
    picForm_->setMinimumSize(ContentWidth, ContentHeight);
    picForm_->setAutoFillBackground(true);
    QPalette pal = picForm_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    picForm_->setPalette(pal);
    scroller_->setWidget(picForm_);
    setCentralWidget(scroller_);

    auto* lblNo = new QLabel(QStringLiteral("開催回"), picForm_);
    lblNo->setGeometry(100, 24, 60, 24);
    txtScheduleNo_ = new QLineEdit(picForm_);
    txtScheduleNo_->setObjectName(QStringLiteral("txtScheduleNo"));
    txtScheduleNo_->setGeometry(160, 24, 70, 24);
    txtScheduleNo_->setMaxLength(4);
    txtScheduleNo_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")),
                                                                 txtScheduleNo_));
    connect(txtScheduleNo_, &QLineEdit::textChanged, this, &frmMain::ScheduleNoChanged);

    chkDownload_ = new QCheckBox(QStringLiteral("ダウンロード時に確認"), picForm_);
    chkDownload_->setObjectName(QStringLiteral("chkDownload"));
    chkDownload_->setGeometry(100, 60, 220, 24);
    chkResultAll_ = new QCheckBox(QStringLiteral("常に全ての結果を表示する"), picForm_);
    chkResultAll_->setObjectName(QStringLiteral("chkResultAll"));
    chkResultAll_->setGeometry(100, 92, 240, 24);

    lblStatus_ = new QLabel(this);
    statusBar()->addWidget(lblStatus_, 1);
}

void frmMain::Load() {
    LoadSettings();
    SetFormSize();
    clsFileSystemObject fso;
    fso.FolderCheck("UserData\\KUJIMATE");
    SetTitle();
    txtScheduleNo_->setText(QString::number(std::clamp(settings_.Kaisaikai, 0, 9999)));
    txtScheduleNo_->selectAll();
    txtScheduleNo_->setFocus();
}

void frmMain::ScheduleNoChanged() {
    const QString t = txtScheduleNo_->text();
    kaisaikai_ = t.isEmpty() ? -1 : t.toInt();
    lblStatus_->setText(QStringLiteral(" 第 ") + (kaisaikai_ > 0 ? QString::number(kaisaikai_) : QStringLiteral(" ")) +
                        QStringLiteral(" 回 "));
}

void frmMain::LoadSettings() {
    settings_ = LoadAppSettings();
    ShowSettings();
}

void frmMain::ShowSettings() {
    kaisaikai_ = settings_.Kaisaikai;
    chkDownload_->setChecked(settings_.DownloadMessage);
    chkResultAll_->setChecked(settings_.ResultAll);
}

void frmMain::ReadSettings() {
    settings_.Kaisaikai = kaisaikai_;
    settings_.DownloadMessage = chkDownload_->isChecked();
    settings_.ResultAll = chkResultAll_->isChecked();
}

void frmMain::SaveSettings(bool takeScreenValues) {
    if (takeScreenValues) ReadSettings();
    SaveAppSettings(settings_);
}

void frmMain::SetTitle() {
    QString t = QStringLiteral(" Kasumiworks  KUJIMATE");
    if (!currentFile_.isEmpty()) {
        clsFileSystemObject fso;
        t += QStringLiteral(" - [") + QString::fromStdString(fso.GetFileName(currentFile_.toStdString())) +
             QStringLiteral("]");
    }
    setWindowTitle(t);
}

void frmMain::SetFormSize() {
    const int cw = static_cast<int>(DpiPixelX(ContentWidth));
    const int ch = static_cast<int>(DpiPixelY(ContentHeight));
    const int extraH = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    QSize want(cw, ch + extraH);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(want);
        return;
    }
    const QRect work = screen->availableGeometry();
    const QRect full = screen->geometry();
    if (full.width() < 1024) want.setWidth(work.width());
    if (full.height() < 768) want.setHeight(work.height());
    resize(want);
    const int frameW = frameGeometry().width() - geometry().width();
    const int frameH = frameGeometry().height() - geometry().height();
    move(work.left() + (work.width() - want.width() - frameW) / 2,
         work.top() + (work.height() - want.height() - frameH) / 2);
}

void frmMain::closeEvent(QCloseEvent* e) {
    if (busy_) {
        e->ignore();
        return;
    }
    SaveSettings(true);
    e->accept();
}

}  // namespace kujimate
