// The Check tab on the offscreen platform with 1,000,000 singles: showing the tab, a click on
// the multi-result grid, a page flip and the grade sort from its button, each with the
// repaint that follows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <memory>

#include "BenchWindow.h"
#include "check/gui/CheckTab.h"
#include "shell/gui/frmMain.h"

using namespace kujimate;

namespace {

// The shared window with the Check tab's widgets at hand.
struct Harness {
    Harness() : b(bench::SharedWindow()), w(b.w), tab(w->Check()) { Show(true); }
    void Reload() { b.Reload(); }
    void Show(bool all) {
        w->chkResultAll()->setChecked(all);
        w->SelectTab(2);
        QApplication::processEvents();
    }
    bench::BenchWindow& b;
    std::unique_ptr<frmMain>& w;
    CheckTab* tab;
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
    QLabel* next = h.tab->imgRMoveNext();
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

int main(int argc, char** argv) { return bench::RunGuiBenchmarks(argc, argv); }
