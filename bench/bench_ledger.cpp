// The season ledger over 100 singles files of 100,000 singles each (10,000,000 singles): the
// table as the companion builds it and, with a display, as the window shows it.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "BenchLists.h"
#include "drawdata/clsXmlResult.h"
#include "ledger/clsTLedger.h"
#include "singles/clsTFileCSV.h"
#include "support/Report.h"
#include "support/clsFileSystemObject.h"

#ifdef KUJIMATE_BENCH_GUI
#include <QApplication>
#include <QTableWidget>

#include "ledger/gui/frmLedger.h"
#include "shell/gui/Startup.h"
#include "shell/gui/QtReporter.h"
#endif

using namespace kujimate;
namespace fs = std::filesystem;

namespace {

constexpr int Files = 100;
constexpr int32_t PerFile = 100000;
constexpr int32_t FirstDraw = 1001;

// A program folder of its own: draws 1001..1100, one file each, the results of all but
// every tenth draw stored (one in twenty called off).
struct Season {
    Season() {
        path = fs::temp_directory_path() / ("kujimate-bench-ledger-" + std::to_string(::getpid()));
        fs::create_directories(path / "UserData/KUJIMATE");
        clsFileSystemObject::SetProgramFolder(path.string());
        QuietReports quiet;
        for (int i = 0; i < Files; ++i) {
            const int32_t draw = FirstDraw + i;
            std::vector<int32_t> list = bench::RandomSingles(PerFile);
            for (auto& s : list) s = (s + 7919 * i) % 177147;
            clsTFileCSV().CsvSave((folder() / clsTFileCSV::GetCsvFileName(draw, "")).string(), PerFile, list);
            if (i % 10 == 9) continue;
            ResultRecord r = bench::TypicalResult();
            r.DrawNo = draw;
            if (i % 20 == 4) {
                r.Cancelled = true;
                for (int g = 1; g <= 11; ++g) r.Games[g].Outcome = 3;
            }
            clsXmlResult x;
            x.SetRecord(r);
            x.XmlSave(x.GetFileName(draw, ""));
        }
    }
    ~Season() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    fs::path folder() const { return path / "UserData/KUJIMATE"; }
    fs::path path;
};

Season& TheSeason() {
    static Season s;
    return s;
}

void LedgerTable(benchmark::State& state) {
    Season& s = TheSeason();
    QuietReports quiet;
    for (auto _ : state) {
        clsTLedger ledger;
        ledger.Build(s.folder().string(), 200);
        benchmark::DoNotOptimize(ledger.TabText());
        if (ledger.Total().Singles != int64_t{Files} * PerFile) state.SkipWithError("singles missing");
    }
}
BENCHMARK(LedgerTable)->Unit(benchmark::kMillisecond)->Iterations(5);

#ifdef KUJIMATE_BENCH_GUI
// The window's refresh: the progress dialog, the table and the chart, drawn.
void LedgerWindow(benchmark::State& state) {
    Season& s = TheSeason();
    frmLedger w(nullptr, QString::fromStdString(s.folder().string()), false);
    QtReporter reporter;
    reporter.SetOwner(&w);
    SetReporter(&reporter);
    w.show();
    QApplication::processEvents();
    for (auto _ : state) {
        w.Refresh();
        w.repaint();
        QApplication::processEvents();
        if (w.Table()->rowCount() != Files + 1) state.SkipWithError("rows missing");
    }
    SetReporter(nullptr);
}
BENCHMARK(LedgerWindow)->Unit(benchmark::kMillisecond)->Iterations(5);
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef KUJIMATE_BENCH_GUI
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    SetUpApplication();
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
