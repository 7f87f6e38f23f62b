// What a recovery copy costs the user-interface thread: the snapshot of a project of
// 142,858 rows x 7 columns = 1,000,006 cells. Writing it happens on another thread;
// BM_RecoveryCopyWrite shows that cost for comparison.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "formats/ProjectFile.h"
#include "grid/GridSnapshot.h"

namespace {

using quillet::CellGrid;
using quillet::GridSnapshot;

constexpr int kRows = 142'858;
constexpr int kCols = 7;

const CellGrid& largeProject() {
    static const CellGrid* grid = [] {
        auto* g = new CellGrid(kCols, kRows, 1);
        const char* headings[] = {"Task #", "Task Description", "Hours",   "Start Date",
                                  "Cost",   "Misc. Notes",      "End Date"};
        for (int c = 0; c < kCols; ++c) g->rawSetCellText(c, 0, headings[c]);
        for (int r = 1; r < kRows; ++r) {
            const std::string date = std::to_string(1 + (r / 28) % 12) + "/" +
                                     std::to_string(1 + r % 28) + "/" +
                                     std::to_string(2000 + r % 27);
            g->rawSetCellText(0, r, std::to_string(r));
            g->rawSetCellText(1, r, "Design review of the invoice screen #" + std::to_string(r));
            g->rawSetCellText(2, r, std::to_string(r % 9) + ".5");
            g->rawSetCellText(3, r, date);
            g->rawSetCellText(4, r, std::to_string(r % 900 + 50) + ".00");
            g->rawSetCellText(5, r, r % 3 ? "billed" : "follow-up needed, ask Anna");
            g->rawSetCellText(6, r, date);
        }
        return g;
    }();
    return *grid;
}

// The first copy of a run: the buffers grow as the cells come.
void BM_RecoverySnapshotFirst(benchmark::State& state) {
    const CellGrid& grid = largeProject();
    std::size_t cells = 0;
    for (auto _ : state) {
        const GridSnapshot snapshot(grid);
        cells = snapshot.cellCount();
        benchmark::DoNotOptimize(&snapshot);
    }
    state.counters["cells"] = static_cast<double>(cells);
}

// Every later copy: sized from the one before.
void BM_RecoverySnapshot(benchmark::State& state) {
    const CellGrid& grid = largeProject();
    const GridSnapshot previous(grid);
    for (auto _ : state) {
        const GridSnapshot snapshot(grid, previous.cellCount(), previous.textBytes());
        benchmark::DoNotOptimize(&snapshot);
    }
    state.counters["cells"] = static_cast<double>(previous.cellCount());
    state.counters["text_MB"] = static_cast<double>(previous.textBytes()) / 1e6;
}

void BM_RecoveryCopyWrite(benchmark::State& state) {
    const GridSnapshot snapshot(largeProject());
    const auto dir = std::filesystem::temp_directory_path() /
                     ("quillet-recovery-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "copy.prj").string();
    for (auto _ : state) saveCellsToFile(*snapshot.toGrid(), path);
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::filesystem::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_RecoverySnapshotFirst)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoverySnapshot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryCopyWrite)->Unit(benchmark::kMillisecond)->Iterations(3);
