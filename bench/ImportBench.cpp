// Import of a delimited file of 142,858 lines x 7 fields = 1,000,006 cells, with quoted
// fields holding commas and doubled quotes and CR LF line ends. QUILLET_BENCH_CSV names
// another file to import instead.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "PeakMemory.h"
#include "formats/CsvReader.h"

namespace {

using quillet::CellGrid;

constexpr int kLines = 142'858;

const std::array<const char*, 6> kDescriptions = {
    "\"Design review of the invoice screen, part 2\"",
    "\"Call with client about \"\"urgent\"\" change requests\"",
    "Fix rounding in the monthly report",
    "\"Write user guide chapter on exports, imports and printing\"",
    "Team meeting",
    "\"Migrate the customer database to the \"\"new\"\" server, then test\"",
};
const std::array<const char*, 5> kNotes = {
    "",
    "billed",
    "\"waiting for feedback, see \"\"Re: invoice\"\"\"",
    "\"see e-mail of Monday\"",
    "\"follow-up needed, ask Anna\"",
};

std::string generatedCsv() {
    std::string text = "Task #,Task Description,Hours,Start Date,Cost,Misc. Notes,End Date\r\n";
    for (int r = 1; r < kLines; ++r) {
        const std::string date = std::to_string(1 + (r / 28) % 12) + "/" +
                                 std::to_string(1 + r % 28) + "/" + std::to_string(2000 + r % 27);
        text += std::to_string(r);
        text += ',';
        text += kDescriptions[r % kDescriptions.size()];
        text += ',' + std::to_string(r % 9) + "." + std::to_string(r % 4 * 25) + ',' + date;
        text += ",\"" + std::to_string(1 + r % 9) + "," + std::to_string(100 + r % 900) + ".00\",";
        text += kNotes[r % kNotes.size()];
        text += ',' + date + "\r\n";
    }
    return text;
}

// The file to import, generated once and removed at exit unless named by the environment.
class CsvOnDisk {
  public:
    CsvOnDisk() {
        if (const char* named = std::getenv("QUILLET_BENCH_CSV"); named && *named) {
            path_ = named;
            return;
        }
        dir_ = std::filesystem::temp_directory_path() /
               ("quillet-import-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "tasks.csv").string();
        std::ofstream out(path_, std::ios::binary);
        const std::string text = generatedCsv();
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    ~CsvOnDisk() {
        std::error_code ec;
        if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
    }
    const std::string& path() const { return path_; }
    double size() const { return static_cast<double>(std::filesystem::file_size(path_)); }

  private:
    std::filesystem::path dir_;
    std::string path_;
};

CsvOnDisk& csv() {
    static CsvOnDisk file;
    return file;
}

// The reader into a fresh grid shaped as File > Import makes it: 7 columns, 2 rows, 1
// fixed. The old-format conversion is left out so a file named by the environment is
// never rewritten.
void importInto(CellGrid& fresh) {
    fresh.setRowCount(2);
    fresh.setFixedRows(1);
    quillet::loadCellsFromCsv(fresh, csv().path());
}

void BM_ImportCsv(benchmark::State& state) {
    int rows = 0;
    for (auto _ : state) {
        auto grid = std::make_unique<CellGrid>();
        importInto(*grid);
        rows = grid->rowCount();
        state.PauseTiming();
        grid.reset();  // freeing a million strings is not part of importing
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["file_MB"] = csv().size() / 1e6;
    state.SetBytesProcessed(
        static_cast<int64_t>(static_cast<double>(state.iterations()) * csv().size()));
}

// Python's csv module over the same file, as the yardstick: only its parse is timed, in
// processor time, so compare it with BM_ImportCsv's CPU column on a busy machine.
void BM_PythonCsvReference(benchmark::State& state) {
    const std::string command =
        "python3 -c \"import csv,sys,time; t=time.process_time(); "
        "n=sum(1 for _ in csv.reader(open(sys.argv[1], newline=''))); "
        "print(time.process_time()-t)\" '" +
        csv().path() + "' 2>/dev/null";
    for (auto _ : state) {
        std::FILE* pipe = ::popen(command.c_str(), "r");
        double seconds = -1;
        if (pipe) {
            if (std::fscanf(pipe, "%lf", &seconds) != 1) seconds = -1;
            ::pclose(pipe);
        }
        if (seconds < 0) {
            state.SkipWithError("python3 did not run");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.SetBytesProcessed(
        static_cast<int64_t>(static_cast<double>(state.iterations()) * csv().size()));
}

// Peak memory of one import above the resident memory before it, measured in a child
// process with the peak mark reset, as a multiple of the file size.
void BM_ImportPeakMemory(benchmark::State& state) {
    csv();  // generated before the child starts
    double extraKb = 0;
    double keptKb = 0;
    for (auto _ : state) {
        const quillet::bench::MemoryUse use =
            quillet::bench::memoryUseOf([](const std::function<void()>& measure) {
                CellGrid grid;
                importInto(grid);
                measure();  // the peak, and what the grid keeps once the import is done
            });
        extraKb = static_cast<double>(use.peakKb);
        keptKb = static_cast<double>(use.keptKb);
    }
    state.counters["peak_extra_MB"] = extraKb * 1024 / 1e6;
    state.counters["grid_kept_MB"] = keptKb * 1024 / 1e6;
    state.counters["file_MB"] = csv().size() / 1e6;
    state.counters["peak_per_file_size"] = extraKb * 1024 / csv().size();
}

}  // namespace

BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PythonCsvReference)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_ImportPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
