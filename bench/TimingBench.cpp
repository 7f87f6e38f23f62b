#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <memory>
#include <random>

#include "PeakMemory.h"
#include "TaskTable.h"
#include "app/MainController.h"
#include "formats/LogFile.h"
#include "formats/ProjectFile.h"
#include "support/FakePorts.h"
#include "tasks/TaskTiming.h"
#include "tasks/WorkLog.h"

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

// Ten years of full-time work: 100,000 sessions of 20 tasks, most booked, some corrected.
// QUILLET_BENCH_LOG names a log to read instead.
const std::string& workLogText() {
    static const std::string text = [] {
        if (const char* named = std::getenv("QUILLET_BENCH_LOG"); named && *named) {
            if (auto bytes = logfile::read(named)) return *bytes;
        }
        WorkLog log;
        std::string out = WorkLog::headerLine();
        std::mt19937 random(7);
        std::int64_t at = 1'400'000'000'000;  // 2014
        std::vector<LogId> held;
        for (int k = 0; k < 100000; ++k) {
            at += 3'600'000 + static_cast<std::int64_t>(random() % 7'200'000);
            const std::string n = std::to_string(k % 20 + 1);
            const LogId id{at, static_cast<std::uint32_t>(random())};
            out += log.startSession(id, {n, "Task number " + n + " of the client"}, at, 4242);
            const std::int64_t end =
                at + 1'800'000 + static_cast<std::int64_t>(random() % 3'600'000);
            out += log.endSession({end, static_cast<std::uint32_t>(random())}, id, end);
            held.push_back(id);
            if (k % 3 == 2) {
                out += log.book({end + 1, static_cast<std::uint32_t>(random())}, held, 150,
                                {n, "Task number " + n + " of the client"});
                held.clear();
            }
            if (k % 50 == 0)
                out += log.changeSession({end + 2, static_cast<std::uint32_t>(random())}, id,
                                         at - 60000, end);
            at = end;
        }
        return out;
    }();
    return text;
}

// The log read beside its project, and what it holds in memory.
void BM_ReadWorkLog(benchmark::State& state) {
    const std::string& text = workLogText();
    for (auto _ : state) benchmark::DoNotOptimize(WorkLog::read(text).sessions().size());
    const bench::MemoryUse use = bench::memoryUseOf([&](const std::function<void()>& measure) {
        const WorkLog log = WorkLog::read(text);
        measure();
        benchmark::DoNotOptimize(log.sessions().size());
    });
    // What the log itself holds, as the allocator counts it: the resident growth above also
    // counts memory freed while reading that the allocator keeps for later.
    const auto allocated = [] {
        const struct mallinfo2 info = ::mallinfo2();
        return static_cast<double>(info.uordblks + info.hblkhd);
    };
    const double before = allocated();
    const WorkLog held = WorkLog::read(text);
    state.counters["held_MB"] = (allocated() - before) / 1e6;
    state.counters["sessions"] = static_cast<double>(held.sessions().size());
    state.counters["file_MB"] = static_cast<double>(text.size()) / 1e6;
    state.counters["resident_growth_MB"] = static_cast<double>(use.keptKb) * 1024 / 1e6;
}

// Today and this week after a change (a booking, the tick): the status bar's figures.
void BM_TimedTodayAndWeek(benchmark::State& state) {
    const WorkLog log = WorkLog::read(workLogText());
    const std::int64_t last = log.sessions().back().start;
    const std::int64_t monday = last - 3 * 86400000LL;
    for (auto _ : state) {
        benchmark::DoNotOptimize(log.timedBetween(last - 3600000, last + 86400000, last, {}));
        benchmark::DoNotOptimize(log.timedBetween(monday, monday + 7 * 86400000LL, last, {}));
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
    app.timer().setBookTo(to);
    app.timer().dayWeekText();
    int row = 1;
    for (auto _ : state) {
        state.PauseTiming();
        app.timer().resetTimer();
        app.selectCell(Hours, row);
        app.timer().startTimer();
        ports.clock.advanceMs(600000);
        row = row % 1000 + 1;
        state.ResumeTiming();
        benchmark::DoNotOptimize(app.timer().bookTimer());
        benchmark::DoNotOptimize(app.timer().dayWeekText());
    }
}

void BM_BookToTheTaskRow(benchmark::State& state) {
    booking(state, BookTo::TaskRow);
}
void BM_BookToARowPerDay(benchmark::State& state) {
    booking(state, BookTo::RowPerDay);
}

BENCHMARK(BM_ReadWorkLog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimedTodayAndWeek)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BookToTheTaskRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BookToARowPerDay)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillet
