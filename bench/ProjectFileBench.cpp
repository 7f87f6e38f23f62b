// Save and load of a large project: 142,858 rows x 7 columns = 1,000,006 cells, or the
// project named by QUILLET_BENCH_PRJ. Compare with `wc -l`, `cp` and a synced `dd` copy of the
// same file.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PeakMemory.h"
#include "formats/ProjectFile.h"

namespace {

using quillet::CellGrid;

constexpr int kRows = 142'858;
constexpr int kCols = 7;

const std::array<const char*, 8> kDescriptions = {
    "Design review of the invoice screen",
    "Call with client about change requests",
    "Fix rounding in the monthly report",
    "Write user guide chapter on exports",
    "Prepare budget estimate",
    "Team meeting",
    "Migrate the customer database to the new server",
    "Test printing on the office printers",
};
const std::array<const char*, 5> kNotes = {
    "", "billed", "waiting for feedback", "see e-mail of Monday", "follow-up needed, ask Anna",
};

void fillProject(CellGrid& grid) {
    grid.setColCount(kCols);
    grid.setRowCount(kRows);
    const char* headings[] = {"Task #", "Task Description", "Hours",   "Start Date",
                              "Cost",   "Misc. Notes",      "End Date"};
    for (int c = 0; c < kCols; ++c) grid.rawSetCellText(c, 0, headings[c]);
    for (int r = 1; r < kRows; ++r) {
        const int day = 1 + r % 28;
        const int month = 1 + (r / 28) % 12;
        const std::string date =
            std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(2000 + r % 27);
        grid.rawSetCellText(0, r, std::to_string(r));
        grid.rawSetCellText(
            1, r,
            std::string(kDescriptions[r % kDescriptions.size()]) + " #" + std::to_string(r % 1000));
        grid.rawSetCellText(2, r, std::to_string(r % 9) + "." + std::to_string(r % 4 * 25));
        grid.rawSetCellText(3, r, date);
        grid.rawSetCellText(4, r, std::to_string(r % 900 + 50) + ".00");
        const char* note = kNotes[r % kNotes.size()];
        grid.rawSetCellText(5, r, *note ? note : "-");
        grid.rawSetCellText(6, r, date);
    }
}

// One project file shared by the benchmarks: the one named by the environment, or one
// generated once and removed at exit.
class ProjectOnDisk {
  public:
    ProjectOnDisk() {
        dir_ = std::filesystem::temp_directory_path() /
               ("quillet-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        if (const char* named = std::getenv("QUILLET_BENCH_PRJ"); named && *named) {
            path_ = named;
            return;
        }
        path_ = (dir_ / "large.prj").string();
        auto grid = std::make_unique<CellGrid>();
        fillProject(*grid);
        quillet::saveCellsToFile(*grid, path_);
        grid.reset();
        ::malloc_trim(0);
    }
    ~ProjectOnDisk() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::string& path() const { return path_; }
    // Where the save benchmark writes: never the named file.
    std::string dir() const { return dir_.string(); }
    double size() const { return static_cast<double>(std::filesystem::file_size(path_)); }

  private:
    std::filesystem::path dir_;
    std::string path_;
};

ProjectOnDisk& project() {
    static ProjectOnDisk p;
    return p;
}

// Saves the project as loaded from the benchmark's file.
void BM_SaveProject(benchmark::State& state) {
    const std::string path = project().dir() + "/save.prj";
    CellGrid grid;
    quillet::loadCellsFromFile(grid, project().path());
    for (auto _ : state) quillet::saveCellsToFile(grid, path);
    state.counters["file_MB"] = project().size() / 1e6;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * project().size()));
}

void BM_LoadProject(benchmark::State& state) {
    const std::string& path = project().path();
    for (auto _ : state) {
        auto grid = std::make_unique<CellGrid>();
        quillet::loadCellsFromFile(*grid, path);
        benchmark::DoNotOptimize(grid->cellText(6, grid->rowCount() - 1));
        state.PauseTiming();
        grid.reset();  // freeing a million strings is not part of loading
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * project().size()));
}

// Processor time (user and system) of a command, the way `time` reports it, and its wall
// time from fork to exit: the yardsticks for loading (`wc -l`) and saving (`cp`). The
// processor time is the iteration time, to compare with the CPU column; the wall time
// (counter wall_ms) compares with the Time column.
struct CommandTimes {
    double cpuSeconds = -1;
    double wallSeconds = -1;
};

CommandTimes commandTimes(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || status != 0) return {};
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), wall.count()};
}

void referenceCommand(benchmark::State& state, const std::vector<std::string>& args) {
    double wallSeconds = 0;
    for (auto _ : state) {
        const CommandTimes times = commandTimes(args);
        if (times.cpuSeconds < 0) {
            state.SkipWithError("the command failed");
            break;
        }
        state.SetIterationTime(times.cpuSeconds);
        wallSeconds += times.wallSeconds;
    }
    state.counters["wall_ms"] =
        benchmark::Counter(wallSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * project().size()));
}

void BM_WcLinesReference(benchmark::State& state) {
    referenceCommand(state, {"wc", "-l", project().path()});
}

void BM_CopyFileReference(benchmark::State& state) {
    referenceCommand(state, {"cp", project().path(), project().dir() + "/copy.prj"});
}

// A copy that waits for its data to reach the disk, as a save does: compare its wall_ms with
// BM_SaveProject's Time.
void BM_SyncedCopyReference(benchmark::State& state) {
    referenceCommand(
        state, {"dd", "if=" + project().path(), "of=" + project().dir() + "/synced.prj", "bs=1M",
                "conv=fdatasync", "status=none"});
}

// Peak memory of one load above the process's resident memory before it, measured
// in a child process with the peak-RSS mark reset, as a multiple of the file size.
void BM_LoadPeakMemory(benchmark::State& state) {
    const std::string& path = project().path();
    double extraKb = 0;
    for (auto _ : state) {
        const quillet::bench::MemoryUse use =
            quillet::bench::memoryUseOf([&](const std::function<void()>& measure) {
                CellGrid grid;
                quillet::loadCellsFromFile(grid, path);
                measure();
            });
        extraKb = static_cast<double>(use.peakKb);
    }
    state.counters["peak_extra_MB"] = extraKb * 1024 / 1e6;
    state.counters["file_MB"] = project().size() / 1e6;
    state.counters["peak_per_file_size"] = extraKb * 1024 / project().size();
}

}  // namespace

BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyFileReference)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_SyncedCopyReference)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WcLinesReference)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_LoadPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
