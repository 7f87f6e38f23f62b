#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <random>
#include <string>

#include "tasks/Columns.h"
#include "tasks/CostTotal.h"

namespace quillet {

// Counts the heap allocations made while the total is taken; replaced globally in this program.
std::size_t allocationCount = 0;

}  // namespace quillet

// Out of line, so that the compiler does not pair the inlined free with a new expression.
[[gnu::noinline]] void* operator new(std::size_t size) {
    ++quillet::allocationCount;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace quillet {
namespace {

// A loaded project of `rows` tasks, all seven columns filled, costs as users type them:
// whole amounts, cents, a few empty cells and padded ones, one total row at the end.
const CellGrid& taskGrid(int rows) {
    static std::map<int, std::unique_ptr<CellGrid>> grids;
    std::unique_ptr<CellGrid>& slot = grids[rows];
    if (slot) return *slot;
    slot = std::make_unique<CellGrid>(DefaultColumnCount, rows + 2, 1);
    CellGrid& g = *slot;
    std::mt19937 rng(7);
    for (int c = 0; c < DefaultColumnCount; ++c) g.rawSetCellText(c, 0, kDefaultHeadings[c]);
    for (int r = 1; r <= rows; ++r) {
        g.rawSetCellText(TaskNo, r, std::to_string(r));
        g.rawSetCellText(Description, r,
                         "Task " + std::to_string(rng() % 50000) + " design review");
        g.rawSetCellText(Hours, r, std::to_string(rng() % 100) + ".5");
        g.rawSetCellText(StartDate, r, "3/14/2025");
        std::string cost;
        switch (rng() % 8) {
            case 0:
                break;
            case 1:
                cost = std::to_string(rng() % 10000);
                break;
            case 2:
                cost = " " + std::to_string(rng() % 1000) + ".5 ";
                break;
            default:
                cost = std::to_string(rng() % 100000) + "." + std::to_string(10 + rng() % 90);
        }
        g.rawSetCellText(Cost, r, cost);
        g.rawSetCellText(Notes, r, "note " + std::to_string(rng() % 100));
        g.rawSetCellText(EndDate, r, "3/21/2025");
    }
    g.rawSetCellText(Description, rows + 1, kTotalRowCaption);
    g.rawSetCellText(Cost, rows + 1, "123.45");
    return g;
}

// Argument: task rows. A million rows are far beyond the caches; a thousand fit them and
// show the arithmetic alone.
void BM_CostTotal(benchmark::State& state) {
    const CellGrid& g = taskGrid(static_cast<int>(state.range(0)));
    const Locale locale;
    std::size_t allocations = 0;
    std::string caption;
    for (auto _ : state) {
        const std::size_t before = allocationCount;
        CostTotal total = calculateTotal(g, locale);
        allocations = allocationCount - before;
        caption = std::move(total.caption);
        benchmark::DoNotOptimize(caption.data());
    }
    // The caption itself may allocate; anything near the row count is a per-cell allocation.
    state.counters["allocations"] = static_cast<double>(allocations);
    state.counters["ns_per_row"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetLabel(caption);
}
// Wall time: a big project is read by two threads.
BENCHMARK(BM_CostTotal)->Arg(1000000)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor under the total with this cell store: only reading the bytes it must look at,
// the cost cell and the first byte of the description, with no parsing.
void BM_CostTotalMemoryFloor(benchmark::State& state) {
    const CellGrid& g = taskGrid(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::size_t sum = 0;
        for (int r = 1; r < g.rowCount(); ++r) {
            const std::string_view cost = g.cellText(Cost, r);
            const std::string_view description = g.cellText(Description, r);
            if (cost.empty() || description.empty()) continue;
            sum += static_cast<unsigned char>(cost.front()) +
                   static_cast<unsigned char>(description.front());
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["ns_per_row"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CostTotalMemoryFloor)->Arg(1000000)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet
