#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "TaskTable.h"
#include "formats/ProjectFile.h"
#include "tasks/Summary.h"

namespace quillet {
namespace {

constexpr int kTaskRows = kMillionCellRows - 1;  // the 1,000,006-cell project: 142,857 tasks

// The project named by QUILLET_BENCH_PRJ, or the generated 1,000,006-cell one.
const CellGrid& project() {
    static const std::unique_ptr<CellGrid> grid = [] {
        auto g = std::make_unique<CellGrid>(kCols, 2, 1);
        if (const char* named = std::getenv("QUILLET_BENCH_PRJ"); named && *named) {
            loadCellsFromFile(*g, named);
        } else {
            fillTasks(*g, kTaskRows, 23);
        }
        return g;
    }();
    return *grid;
}

// What the summary window computes once per change of the table.
void summarizeMillionCells(benchmark::State& state, SummaryPeriod period) {
    const CellGrid& g = project();
    const Locale locale = benchLocale();
    SummaryOptions options;
    options.period = period;
    std::size_t periods = 0;
    for (auto _ : state) {
        const Summary s = summarize(g, options, locale);
        periods = s.rows.size();
        benchmark::DoNotOptimize(s.rows.back().cost);
    }
    state.counters["rows"] = static_cast<double>(periods);
}

void BM_SummaryByWeek(benchmark::State& state) {
    summarizeMillionCells(state, SummaryPeriod::Week);
}
void BM_SummaryByMonth(benchmark::State& state) {
    summarizeMillionCells(state, SummaryPeriod::Month);
}

BENCHMARK(BM_SummaryByWeek)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummaryByMonth)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet
