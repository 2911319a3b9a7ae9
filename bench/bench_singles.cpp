// Singles file load and save at a million lines.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchLists.h"
#include "singles/clsTFileCSV.h"

using namespace kujimate;

namespace {

std::string TempFile(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::string("kujimate-bench-") + name)).string();
}

void CsvLoad(benchmark::State& state) {
    const std::string path = TempFile("load.csv");
    const auto list = bench::RandomSingles(bench::Million);
    clsTFileCSV csv;
    csv.CsvSave(path, bench::Million, list);
    for (auto _ : state) {
        int32_t count = 0;
        std::vector<int32_t> back;
        csv.CsvLoad(path, count, back);
        benchmark::DoNotOptimize(back.data());
        if (count != bench::Million) state.SkipWithError("wrong count");
    }
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::filesystem::remove(path);
}
BENCHMARK(CsvLoad)->Unit(benchmark::kMillisecond);

void CsvSave(benchmark::State& state) {
    const std::string path = TempFile("save.csv");
    const auto list = bench::RandomSingles(bench::Million);
    clsTFileCSV csv;
    for (auto _ : state) {
        if (!csv.CsvSave(path, bench::Million, list)) state.SkipWithError("save failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(CsvSave)->Unit(benchmark::kMillisecond);

}  // namespace
