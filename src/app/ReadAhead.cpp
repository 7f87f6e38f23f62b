#include "app/ReadAhead.h"

#include <sys/stat.h>

#include <algorithm>

#include "formats/ProjectFile.h"

namespace quillet {

ReadAhead::ReadAhead(std::string path, int columns, const ReadOptions& options)
    : path_(std::move(path)),
      columns_(columns),
      multilineCells_(options.multilineCells),
      grid_(std::make_unique<CellGrid>(columns, 2, 1)) {}

std::unique_ptr<ReadAhead> ReadAhead::start(const std::string& path, int columns,
                                            const ReadOptions& options) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::uint64_t>(st.st_size) > kMaxBytes)
        return nullptr;
    std::unique_ptr<ReadAhead> ahead(new ReadAhead(path, columns, options));
    // Nothing to report to yet: the window is not there.
    ReadOptions quiet = options;
    quiet.progress = {};
    quiet.widthRead = [self = ahead.get()](int col) {
        if (static_cast<std::size_t>(col) >= self->widthsRead_.size())
            self->widthsRead_.resize(static_cast<std::size_t>(col) + 1);
        self->widthsRead_[static_cast<std::size_t>(col)] = true;
    };
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

std::optional<ReadAhead::Result> ReadAhead::take(const std::string& path, const CellGrid& table,
                                                 const ReadOptions& options) {
    wait();
    // A stamp only once the read succeeded; no grid once taken.
    if (!grid_ || !stamp_ || path != path_ || table.colCount() != columns_ ||
        options.multilineCells != multilineCells_ || !stillAsStamped(path, *stamp_))
        return std::nullopt;
    // Read over the table, a column keeps the table's width unless the file sets one.
    const int shared = std::min(columns_, grid_->colCount());
    for (int col = 0; col < shared; ++col) {
        const auto at = static_cast<std::size_t>(col);
        const bool setByFile = at < widthsRead_.size() && widthsRead_[at];
        if (!setByFile && table.colWidthSet(col)) grid_->setColWidth(col, table.colWidth(col));
    }
    return Result{std::move(grid_), stamp_};
}

}  // namespace quillet
