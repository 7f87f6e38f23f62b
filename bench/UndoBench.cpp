#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>
#include <string>

#include "TaskTable.h"
#include "app/History.h"
#include "grid/GridStep.h"
#include "support/FakePorts.h"
#include "tasks/Sorting.h"
#include "tasks/TaskRows.h"

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

// A block of 100,000 cells (14,286 rows of 7) as the clipboard holds it.
std::string hundredThousandCellBlock() {
    std::string block;
    for (int r = 0; r < 100000 / kCols + 1; ++r) {
        for (int c = 0; c < kCols; ++c) {
            block += "pasted " + std::to_string(r * kCols + c);
            block += c + 1 < kCols ? '\t' : '\n';
        }
    }
    return block;
}

// That block pasted over tasks, without and with the step that keeps the texts it replaced.
void pasteBlock(benchmark::State& state, bool recorded) {
    const std::string block = hundredThousandCellBlock();
    unsigned seed = 1;
    std::size_t bytes = 0;
    long faults = 0;  // pages first touched while pasting: on a VM they cost more than the work
    for (auto _ : state) {
        state.PauseTiming();
        CellGrid g(kCols, 2, 1);
        fillTasks(g, kTaskRows, seed++);
        state.ResumeTiming();
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        if (recorded) g.beginStep(History::kMaxBytes);
        paste(g, 0, 1000, block);
        // The history keeps the step: freeing it is no part of the paste.
        GridStep step = recorded ? g.endStep() : GridStep();
        benchmark::DoNotOptimize(g.cellText(0, 1000).data());
        state.PauseTiming();
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        faults += after.ru_minflt - before.ru_minflt;
        bytes = step.bytes();
        step = GridStep();
        state.ResumeTiming();
    }
    if (recorded) state.counters["step_bytes"] = static_cast<double>(bytes);
    state.counters["faults"] =
        benchmark::Counter(static_cast<double>(faults), benchmark::Counter::kAvgIterations);
}
// The same block pasted as the user does it: the Paste command of the main window's
// controller on the 1,000,006-cell project, recording, notifications and the total included.
// What recording adds to it is the difference of the two benchmarks above.
void BM_PasteCommandHundredThousandCells(benchmark::State& state) {
    const std::string block = hundredThousandCellBlock();
    unsigned seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        auto ports = std::make_unique<test::FakePorts>();
        auto app = std::make_unique<MainController>(ports->ports(benchLocale()));
        app->startUp();
        fillTasks(app->grid(), kTaskRows, seed++);
        app->selectCell(0, 1000);
        ports->clipboard.contents = block;
        state.ResumeTiming();
        app->paste();
        benchmark::DoNotOptimize(app->grid().cellText(0, 1000).data());
        state.PauseTiming();
        app.reset();
        ports.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteCommandHundredThousandCells)->Unit(benchmark::kMillisecond);

void BM_PasteHundredThousandCells(benchmark::State& state) {
    pasteBlock(state, false);
}
void BM_PasteHundredThousandCellsRecorded(benchmark::State& state) {
    pasteBlock(state, true);
}

// One committed cell edit in the 1,000,006-cell project, without and with its own step.
void editCell(benchmark::State& state, bool recorded) {
    CellGrid g(kCols, 2, 1);
    fillTasks(g, kTaskRows, 5);
    const std::string texts[] = {"3.5", "12.25"};
    std::size_t i = 0;
    for (auto _ : state) {
        if (recorded) g.beginStep(History::kMaxBytes);
        g.setCellText(2, 70000, texts[++i % 2]);
        if (recorded) benchmark::DoNotOptimize(g.endStep().bytes());
    }
}
void BM_EditCell(benchmark::State& state) {
    editCell(state, false);
}
void BM_EditCellRecorded(benchmark::State& state) {
    editCell(state, true);
}

// The same edit as the user makes it: the controller's command, recording, notifications
// and the total included. What recording adds is the difference of the two above.
void BM_EditCellCommand(benchmark::State& state) {
    test::FakePorts ports;
    MainController app(ports.ports(benchLocale()));
    app.startUp();
    fillTasks(app.grid(), kTaskRows, 5);
    const std::string texts[] = {"3.5", "12.25"};
    std::size_t i = 0;
    for (auto _ : state) {
        app.editCell(2, 70000, texts[++i % 2]);
        benchmark::DoNotOptimize(app.grid().cellText(2, 70000).data());
    }
}

BENCHMARK(BM_PasteHundredThousandCells)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteHundredThousandCellsRecorded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditCell);
BENCHMARK(BM_EditCellRecorded);
BENCHMARK(BM_EditCellCommand)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortMillionCellsByDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortMillionCellsByDateRecorded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoSortMillionCells)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet
