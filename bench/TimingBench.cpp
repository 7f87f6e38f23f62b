#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "TaskTable.h"
#include "app/MainController.h"
#include "formats/ProjectFile.h"
#include "support/FakePorts.h"
#include "tasks/TaskTiming.h"

namespace quillet {
namespace {

constexpr int kTaskRows = kMillionCellRows - 1;  // the 1,000,006-cell project

// The project named by QUILLET_BENCH_PRJ, or the generated 1,000,006-cell one.
void fillProject(CellGrid& g) {
    if (const char* named = std::getenv("QUILLET_BENCH_PRJ"); named && *named) {
        loadCellsFromFile(g, named);
    } else {
        fillTasks(g, kTaskRows, 23);
    }
}

// A day the generated dates cover, and the one after it.
const int kToday = static_cast<int>(encodeDate(2024, 6, 12));

// The whole scan, as after a sort, a load or midnight: each iteration is another day.
void BM_DayWeekRescan(benchmark::State& state) {
    CellGrid grid(kCols, 2, 1);
    fillProject(grid);
    const Locale locale = benchLocale();
    DayWeekHours sums(grid, locale);
    int day = kToday;
    for (auto _ : state) {
        day = day == kToday ? kToday + 1 : kToday;
        benchmark::DoNotOptimize(sums.sums(day).week);
    }
}

// An edit of one cell and the sums the status bar shows after it.
void BM_DayWeekAfterEdit(benchmark::State& state) {
    CellGrid grid(kCols, 2, 1);
    fillProject(grid);
    const Locale locale = benchLocale();
    DayWeekHours sums(grid, locale);
    sums.sums(kToday);
    int row = 1;
    for (auto _ : state) {
        grid.setCellText(Hours, row, "2.5");
        row = row % (grid.rowCount() - 1) + 1;
        benchmark::DoNotOptimize(sums.sums(kToday).week);
    }
}

// Ctrl+H on the timed task, one undo step each, the row's own or a new row for the day.
void booking(benchmark::State& state, BookTo to) {
    test::FakePorts ports;
    ports.clock.value = kToday + 0.5;
    MainController app(ports.ports(benchLocale()));
    app.startUp();
    CellGrid loaded(kCols, 2, 1);
    fillProject(loaded);
    app.grid().swapContents(loaded);
    app.setBookTo(to);
    app.dayWeekText();
    int row = 1;
    for (auto _ : state) {
        state.PauseTiming();
        app.resetTimer();
        app.selectCell(Hours, row);
        app.startTimer();
        ports.clock.advanceMs(600000);
        row = row % 1000 + 1;
        state.ResumeTiming();
        benchmark::DoNotOptimize(app.bookTimer());
        benchmark::DoNotOptimize(app.dayWeekText());
    }
}

void BM_BookToTheTaskRow(benchmark::State& state) {
    booking(state, BookTo::TaskRow);
}
void BM_BookToARowPerDay(benchmark::State& state) {
    booking(state, BookTo::RowPerDay);
}

BENCHMARK(BM_DayWeekRescan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DayWeekAfterEdit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BookToTheTaskRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BookToARowPerDay)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillet
