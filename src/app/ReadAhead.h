#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "formats/FileStamp.h"
#include "formats/ReadOptions.h"
#include "grid/CellGrid.h"

namespace quillet {

// A project file read on a worker thread while Qt starts and the window is built, so that
// opening it at start-up waits only for what is left of the read. It is taken only when
// nothing it depended on changed; otherwise the open reads the file as it always does, with
// its progress and its messages.
class ReadAhead {
  public:
    // Larger files are left to the open, whose progress the user can follow.
    static constexpr std::uint64_t kMaxBytes = 64ull << 20;

    struct Result {
        std::unique_ptr<CellGrid> grid;
        std::optional<FileStamp> stamp;
    };

    // Starts reading `path` over a table of `columns` columns whose widths are not known yet
    // (the settings that hold them are read later). None for a file that is not there or is
    // too large.
    static std::unique_ptr<ReadAhead> start(const std::string& path, int columns,
                                            const ReadOptions& options);
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Waits for the read to end.
    void wait();
    // Waits for the read. What an open of `path` over `table` with `options` reads: the
    // file's widths, and `table`'s for the columns the file leaves alone. None unless `path`
    // is the file read, `table` has the columns it started from, the options read lines
    // alike, the read succeeded and the file is still the one read (same file, size and
    // time).
    std::optional<Result> take(const std::string& path, const CellGrid& table,
                               const ReadOptions& options);

  private:
    ReadAhead(std::string path, int columns, const ReadOptions& options);

    std::string path_;
    int columns_;
    bool multilineCells_;
    std::unique_ptr<CellGrid> grid_;
    std::optional<FileStamp> stamp_;  // set by a read that succeeded
    std::vector<bool> widthsRead_;    // the columns whose width the file set
    std::thread thread_;
};

}  // namespace quillet
