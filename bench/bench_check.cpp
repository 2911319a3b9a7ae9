// The Check tab: handing the list over, judging after a change of the result grid, grade sort.
#include <benchmark/benchmark.h>

#include "BenchLists.h"
#include "check/clsTResult.h"

using namespace kujimate;

namespace {

// No draw number: a user's click writes no cache file.
void Prepare(clsTResult& r, const std::vector<int32_t>& list) {
    r.Initialize();
    r.UseResultTemp(false);
    r.SetResultData(0, "", ResultRecord{}, false);
    r.SetSingle(static_cast<int32_t>(list.size()), list);
}

void HandOver(benchmark::State& state) {
    const auto list = bench::RandomSingles(bench::Million);
    clsTResult r;
    r.Initialize();
    r.UseResultTemp(false);
    r.SetResultData(812, "", bench::TypicalResult(), true);
    for (auto _ : state) {
        r.SetSingle(bench::Million, list);
        benchmark::DoNotOptimize(r.Counts());
    }
}
BENCHMARK(HandOver)->Unit(benchmark::kMillisecond);

void JudgeAfterGridChange(benchmark::State& state) {
    const auto list = bench::RandomSingles(bench::Million);
    clsTResult r;
    Prepare(r, list);
    int match = 0;
    for (auto _ : state) {
        // Each click marks or clears one match, and every single is judged again.
        r.MultiResultClick(clsTMultiResult::LeftButton, 1, 2 + match);
        match = (match + 1) % 11;
        benchmark::DoNotOptimize(r.Counts());
    }
}
BENCHMARK(JudgeAfterGridChange)->Unit(benchmark::kMillisecond);

void GradeSort(benchmark::State& state) {
    const auto list = bench::RandomSingles(bench::Million);
    clsTResult r;
    r.Initialize();
    r.UseResultTemp(false);
    r.SetResultData(812, "", bench::TypicalResult(), true);
    r.SetSingle(bench::Million, list);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<int32_t> work = list;
        state.ResumeTiming();
        r.GradeSort(work, true);
        benchmark::DoNotOptimize(work.data());
    }
}
BENCHMARK(GradeSort)->Unit(benchmark::kMillisecond);

}  // namespace
