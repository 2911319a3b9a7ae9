// The Check tab on the offscreen platform with 1,000,000 singles: showing the tab, a click on
// the multi-result grid, a page flip and the grade sort from its button, each with the
// repaint that follows.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "BenchLists.h"
#include "check/gui/CheckTab.h"
#include "shell/gui/Startup.h"
#include "shell/gui/clsCommonDialog.h"
#include "shell/gui/frmMain.h"
#include "singles/clsTFileCSV.h"
#include "support/Report.h"
#include "support/clsFileSystemObject.h"

using namespace kujimate;
namespace fs = std::filesystem;

namespace {

// A program folder with the dictionaries and draw 812's schedule, final vote and result,
// and a main window holding the million singles of a file.
class Harness {
public:
    Harness() {
        std::string tmpl = (fs::temp_directory_path() / "kujimate-bench-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) std::abort();
        folder_ = tmpl;
        clsFileSystemObject::SetProgramFolder(folder_.string());
        fs::create_directories(folder_ / "SysData");
        for (const auto& e : fs::directory_iterator(KUJIMATE_SYSDATA_SOURCE))
            fs::copy_file(e.path(), folder_ / "SysData" / e.path().filename());
        for (const char* kind : {"Schedule", "Vote", "Result"}) {
            std::string lower = kind;
            lower[0] = static_cast<char>(std::tolower(lower[0]));
            fs::create_directories(folder_ / "SysData" / ("BIG1000_" + std::string(kind)));
            fs::copy_file(fs::path(KUJIMATE_FIXTURES) / "drawdata" / ("big1000_" + lower + "_812.xml"),
                          folder_ / "SysData" / ("BIG1000_" + std::string(kind)) / ("big1000_" + lower + "_812.xml"));
        }
        w = StartMain();
        csv_ = (folder_ / "UserData/KUJIMATE/KMATE-812.csv").string();
        clsTFileCSV().CsvSave(csv_, bench::Million, bench::RandomSingles(bench::Million));
        clsCommonDialog::SetScript([this](const clsCommonDialog::Request&) { return QString::fromStdString(csv_); });
        Reload();
        tab = w->Check();
        Show(true);
        if (tab->lblRSingleCount->text() != QStringLiteral("1,000,000")) std::abort();
    }
    ~Harness() {
        clsCommonDialog::SetScript(nullptr);
        w.reset();
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    // The file's list again, in its own order.
    void Reload() { w->Action(QStringLiteral("mnuFile_Open"))->trigger(); }
    void Show(bool all) {
        w->chkResultAll()->setChecked(all);
        w->SelectTab(2);
        QApplication::processEvents();
    }

    RecordingReporter quiet;
    std::unique_ptr<frmMain> w;
    CheckTab* tab = nullptr;

private:
    fs::path folder_;
    std::string csv_;
};

Harness& H() {
    static Harness h;
    return h;
}

void ShowCheckTab(benchmark::State& state) {
    Harness& h = H();
    h.w->chkResultAll()->setChecked(true);
    for (auto _ : state) {
        state.PauseTiming();
        h.w->SelectTab(0);
        QApplication::processEvents();
        state.ResumeTiming();
        h.w->SelectTab(2);
        QApplication::processEvents();
    }
}
BENCHMARK(ShowCheckTab)->Unit(benchmark::kMillisecond);

// With the official result, and for a draw without one, where every click also writes the
// user's marks to the cache file.
void MultiResultClick(benchmark::State& state) {
    Harness& h = H();
    if (state.range(0) == 0) h.w->txtScheduleNo()->setText(QStringLiteral("813"));
    h.Show(false);
    int match = 0;
    for (auto _ : state) {
        emit h.tab->MultiGrid().MouseClick(1, 0, 1, 2 + match);
        QApplication::processEvents();
        match = (match + 1) % 11;
    }
    h.w->txtScheduleNo()->setText(QStringLiteral("812"));
}
BENCHMARK(MultiResultClick)->Arg(1)->Arg(0)->ArgName("official")->Unit(benchmark::kMillisecond);

void PageFlip(benchmark::State& state) {
    Harness& h = H();
    h.Show(true);
    QLabel* next = h.tab->imgRMoveNext;
    const QPointF at(5, 5);
    for (auto _ : state) {
        QMouseEvent release(QEvent::MouseButtonRelease, at, next->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(next, &release);
        QApplication::processEvents();
    }
}
BENCHMARK(PageFlip)->Unit(benchmark::kMicrosecond);

void GradeSortButton(benchmark::State& state) {
    Harness& h = H();
    QPushButton* sort = h.w->findChild<QPushButton*>(QStringLiteral("cmdSortResult"));
    for (auto _ : state) {
        state.PauseTiming();
        h.Reload();
        h.Show(true);
        state.ResumeTiming();
        sort->click();
        QApplication::processEvents();
    }
}
BENCHMARK(GradeSortButton)->Unit(benchmark::kMillisecond);

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
