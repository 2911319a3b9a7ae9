// The Single tab with a million singles, on the offscreen platform: what the window does
// for each user action, without the event loop's painting.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "BenchLists.h"
#include "shell/gui/Startup.h"
#include "shell/gui/clsCommonDialog.h"
#include "shell/gui/frmMain.h"
#include "singles/clsTNumber.h"
#include "support/clsFileSystemObject.h"

using namespace kujimate;
namespace fs = std::filesystem;

namespace {

// One window for every benchmark: a program folder of its own with a million singles opened.
struct Window {
    fs::path folder;
    std::unique_ptr<frmMain> w;

    Window() {
        std::string tmpl = (fs::temp_directory_path() / "kujimate-bench-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) std::abort();
        folder = tmpl;
        clsFileSystemObject::SetProgramFolder(folder.string());
        fs::create_directories(folder / "SysData");
        for (const auto& e : fs::directory_iterator(fs::path(KUJIMATE_PROGRAM_DIR) / "SysData"))
            if (e.path().extension() == ".dat") fs::copy_file(e.path(), folder / "SysData" / e.path().filename());
        const fs::path csv = folder / "KMATE-100.csv";
        {
            std::ofstream out(csv, std::ios::binary);
            uint8_t d[SingleGames];
            for (int32_t s : bench::RandomSingles(bench::Million)) {
                UnpackSingle(s, d);
                std::string line;
                for (int g = 0; g < SingleGames; ++g) line += (g ? "," : "") + std::to_string(d[g]);
                out << line << "\r\n";
            }
        }
        w = StartMain();
        clsCommonDialog::SetScript([csv](const clsCommonDialog::Request&) { return QString::fromStdString(csv.string()); });
        w->Action(QStringLiteral("mnuFile_Open"))->trigger();
        clsCommonDialog::SetScript(nullptr);
        QApplication::processEvents();
    }
    ~Window() {
        w.reset();
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

Window& Shared() {
    static Window window;
    return window;
}

void ShowSingleTab(benchmark::State& state) {
    frmMain& w = *Shared().w;
    for (auto _ : state) {
        state.PauseTiming();
        w.SelectTab(0);
        state.ResumeTiming();
        w.SelectTab(1);
    }
    state.counters["singles"] = static_cast<double>(w.TSingle().Count());
}
BENCHMARK(ShowSingleTab)->Unit(benchmark::kMillisecond);

void SetSingleFirstPage(benchmark::State& state) {
    frmMain& w = *Shared().w;
    w.SelectTab(1);
    const std::vector<int32_t> list = w.Singles();
    for (auto _ : state) {
        w.TSingle().SetSingle(static_cast<int32_t>(list.size()), list);
        w.TSingle().MovePage(0);
    }
}
BENCHMARK(SetSingleFirstPage)->Unit(benchmark::kMillisecond);

void PageFlip(benchmark::State& state) {
    frmMain& w = *Shared().w;
    w.SelectTab(1);
    bool forward = true;
    for (auto _ : state) {
        if (forward) w.TSingle().MoveNext();
        else w.TSingle().MovePrevious();
        forward = !forward;
    }
}
BENCHMARK(PageFlip)->Unit(benchmark::kMillisecond);

void MarkPress(benchmark::State& state) {
    frmMain& w = *Shared().w;
    w.SelectTab(1);
    int code = 0;
    for (auto _ : state) {
        w.TSingle().MouseDown(3, code, 5, 1);
        code = (code + 1) % 3;
    }
}
BENCHMARK(MarkPress)->Unit(benchmark::kMillisecond);

void Selection(benchmark::State& state) {
    frmMain& w = *Shared().w;
    w.SelectTab(1);
    for (auto _ : state) w.TSingle().NoClick(4);
}
BENCHMARK(Selection)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
