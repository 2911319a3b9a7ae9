#include "shell/gui/HomeTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "shell/HomeTexts.h"
#include "support/Clock.h"
#include "support/NumberText.h"
#include "support/basStandard.h"
#include "ui/gui/DisplayScale.h"
#include "ui/gui/Paint.h"

namespace kujimate {

namespace {
QRect Scaled(int x, int y, int w, int h) { return QRect(Sx(x), Sy(y), Sx(w), Sy(h)); }
}  // namespace

HomeTab::HomeTab(QWidget* page, QObject* parent) : QObject(parent), page_(page) {
    auto* lblDai = new QLabel(QStringLiteral("第"), page);
    lblDai->setGeometry(Scaled(48, 37, 16, 22));
    txtScheduleNo_ = new QLineEdit(page);
    txtScheduleNo_->setObjectName(QStringLiteral("txtScheduleNo"));
    txtScheduleNo_->setGeometry(Scaled(66, 37, 52, 22));
    txtScheduleNo_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtScheduleNo_->setMaxLength(5);
    auto* lblKai = new QLabel(QStringLiteral("回"), page);
    lblKai->setGeometry(Scaled(140, 37, 16, 22));
    cmbKumi_ = new QComboBox(page);
    cmbKumi_->setObjectName(QStringLiteral("cmbKumi"));
    cmbKumi_->setGeometry(Scaled(162, 37, 64, 22));

    auto* fraOfficial = new QGroupBox(QStringLiteral("オフィシャルサイトよりダウンロード"), page);
    fraOfficial->setObjectName(QStringLiteral("fraOfficial"));
    fraOfficial->setGeometry(Scaled(48, 80, 449, 65));
    const char* kinds[] = {"開催情報", "投票状況", "くじ結果"};
    for (int i = 0; i < 3; ++i) {
        cmdOfficialDownload_[i] = new QPushButton(QString::fromUtf8(kinds[i]), fraOfficial);
        cmdOfficialDownload_[i]->setObjectName(QStringLiteral("cmdOfficialDownload%1").arg(i));
        cmdOfficialDownload_[i]->setGeometry(Scaled(16 + 144 * i, 24, 129, 30));
        connect(cmdOfficialDownload_[i], &QPushButton::clicked, this, [this, i] { emit OfficialDownload(i); });
    }

    auto* fraMaker = new QGroupBox(QStringLiteral("Kasumiworksよりダウンロード"), page);
    fraMaker->setGeometry(Scaled(48, 160, 265, 65));
    cmdKasumiworksDownload_ = new QPushButton(QStringLiteral("海外チーム名"), fraMaker);
    cmdKasumiworksDownload_->setObjectName(QStringLiteral("cmdKasumiworksDownload"));
    cmdKasumiworksDownload_->setGeometry(Scaled(16, 24, 129, 30));
    connect(cmdKasumiworksDownload_, &QPushButton::clicked, this, &HomeTab::KasumiworksDownload);

    chkDownload_ = new QCheckBox(QStringLiteral("ダウンロード時に確認"), page);
    chkDownload_->setObjectName(QStringLiteral("chkDownload"));
    chkDownload_->setGeometry(Scaled(328, 160, 180, 22));

    auto* fraUser = new QGroupBox(QStringLiteral("ユーザー定義"), page);
    fraUser->setGeometry(Scaled(48, 256, 265, 65));
    cmdUser2_ = new QPushButton(QStringLiteral("海外チーム名"), fraUser);
    cmdUser2_->setObjectName(QStringLiteral("cmdUser2"));
    cmdUser2_->setGeometry(Scaled(16, 24, 129, 30));
    connect(cmdUser2_, &QPushButton::clicked, this, &HomeTab::UserTeamName);

    lblSchedule_ = new QLabel(QStringLiteral("販売スケジュールを確認する"), page);
    lblSchedule_->setObjectName(QStringLiteral("lblSchedule"));
    lblSchedule_->setGeometry(Scaled(56, 344, 220, 20));
    lblSchedule_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255); text-decoration: underline;"));
    lblSchedule_->setCursor(Qt::PointingHandCursor);
    lblSchedule_->installEventFilter(this);

    auto* fraVersion = new QGroupBox(QStringLiteral("ソフトウェア情報"), page);
    fraVersion->setGeometry(Scaled(592, 8, 313, 65));
    lblVersion_ = new QLabel(fraVersion);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    lblVersion_->setGeometry(Scaled(16, 28, 280, 20));

    auto* fraKaisai = new QGroupBox(QStringLiteral("開催情報"), page);
    fraKaisai->setGeometry(Scaled(592, 80, 313, 153));
    picKaisai_ = new QWidget(fraKaisai);
    picKaisai_->setObjectName(QStringLiteral("picKaisai"));
    picKaisai_->setGeometry(Scaled(8, 22, 297, 123));
    lblKaisaiStatus_ = new QLabel(picKaisai_);
    lblKaisaiStatus_->setObjectName(QStringLiteral("lblKaisaiStatus"));
    lblKaisaiStatus_->setGeometry(Scaled(8, 4, 281, 22));
    QFont bold = lblKaisaiStatus_->font();
    bold.setBold(true);
    lblKaisaiStatus_->setFont(bold);
    lblKaisaiStatus_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    const char* titles[] = {"販売開始日：", "販売終了日：", "結果発表日："};
    for (int i = 0; i < 3; ++i) {
        lblKaisaiTitle_[i] = new QLabel(QString::fromUtf8(titles[i]), picKaisai_);
        lblKaisaiTitle_[i]->setObjectName(QStringLiteral("lblKaisaiTitle%1").arg(i));
        lblKaisaiTitle_[i]->setGeometry(Scaled(8, 36 + 28 * i, 84, 20));
        lblKaisaiList_[i] = new QLabel(picKaisai_);
        lblKaisaiList_[i]->setObjectName(QStringLiteral("lblKaisaiList%1").arg(i));
        lblKaisaiList_[i]->setGeometry(Scaled(92, 36 + 28 * i, 200, 20));
    }
}

void HomeTab::ApplyColorScheme() {
    Paint(page_, Qt::white);
    Paint(picKaisai_, Qt::white);
    Paint(chkDownload_, Qt::white);
    chkDownload_->setStyleSheet(QStringLiteral("QCheckBox { background: white; }"));
}

bool HomeTab::eventFilter(QObject* watched, QEvent* e) {
    if (watched == lblSchedule_ && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
        emit SalesSchedule();
    return QObject::eventFilter(watched, e);
}

void HomeTab::ShowKaisaiInfo(const ScheduleRecord& schedule) {
    const Date now = Now();
    if (schedule.DrawNo < 1) {
        picKaisai_->hide();
        return;
    }
    picKaisai_->show();
    lblKaisaiStatus_->setText(QString::fromStdString(KaisaiStatusText(now, schedule)));
    const Date dates[] = {schedule.SaleStart, schedule.SaleEnd, schedule.ResultDate};
    for (int i = 0; i < 3; ++i) lblKaisaiList_[static_cast<size_t>(i)]->setText(QString::fromStdString(DateText(dates[i])));
}

void HomeTab::ShowVersion() { lblVersion_->setText(QString::fromStdString(VersionLabelText())); }

void HomeTab::SetDownloadButtons(bool scheduleStored, bool voteStored, bool resultStored) {
    cmdOfficialDownload_[0]->setEnabled(!scheduleStored);
    cmdOfficialDownload_[1]->setEnabled(!voteStored);
    cmdOfficialDownload_[2]->setEnabled(!resultStored);
}

}  // namespace kujimate
