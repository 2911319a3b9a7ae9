#include "refdata/gui/frmTeamName.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "refdata/UserTeamName.h"

namespace kujimate {

frmTeamName::frmTeamName(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmTeamName"));
    setWindowTitle(QString::fromUtf8(UserTeamName::Title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(400, 196);
    auto* intro = new QLabel(QStringLiteral("追加するチーム名を入力して下さい"), this);
    intro->setObjectName(QStringLiteral("lblTitle"));
    intro->setGeometry(16, 12, 368, 20);
    auto* lblMeisho = new QLabel(QStringLiteral("名称"), this);
    lblMeisho->setObjectName(QStringLiteral("lblMeisho"));
    lblMeisho->setGeometry(16, 44, 48, 24);
    txtMeisho_ = new QLineEdit(this);
    txtMeisho_->setObjectName(QStringLiteral("txtMeisho"));
    txtMeisho_->setAccessibleName(lblMeisho->text());
    txtMeisho_->setGeometry(72, 44, 312, 24);
    auto* lblRyakusho = new QLabel(QStringLiteral("略称"), this);
    lblRyakusho->setObjectName(QStringLiteral("lblRyakusho"));
    lblRyakusho->setGeometry(16, 78, 48, 24);
    txtRyakusho_ = new QLineEdit(this);
    txtRyakusho_->setObjectName(QStringLiteral("txtRyakusho"));
    txtRyakusho_->setAccessibleName(lblRyakusho->text());
    txtRyakusho_->setGeometry(72, 78, 140, 24);
    auto* hint = new QLabel(QStringLiteral("略称は最大6文字です。海外チーム名は半角カナで入力して下さい。"), this);
    hint->setObjectName(QStringLiteral("lblHint"));
    hint->setWordWrap(true);
    hint->setGeometry(16, 112, 368, 36);
    cmdAdd_ = new QPushButton(QStringLiteral("追加"), this);
    cmdAdd_->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd_->setGeometry(200, 156, 88, 28);
    cmdAdd_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setGeometry(296, 156, 88, 28);
    txtRyakusho_->setText(QString::fromStdString(UserTeamName::OfferedShortName()));
    txtMeisho_->setText(QString::fromStdString(UserTeamName::OfferedLongName()));
    connect(cmdAdd_, &QPushButton::clicked, this, [this] {
        if (UserTeamName::Add(txtRyakusho_->text().toStdString(), txtMeisho_->text().toStdString())) accept();
    });
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmTeamName::ShowDialog(QWidget* owner) {
    frmTeamName dialog(owner);
    dialog.exec();
}

}  // namespace kujimate
