// The File menu: the user's singles list in CSV files, the save question that guards a
// changed list, the recovery copy of an unsaved one and the recent files.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

#include <filesystem>

#include "shell/gui/clsCommonDialog.h"
#include "shell/gui/frmMain.h"
#include "singles/clsTFileCSV.h"
#include "support/Report.h"
#include "support/clsFileSystemObject.h"

namespace kujimate {

namespace {
// Busy for the lifetime of the object: tabs, downloads and closing wait.
class BusyScope {
public:
    explicit BusyScope(frmMain& w) : w_(w) { w_.SetBusy(true); }
    ~BusyScope() { w_.SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    frmMain& w_;
};

QString WithCsvExtension(const QString& path) {
    return QString::fromStdString(clsFileSystemObject().ExtensionCheck(path.toStdString(), "csv"));
}
}  // namespace

void frmMain::ClearSingles() {
    doc_.Clear();
    cTResult.Clear();
    SetTitle();
}

bool frmMain::MayReplaceList() {
    if (!doc_.IsChanged()) return true;
    switch (Report().QuestionCancel("シングルリストは変更されています。保存しますか？", AppTitle)) {
        case Answer::Yes: return FileSave();
        case Answer::No: return true;
        case Answer::Cancel: break;
    }
    return false;
}

void frmMain::FileNew() {
    if (busy_ || !MayReplaceList()) return;
    SelectTab(0);
    ClearSingles();
}

void frmMain::FileOpen() {
    if (busy_ || !MayReplaceList()) return;
    const QString proposed = QString::fromStdString(clsTFileCSV::GetCsvFileName(kaisaikai_, kumi_));
    QString path = clsCommonDialog().OpenFile(this, CsvFilter(), userDataFolder_, proposed,
                                              QStringLiteral("ファイルを開く"), false, 1);
    if (path.isEmpty()) return;
    OpenPath(path);
}

void frmMain::OpenFromOutside(const QString& path) {
    if (busy_ || path.isEmpty() || !MayReplaceList()) return;
    // A path from the command line is the user's, relative to where they are.
    OpenPath(QFileInfo(path).absoluteFilePath());
}

void frmMain::OpenPath(QString path) {
    path = WithCsvExtension(path);
    ClearSingles();
    bool loaded = false;
    std::vector<int32_t> list;
    {
        BusyScope busy(*this);
        int32_t count = 0;
        loaded = clsTFileCSV().CsvLoad(path.toStdString(), count, list);
        if (loaded) list.resize(static_cast<size_t>(count));
    }
    // A file that could not be read must not become the target of the next Save.
    if (loaded) doc_.Load(std::move(list), path.toStdString());
    const int32_t n = clsTFileCSV::GetKaisaikai(path.toStdString());
    if (n > 0) cTMain.SetKaisaikai(n);
    SelectTab(1);
    if (loaded) recent_.Add(path.toStdString());
    else recent_.Remove(path.toStdString());
    RebuildRecentMenu();
    SetTitle();
}

bool frmMain::FileSave() {
    if (busy_) return false;
    if (doc_.CurrentFile().empty()) return FileSaveAs();
    const std::string file = doc_.CurrentFile();
    bool saved = false;
    {
        BusyScope busy(*this);
        saved = clsTFileCSV().CsvSave(file, doc_.Count(), doc_.Singles());
    }
    if (saved) {
        doc_.Saved(file);
        recent_.Add(file);
        RebuildRecentMenu();
    }
    return saved;
}

bool frmMain::FileSaveAs() {
    if (busy_) return false;
    const QString current = CurrentFile();
    const QString proposed =
        !current.isEmpty() ? current : QString::fromStdString(clsTFileCSV::GetCsvFileName(kaisaikai_, kumi_));
    QString path = clsCommonDialog().SaveFile(this, CsvFilter(), userDataFolder_, proposed,
                                              QStringLiteral("名前を付けて保存"));
    if (path.isEmpty()) return false;
    path = WithCsvExtension(path);
    bool saved = false;
    {
        BusyScope busy(*this);
        saved = clsTFileCSV().CsvSave(path.toStdString(), doc_.Count(), doc_.Singles());
    }
    // A failed save claims no path: the list stays changed and keeps its file.
    if (saved) {
        doc_.Saved(path.toStdString());
        recent_.Add(path.toStdString());
        RebuildRecentMenu();
    }
    SetTitle();
    return saved;
}

void frmMain::RebuildRecentMenu() {
    mnuFile_Recent_->clear();
    const auto& paths = recent_.Paths();
    for (size_t i = 0; i < paths.size(); ++i) {
        const QString path = QString::fromStdString(paths[i]);
        QAction* a = mnuFile_Recent_->addAction(QStringLiteral("&%1 ").arg(i + 1) + QDir::toNativeSeparators(path));
        a->setObjectName(QStringLiteral("mnuFile_Recent_Item"));
        a->setData(path);
        connect(a, &QAction::triggered, this, [this, path] { OpenFromOutside(path); });
    }
    mnuFile_Recent_->setEnabled(!paths.empty());
}

QString frmMain::RecoveryPath() const {
    return QString::fromStdString(clsFileSystemObject().GetFullPath(RecoveryFileName));
}

void frmMain::DocumentEdited() {
    // At most one write per interval, the first one an interval after the first change.
    if (!recoveryTimer_->isActive()) recoveryTimer_->start(RecoveryDelayMs);
}

void frmMain::DocumentStateChanged() {
    SetTitle();
    mnuEdit_Undo_->setEnabled(doc_.CanUndo());
    mnuEdit_Redo_->setEnabled(doc_.CanRedo());
    // Back at the saved list (saved, opened, new, or undone to it): nothing to recover.
    if (!doc_.IsChanged()) RemoveRecovery();
}

void frmMain::WriteRecovery() {
    if (!doc_.IsChanged()) return;
    // Never in the middle of a long operation: try again once it is over.
    if (busy_) {
        recoveryTimer_->start(RecoveryDelayMs / 4);
        return;
    }
    RecoveryCopy copy{kaisaikai_, doc_.CurrentFile(), doc_.Singles()};
    if (WriteRecoveryCopy(RecoveryPath().toStdString(), copy)) recoveryOwned_ = true;
    else recoveryTimer_->start(RecoveryDelayMs);
}

void frmMain::RemoveRecovery() {
    if (recoveryTimer_) recoveryTimer_->stop();
    // Another session's copy waits for the question at start.
    if (!recoveryOwned_) return;
    recoveryOwned_ = false;
    std::error_code ec;
    std::filesystem::remove(std::filesystem::path(RecoveryPath().toStdString()), ec);
}

void frmMain::OfferRecovery() {
    const std::string path = RecoveryPath().toStdString();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return;
    std::optional<RecoveryCopy> copy = ReadRecoveryCopy(path);
    if (!copy) {
        // Torn or foreign: nothing in it can be trusted.
        std::filesystem::remove(path, ec);
        return;
    }
    if (!AppQuestion("前回保存されなかったシングルリストがあります。復元しますか？")) {
        std::filesystem::remove(path, ec);
        return;
    }
    ClearSingles();
    recoveryOwned_ = true;
    doc_.Restore(std::move(copy->Singles), copy->File);
    if (copy->Kaisaikai > 0) cTMain.SetKaisaikai(copy->Kaisaikai);
    SelectTab(1);
    SetTitle();
}

void frmMain::StartUp(const QStringList& files) {
    OfferRecovery();
    for (const QString& f : files)
        if (!f.startsWith(QLatin1Char('-'))) {
            OpenFromOutside(f);
            break;
        }
}

}  // namespace kujimate
