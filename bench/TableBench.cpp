#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "TaskTable.h"
#include "formats/ClipboardText.h"
#include "formats/ProjectFile.h"
#include "grid/GridSnapshot.h"
#include "ports/DateTime.h"
#include "support/QuicksortKiller.h"
#include "tasks/Columns.h"
#include "tasks/FindHighlight.h"
#include "tasks/Sorting.h"

namespace quillet {
namespace {

constexpr int kSortRows = 100000;

void sortBench(benchmark::State& state, int column) {
    const Locale locale = benchLocale();
    unsigned seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        CellGrid g(kCols, 2, 1);
        fillTasks(g, kSortRows, seed++);
        state.ResumeTiming();
        sortRows(g, column, locale);
        benchmark::DoNotOptimize(g.cellText(column, 1).data());
    }
}

void BM_SortByNumber(benchmark::State& state) {
    sortBench(state, 0);
}
void BM_SortByDate(benchmark::State& state) {
    sortBench(state, 3);
}
void BM_SortByText(benchmark::State& state) {
    sortBench(state, 1);
}
BENCHMARK(BM_SortByNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByText)->Unit(benchmark::kMillisecond);

// The same sorts on rows as users write them (shared description prefixes, m/d/yyyy), or on
// the project named by QUILLET_BENCH_PRJ.
void realisticSortBench(benchmark::State& state, int column) {
    const Locale locale = benchLocale();
    const char* named = std::getenv("QUILLET_BENCH_PRJ");
    CellGrid original(kCols, 2, 1);
    if (named && *named) {
        loadCellsFromFile(original, named);
    } else {
        fillRealisticTasks(original, kSortRows, 3);
    }
    const int rows = original.rowCount() - 1;
    const GridSnapshot unsorted(original);
    for (auto _ : state) {
        state.PauseTiming();
        const std::unique_ptr<CellGrid> g = unsorted.toGrid();
        state.ResumeTiming();
        sortRows(*g, column, locale);
        benchmark::DoNotOptimize(g->cellText(column, 1).data());
    }
    // The time per 100,000 rows is the time times 100,000 / rows.
    state.counters["rows"] = rows;
}

void BM_SortRealisticByNumber(benchmark::State& state) {
    realisticSortBench(state, TaskNo);
}
void BM_SortRealisticByDate(benchmark::State& state) {
    realisticSortBench(state, StartDate);
}
void BM_SortRealisticByText(benchmark::State& state) {
    realisticSortBench(state, Description);
}
BENCHMARK(BM_SortRealisticByNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortRealisticByDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortRealisticByText)->Unit(benchmark::kMillisecond);

// Task numbers crafted to drive a plain middle-pivot quicksort quadratic (a 1.5 MB
// project file): the depth bound has to keep this near the random-order figures.
void BM_SortCraftedTaskNumbers(benchmark::State& state) {
    const Locale locale = benchLocale();
    const std::vector<int> tasks = test::quicksortKiller(kSortRows);
    for (auto _ : state) {
        state.PauseTiming();
        CellGrid g(kCols, kSortRows + 1, 1);
        for (int r = 1; r <= kSortRows; ++r) {
            g.rawSetCellText(0, r, std::to_string(tasks[static_cast<size_t>(r - 1)]));
            g.rawSetCellText(1, r, "Crafted task");
        }
        state.ResumeTiming();
        sortRows(g, TaskNo, locale);
        benchmark::DoNotOptimize(g.cellText(0, 1).data());
    }
}
BENCHMARK(BM_SortCraftedTaskNumbers)->Unit(benchmark::kMillisecond);

CellGrid& millionCells() {
    static CellGrid* grid = [] {
        auto* g = new CellGrid(kCols, 2, 1);
        fillTasks(*g, kMillionCellRows - 1, 42);
        return g;
    }();
    return *grid;
}

// A match only in the last cell of the scan (last column, last row), or none.
void findBench(benchmark::State& state, bool again, bool match) {
    CellGrid& g = millionCells();
    const int lastRow = g.rowCount() - 1;
    g.setCellText(kCols - 1, lastRow, match ? "needle" : "");
    FindHighlight find;
    find.setSearchText("needle");
    for (auto _ : state) {
        if (again) {
            find.reset(g);
            state.PauseTiming();
            find = FindHighlight();
            find.setSearchText("needle");
            state.ResumeTiming();
            benchmark::DoNotOptimize(find.findAgain(g));
        } else {
            benchmark::DoNotOptimize(find.find(g));
        }
    }
    if (match && find.foundRow() != lastRow) state.SkipWithError("wrong cell found");
    g.setCellText(kCols - 1, lastRow, "");
}

void BM_FindMatchAtEnd(benchmark::State& state) {
    findBench(state, false, true);
}
void BM_FindNoMatch(benchmark::State& state) {
    findBench(state, false, false);
}
void BM_FindAgainMatchAtEnd(benchmark::State& state) {
    findBench(state, true, true);
}
void BM_FindAgainNoMatch(benchmark::State& state) {
    findBench(state, true, false);
}
BENCHMARK(BM_FindMatchAtEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNoMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAgainMatchAtEnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAgainNoMatch)->Unit(benchmark::kMillisecond);

void BM_CopyAllMillionCells(benchmark::State& state) {
    const CellGrid& g = millionCells();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = copyAllText(g);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CopyAllMillionCells)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet
