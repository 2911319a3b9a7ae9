#include "shell/gui/frmAbout.h"

#include <QLabel>
#include <QPushButton>

#include "shell/clsShell.h"
#include "shell/gui/Pictures.h"
#include "support/basStandard.h"

namespace kujimate {

frmAbout::frmAbout(QWidget* owner, const QString& versionText) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setModal(true);
    setFixedSize(420, 300);
    auto* logo = new QLabel(this);
    logo->setPixmap(LogoPicture(396, 120));
    logo->setGeometry(12, 12, 396, 120);
    auto* title = new QLabel(QStringLiteral("KUJIMATE"), this);
    QFont tf = title->font();
    tf.setPixelSize(16);
    tf.setBold(true);
    title->setFont(tf);
    title->setGeometry(16, 140, 380, 22);
    auto* version = new QLabel(QStringLiteral("Version ") + versionText + QStringLiteral(" [ファイナル候補版]"), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setGeometry(16, 166, 380, 18);
    auto* notice = new QLabel(QString::fromStdString(GetLegalNotice()), this);
    notice->setGeometry(16, 188, 380, 18);
    auto link = [this](const QString& text, const char* url, int y) {
        auto* l = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(QString::fromUtf8(url), text), this);
        l->setTextFormat(Qt::RichText);
        l->setTextInteractionFlags(Qt::TextBrowserInteraction);
        l->setOpenExternalLinks(false);
        l->setGeometry(16, y, 380, 18);
        connect(l, &QLabel::linkActivated, this, [](const QString& u) { clsShell().ShellX(u.toStdString()); });
    };
    link(QStringLiteral("メール：support@kasumiworks.invalid"), MakerMailUrl, 212);
    link(QStringLiteral("Web：www.kasumiworks.invalid"), MakerWebUrl, 232);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(318, 262, 90, 26);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace kujimate
