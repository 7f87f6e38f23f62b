// Export of the 1,000,006-cell task table (or the project named by QUILLET_BENCH_PRJ) as CSV,
// XLSX and ODS, against a Save of the same table, and the peak memory of each export as a
// multiple of the project file's size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "PeakMemory.h"
#include "TaskTable.h"
#include "app/ProjectExport.h"
#include "formats/ProjectFile.h"

namespace {

using quillet::CellGrid;
using quillet::ExportFormat;

struct Table {
    std::filesystem::path dir;
    std::string prj;
    CellGrid grid;

    Table() {
        dir = std::filesystem::temp_directory_path() /
              ("quillet-export-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        if (const char* named = std::getenv("QUILLET_BENCH_PRJ"); named && *named) {
            prj = named;
            quillet::loadCellsFromFile(grid, prj);
        } else {
            quillet::fillTasks(grid, quillet::kMillionCellRows - 1, 7);
            prj = (dir / "large.prj").string();
            quillet::saveCellsToFile(grid, prj);
        }
    }
    ~Table() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::string out(const char* name) const { return (dir / name).string(); }
};

Table& table() {
    static Table t;
    return t;
}

constexpr const char* kNames[] = {"out.xlsx", "out.ods", "out.csv"};

void BM_SaveSameTable(benchmark::State& state) {
    Table& t = table();
    for (auto _ : state) quillet::saveCellsToFile(t.grid, t.out("save.prj"));
    state.counters["cells"] = static_cast<double>(t.grid.storedCellCount());
}

void BM_Export(benchmark::State& state) {
    Table& t = table();
    const auto format = static_cast<ExportFormat>(state.range(0));
    const std::string path = t.out(kNames[state.range(0)]);
    for (auto _ : state) quillet::exportTable(t.grid, t.prj, path, format, quillet::benchLocale());
    state.SetLabel(kNames[state.range(0)]);
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}

void BM_ExportPeakMemory(benchmark::State& state) {
    Table& t = table();
    const auto format = static_cast<ExportFormat>(state.range(0));
    const std::string path = t.out(kNames[state.range(0)]);
    double peakKb = 0;
    for (auto _ : state) {
        peakKb = static_cast<double>(
            quillet::bench::memoryUseOf([&](const std::function<void()>& measure) {
                quillet::exportTable(t.grid, t.prj, path, format, quillet::benchLocale());
                measure();
            }).peakKb);
    }
    const auto prjBytes = static_cast<double>(std::filesystem::file_size(t.prj));
    state.SetLabel(kNames[state.range(0)]);
    state.counters["peak_extra_MB"] = peakKb * 1024 / 1e6;
    state.counters["prj_MB"] = prjBytes / 1e6;
    state.counters["peak_per_prj_size"] = peakKb * 1024 / prjBytes;
}

}  // namespace

BENCHMARK(BM_SaveSameTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPeakMemory)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(1);
