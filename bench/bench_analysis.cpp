// Composition table and the payout sort.
#include <benchmark/benchmark.h>

#include "BenchLists.h"
#include "analysis/clsTSingleFrame.h"
#include "analysis/clsTSingleSort.h"

using namespace kujimate;

namespace {

void CompositionTable(benchmark::State& state) {
    const auto list = bench::RandomSingles(bench::Million);
    SingleFrame frame{};
    for (auto _ : state) {
        clsTSingleFrame().GetSingleFrame(bench::Million, list, frame);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(CompositionTable)->Unit(benchmark::kMillisecond);

// A fresh sort object and a fresh copy of the list each time, as the window does it.
void PayoutSort(benchmark::State& state, std::vector<int32_t> list) {
    const VoteRecord vote = bench::TypicalVote();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<int32_t> work = list;
        state.ResumeTiming();
        clsTSingleSort sort;
        sort.SetVote(vote);
        sort.MoneySort(work, 2, true);
        benchmark::DoNotOptimize(work.data());
    }
}
BENCHMARK_CAPTURE(PayoutSort, grade3_million, bench::RandomSingles(bench::Million))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PayoutSort, grade3_all_distinct, bench::AllSingles())->Unit(benchmark::kMillisecond);

}  // namespace
