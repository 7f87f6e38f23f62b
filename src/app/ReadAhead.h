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

// A project file read on a worker thread while the window is being built, so that opening
// it at start-up waits only for what is left of the read. It is taken only when nothing it
// depended on changed; otherwise the open reads the file as it always does, with its
// progress and its messages.
class ReadAhead {
  public:
    // Larger files are left to the open, whose progress the user can follow.
    static constexpr std::uint64_t kMaxBytes = 64ull << 20;

    struct Result {
        std::unique_ptr<CellGrid> grid;
        std::optional<FileStamp> stamp;
    };

    // Starts reading `path` over a grid with `table`'s columns and widths, as an open would
    // read it over that table. None for a file that is not there or is too large.
    static std::unique_ptr<ReadAhead> start(const std::string& path, const CellGrid& table,
                                            const ReadOptions& options);
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Waits for the read to end.
    void wait();
    // Waits for the read. What it read, when `path` is the file it read, `table` still has
    // the columns and widths it started from, the read succeeded and the file is still the
    // one read (same file, size and time).
    std::optional<Result> take(const std::string& path, const CellGrid& table);

  private:
    ReadAhead(std::string path, const CellGrid& table);
    static std::vector<int> layoutOf(const CellGrid& table);

    std::string path_;
    std::vector<int> layout_;  // the columns' widths the read started from
    std::unique_ptr<CellGrid> grid_;
    std::optional<FileStamp> stamp_;  // set by a read that succeeded
    std::thread thread_;
};

}  // namespace quillet
