// The File menu: the user's singles list in CSV files.
#include "analysis/clsTSingleFrame.h"
#include "shell/gui/clsCommonDialog.h"
#include "shell/gui/frmMain.h"
#include "singles/clsTFileCSV.h"
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
    singles_.clear();
    frame_ = {};
    frameZero_ = {};
    cTResult.Clear();
    currentFile_.clear();
    SetTitle();
}

void frmMain::FileNew() {
    SelectTab(0);
    ClearSingles();
}

void frmMain::FileOpen() {
    const QString proposed = QString::fromStdString(clsTFileCSV::GetCsvFileName(kaisaikai_, kumi_));
    QString path = clsCommonDialog().OpenFile(this, CsvFilter(), userDataFolder_, proposed,
                                              QStringLiteral("ファイルを開く"), false, 1);
    if (path.isEmpty()) return;
    path = WithCsvExtension(path);
    ClearSingles();
    bool loaded = false;
    {
        BusyScope busy(*this);
        int32_t count = 0;
        std::vector<int32_t> list;
        loaded = clsTFileCSV().CsvLoad(path.toStdString(), count, list);
        if (loaded) {
            list.resize(static_cast<size_t>(count));
            singles_ = std::move(list);
        }
        SingleFrame frame{};
        clsTSingleFrame().GetSingleFrame(static_cast<int32_t>(singles_.size()), singles_, frame);
        frame_ = frame;
    }
    const int32_t n = clsTFileCSV::GetKaisaikai(path.toStdString());
    if (n > 0) cTMain.SetKaisaikai(n);
    SelectTab(1);
    // A file that could not be read must not become the target of the next Save.
    if (loaded) currentFile_ = path;
    SetTitle();
}

void frmMain::FileSave() {
    if (currentFile_.isEmpty()) {
        FileSaveAs();
        return;
    }
    BusyScope busy(*this);
    clsTFileCSV().CsvSave(currentFile_.toStdString(), static_cast<int32_t>(singles_.size()), singles_);
}

void frmMain::FileSaveAs() {
    const QString proposed = !currentFile_.isEmpty()
                                 ? currentFile_
                                 : QString::fromStdString(clsTFileCSV::GetCsvFileName(kaisaikai_, kumi_));
    QString path = clsCommonDialog().SaveFile(this, CsvFilter(), userDataFolder_, proposed,
                                              QStringLiteral("名前を付けて保存"));
    if (path.isEmpty()) return;
    path = WithCsvExtension(path);
    {
        BusyScope busy(*this);
        clsTFileCSV().CsvSave(path.toStdString(), static_cast<int32_t>(singles_.size()), singles_);
    }
    currentFile_ = path;
    SetTitle();
}

}  // namespace kujimate
