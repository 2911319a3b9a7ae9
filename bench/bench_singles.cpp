// Singles file load and save at a million lines. KUJIMATE_BENCH_CSV=FILE makes CsvLoad read
// FILE (written first when missing, and kept), so another reader can be timed on the same bytes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "BenchLists.h"
#include "singles/clsTFileCSV.h"

using namespace kujimate;

namespace {

std::string TempFile(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::string("kujimate-bench-") + name)).string();
}

void CsvLoad(benchmark::State& state) {
    const char* given = std::getenv("KUJIMATE_BENCH_CSV");
    const std::string path = given && *given ? given : TempFile("load.csv");
    clsTFileCSV csv;
    if (!given || !std::filesystem::exists(path)) csv.CsvSave(path, bench::Million, bench::RandomSingles(bench::Million));
    for (auto _ : state) {
        int32_t count = 0;
        std::vector<int32_t> back;
        csv.CsvLoad(path, count, back);
        benchmark::DoNotOptimize(back.data());
        if (count != bench::Million) state.SkipWithError("wrong count");
    }
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    if (!given || !*given) std::filesystem::remove(path);
}
BENCHMARK(CsvLoad)->Unit(benchmark::kMillisecond);

// arg 0: the temporary folder, on disk; arg 1: a memory-backed folder, where the sync costs
// nothing, so what is left is the save's own work.
void CsvSave(benchmark::State& state) {
    const bool memory = state.range(0) == 1;
    if (memory && !std::filesystem::is_directory("/dev/shm")) {
        state.SkipWithError("no /dev/shm");
        return;
    }
    const std::string path = memory ? "/dev/shm/kujimate-bench-save.csv" : TempFile("save.csv");
    const auto list = bench::RandomSingles(bench::Million);
    clsTFileCSV csv;
    for (auto _ : state) {
        if (!csv.CsvSave(path, bench::Million, list)) state.SkipWithError("save failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(CsvSave)->ArgName("memory")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
