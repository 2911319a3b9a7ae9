#include "shell/gui/Startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QUrl>

#include "refdata/clsTGameType.h"
#include "shell/basMain.h"
#include "shell/clsShell.h"
#include "shell/gui/Pictures.h"
#include "shell/gui/frmLoad.h"
#include "site/OfficialPageParsers.h"
#include "shell/gui/frmMain.h"
#include "site/basBigSettings.h"
#include "site/gui/frmWinInet.h"
#include "support/Report.h"
#include "support/basStandard.h"

namespace kujimate {

namespace {
std::unique_ptr<clsToto> g_toto;
std::unique_ptr<frmWinInet> g_winInet;

bool OpenWithDesktop(const ShellRequest& r, const bool& abortFlag) {
    QString program = QString::fromStdString(r.program);
    QStringList params = QProcess::splitCommand(QString::fromStdString(r.parameters));
    if (r.parameters.empty() && !r.wait) {
        // A URL or a document: the desktop's default handler.
        QUrl url = QUrl::fromUserInput(program, QString(), QUrl::AssumeLocalFile);
        if (url.isValid() && QDesktopServices::openUrl(url)) return true;
    }
    QProcess proc;
    proc.setProgram(program);
    proc.setArguments(params);
    if (!r.wait) {
        if (proc.startDetached()) return true;
        // Fallback: the whole line as a program.
        QStringList all = QProcess::splitCommand(QString::fromStdString(r.commandLine));
        if (all.isEmpty()) return false;
        return QProcess::startDetached(all.takeFirst(), all);
    }
    proc.start();
    if (!proc.waitForStarted(5000)) return false;
    while (!abortFlag && !proc.waitForFinished(100)) QApplication::processEvents();
    return true;
}
}  // namespace

clsToto& SharedToto() {
    if (!g_toto) g_toto = std::make_unique<clsToto>();
    return *g_toto;
}

namespace {
void LoadQtTranslation() {
    static QTranslator* translator = nullptr;
    if (translator) return;
    translator = new QTranslator(qApp);
    // A portable folder may carry its own copy; else the one installed with Qt.
    const QStringList folders = {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folders)
        if (translator->load(QStringLiteral("qtbase_ja"), folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
}
}  // namespace

void SetUpApplication() {
    // Qt's own dialogs and buttons speak the program's language.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    LoadQtTranslation();
    InstallOfficialPageParsers();
    QApplication::setApplicationName(QStringLiteral("KUJIMATE"));
    QApplication::setApplicationVersion(QString::fromStdString(GetVersionString()));
    QApplication::setWindowIcon(AppIcon());
    QFont f = QApplication::font();
    f.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                   QStringLiteral("IPAゴシック"), QStringLiteral("Noto Sans CJK JP")});
    f.setPixelSize(12);
    QApplication::setFont(f);
    // Qt widget coordinates already are 96-dpi pixels: no second scaling.
    SetLogicalDpiSource([](bool) { return 96.0; });
    clsShell::SetOpener(OpenWithDesktop);
    // The one progress window every download writes into.
    if (!g_winInet) g_winInet = std::make_unique<frmWinInet>();
    SetWinInetLog(g_winInet.get());
}

std::unique_ptr<frmMain> StartMain() {
    std::string failure = StartupCheckMessage();
    if (!failure.empty()) {
        AppMessage(failure, MsgIcon::Error);
        return nullptr;
    }
    LoadBigSettings();
    SharedToto();
    frmLoad splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();
    auto main = std::make_unique<frmMain>();
    main->Load();
    main->show();
    main->SetFormSize();
    splash.close();
    return main;
}

int Main() {
    SetUpApplication();
    std::unique_ptr<frmMain> main = StartMain();
    if (!main) return 1;
    main->StartUp(QCoreApplication::arguments().mid(1));
    return QApplication::exec();
}

}  // namespace kujimate
