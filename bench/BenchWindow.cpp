#include "BenchWindow.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "BenchLists.h"
#include "shell/gui/Startup.h"
#include "shell/gui/clsCommonDialog.h"
#include "singles/clsTFileCSV.h"
#include "support/clsFileSystemObject.h"

namespace fs = std::filesystem;

namespace kujimate::bench {

struct BenchWindow::Folder {
    fs::path path;
    std::string csv;
};

BenchWindow::BenchWindow() : folder_(std::make_unique<Folder>()) {
    std::string tmpl = (fs::temp_directory_path() / "kujimate-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) std::abort();
    const fs::path folder = tmpl;
    folder_->path = folder;
    clsFileSystemObject::SetProgramFolder(folder.string());
    fs::create_directories(folder / "SysData");
    for (const auto& e : fs::directory_iterator(KUJIMATE_SYSDATA_SOURCE))
        fs::copy_file(e.path(), folder / "SysData" / e.path().filename());
    for (const char* kind : {"Schedule", "Vote", "Result"}) {
        std::string lower = kind;
        lower[0] = static_cast<char>(std::tolower(lower[0]));
        fs::create_directories(folder / "SysData" / ("BIG1000_" + std::string(kind)));
        fs::copy_file(fs::path(KUJIMATE_FIXTURES) / "drawdata" / ("big1000_" + lower + "_812.xml"),
                      folder / "SysData" / ("BIG1000_" + std::string(kind)) / ("big1000_" + lower + "_812.xml"));
    }
    w = StartMain();
    folder_->csv = (folder / "UserData/KUJIMATE/KMATE-812.csv").string();
    clsTFileCSV().CsvSave(folder_->csv, Million, RandomSingles(Million));
    const std::string csv = folder_->csv;
    clsCommonDialog::SetScript([csv](const clsCommonDialog::Request&) { return QString::fromStdString(csv); });
    Reload();
    if (w->Singles().size() != static_cast<size_t>(Million)) std::abort();
}

BenchWindow::~BenchWindow() {
    clsCommonDialog::SetScript(nullptr);
    w.reset();
    std::error_code ec;
    fs::remove_all(folder_->path, ec);
}

std::string BenchWindow::UserFile(const std::string& name) const {
    return (folder_->path / "UserData/KUJIMATE" / name).string();
}

void BenchWindow::Reload() { w->Action(QStringLiteral("mnuFile_Open"))->trigger(); }

BenchWindow& SharedWindow() {
    static BenchWindow window;
    return window;
}

int RunGuiBenchmarks(int argc, char** argv) {
    // offscreen unless told otherwise (QT_QPA_PLATFORM=xcb under a virtual X server)
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace kujimate::bench
