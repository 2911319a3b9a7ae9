// The window's File > Open, Save and Save As of big lists, and showing the Check tab, on the
// offscreen platform with the window's own progress dialog and event processing: what the
// user waits for, from the command to the painted window. TMPDIR=/dev/shm leaves the disk's
// sync out of the saves.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <filesystem>
#include <map>

#include "BenchLists.h"
#include "BenchWindow.h"
#include "shell/gui/clsCommonDialog.h"
#include "shell/gui/frmMain.h"
#include "singles/clsTFileCSV.h"
#include "shell/gui/QtReporter.h"

using namespace kujimate;
namespace fs = std::filesystem;

namespace {

// The shared window with the window's reporter installed and a file per list size.
struct Harness {
    Harness() : b(bench::SharedWindow()) {
        reporter.SetOwner(b.w.get());
        SetReporter(&reporter);
    }
    ~Harness() { SetReporter(&b.quiet); }
    const std::string& File(int64_t singles) {
        std::string& path = files[singles];
        if (path.empty()) {
            path = b.UserFile("KMATE-812-" + std::to_string(singles) + ".csv");
            std::vector<int32_t> list;
            for (int64_t left = singles; left > 0; left -= bench::Million) {
                const auto part = bench::RandomSingles(static_cast<int32_t>(std::min<int64_t>(left, bench::Million)));
                list.insert(list.end(), part.begin(), part.end());
            }
            QuietReports quiet;
            clsTFileCSV().CsvSave(path, static_cast<int32_t>(singles), list);
        }
        return path;
    }
    // Runs a menu command whose file dialog answers path, and paints what it changed.
    void Command(const char* action, const std::string& path) {
        clsCommonDialog::SetScript([path](const clsCommonDialog::Request&) { return QString::fromStdString(path); });
        b.w->Action(QString::fromLatin1(action))->trigger();
        QApplication::processEvents();
    }
    void Open(int64_t singles) {
        Command("mnuFile_Open", File(singles));
        if (static_cast<int64_t>(b.w->Singles().size()) != singles) std::abort();
    }

    bench::BenchWindow& b;
    QtReporter reporter;
    std::map<int64_t, std::string> files;
};

Harness& H() {
    static Harness h;
    return h;
}

void WindowOpen(benchmark::State& state) {
    Harness& h = H();
    h.File(state.range(0));
    for (auto _ : state) h.Open(state.range(0));
}
BENCHMARK(WindowOpen)->ArgName("singles")->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

void WindowSave(benchmark::State& state) {
    Harness& h = H();
    h.Open(state.range(0));
    for (auto _ : state) h.Command("mnuFile_Save", {});
}
BENCHMARK(WindowSave)->ArgName("singles")->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

void WindowSaveAs(benchmark::State& state) {
    Harness& h = H();
    h.Open(state.range(0));
    const std::string path = h.b.UserFile("saved-as.csv");
    for (auto _ : state) h.Command("mnuFile_SaveAs", path);
    fs::remove(path);
}
BENCHMARK(WindowSaveAs)->ArgName("singles")->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

// The hand-over to the Check tab with its progress dialog, judging, every result shown.
void WindowCheckTab(benchmark::State& state) {
    Harness& h = H();
    h.Open(bench::Million);
    h.b.w->chkResultAll()->setChecked(true);
    for (auto _ : state) {
        state.PauseTiming();
        h.b.w->SelectTab(0);
        QApplication::processEvents();
        state.ResumeTiming();
        h.b.w->SelectTab(2);
        QApplication::processEvents();
    }
}
BENCHMARK(WindowCheckTab)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunGuiBenchmarks(argc, argv); }
