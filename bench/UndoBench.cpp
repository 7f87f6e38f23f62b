#include <benchmark/benchmark.h>

#include "TaskTable.h"
#include "app/History.h"
#include "grid/GridStep.h"
#include "tasks/Sorting.h"

namespace quillet {
namespace {

constexpr int kTaskRows = kMillionCellRows - 1;  // the 1,000,006-cell project: 142,857 tasks

// The sort by date of the 1,000,006-cell project, without and with the step that records it:
// recording is a permutation of 4 bytes a row, so the two should be close.
void sortMillionCells(benchmark::State& state, bool recorded) {
    const Locale locale = benchLocale();
    unsigned seed = 1;
    std::size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CellGrid g(kCols, 2, 1);
        fillTasks(g, kTaskRows, seed++);
        state.ResumeTiming();
        if (recorded) g.beginStep(History::kMaxBytes);
        sortRows(g, 3, locale);
        if (recorded) bytes = g.endStep().bytes();
        benchmark::DoNotOptimize(g.cellText(3, 1).data());
    }
    if (recorded) state.counters["bytes_per_row"] = static_cast<double>(bytes) / kTaskRows;
}

void BM_SortMillionCellsByDate(benchmark::State& state) {
    sortMillionCells(state, false);
}
void BM_SortMillionCellsByDateRecorded(benchmark::State& state) {
    sortMillionCells(state, true);
}

// Undo, then redo, of that sort (one iteration is both): each reverts one permutation.
void BM_UndoRedoSortMillionCells(benchmark::State& state) {
    const Locale locale = benchLocale();
    CellGrid g(kCols, 2, 1);
    fillTasks(g, kTaskRows, 7);
    g.beginStep(History::kMaxBytes);
    sortRows(g, 3, locale);
    GridStep step = g.endStep();
    for (auto _ : state) {
        step = g.revertStep(std::move(step));  // undo
        step = g.revertStep(std::move(step));  // redo
        benchmark::DoNotOptimize(g.cellText(3, 1).data());
    }
}

BENCHMARK(BM_SortMillionCellsByDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortMillionCellsByDateRecorded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoSortMillionCells)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet
