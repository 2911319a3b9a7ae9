// The Single tab with a million singles and draw 812's vote figures, on the offscreen
// platform: what the window does for each user action, without the event loop's painting.
#include <benchmark/benchmark.h>

#include "BenchWindow.h"

using namespace kujimate;

namespace {

frmMain& Window() { return *bench::SharedWindow().w; }

void ShowSingleTab(benchmark::State& state) {
    frmMain& w = Window();
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
    frmMain& w = Window();
    w.SelectTab(1);
    const std::vector<int32_t> list = w.Singles();
    for (auto _ : state) {
        w.TSingle().SetSingle(static_cast<int32_t>(list.size()), list);
        w.TSingle().MovePage(0);
    }
}
BENCHMARK(SetSingleFirstPage)->Unit(benchmark::kMillisecond);

void PageFlip(benchmark::State& state) {
    frmMain& w = Window();
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
    frmMain& w = Window();
    w.SelectTab(1);
    int code = 0;
    for (auto _ : state) {
        w.TSingle().MouseDown(3, code, 5, 1);
        code = (code + 1) % 3;
    }
}
BENCHMARK(MarkPress)->Unit(benchmark::kMillisecond);

void Selection(benchmark::State& state) {
    frmMain& w = Window();
    w.SelectTab(1);
    for (auto _ : state) w.TSingle().NoClick(4);
}
BENCHMARK(Selection)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunGuiBenchmarks(argc, argv); }
