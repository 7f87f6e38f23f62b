#include "app/ReadAhead.h"

#include <sys/stat.h>

#include "formats/ProjectFile.h"

namespace quillet {

ReadAhead::ReadAhead(std::string path, const CellGrid& table)
    : path_(std::move(path)), layout_(layoutOf(table)), grid_(table.makeReadTarget()) {}

std::vector<int> ReadAhead::layoutOf(const CellGrid& table) {
    std::vector<int> widths;
    for (int col = 0; col < table.colCount(); ++col) widths.push_back(table.colWidth(col));
    return widths;
}

std::unique_ptr<ReadAhead> ReadAhead::start(const std::string& path, const CellGrid& table,
                                            const ReadOptions& options) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::uint64_t>(st.st_size) > kMaxBytes)
        return nullptr;
    std::unique_ptr<ReadAhead> ahead(new ReadAhead(path, table));
    // Nothing to report to yet: the window is not there.
    ReadOptions quiet = options;
    quiet.progress = {};
    ahead->thread_ = std::thread([self = ahead.get(), quiet] {
        try {
            self->stamp_ = loadCellsFromFile(*self->grid_, self->path_, quiet);
        } catch (...) {
            // The open reads the file again and says what is wrong with it.
        }
    });
    return ahead;
}

ReadAhead::~ReadAhead() {
    wait();
}

void ReadAhead::wait() {
    if (thread_.joinable()) thread_.join();
}

std::optional<ReadAhead::Result> ReadAhead::take(const std::string& path, const CellGrid& table) {
    wait();
    // A stamp only once the read succeeded; no grid once taken.
    if (!grid_ || !stamp_ || path != path_ || layoutOf(table) != layout_ ||
        !stillAsStamped(path, *stamp_))
        return std::nullopt;
    return Result{std::move(grid_), stamp_};
}

}  // namespace quillet
