#include "grid/GridSnapshot.h"

namespace quillet {

GridSnapshot::GridSnapshot(const CellGrid& grid, std::size_t expectedCells,
                           std::size_t expectedBytes)
    : colCount_(grid.colCount()), rowCount_(grid.rowCount()) {
    widths_.reserve(static_cast<std::size_t>(colCount_));
    for (int c = 0; c < colCount_; ++c) widths_.push_back(grid.colWidth(c));
    if (expectedCells == 0) {
        // Counting first is cheaper than growing the buffers: every growth copies them
        // and touches fresh memory.
        for (int r = 0; r < rowCount_; ++r) {
            for (const CellGrid::StoredCell& cell : grid.storedCells(r)) {
                if (cell.col() >= colCount_) break;
                const std::size_t size = cell.text().size();
                expectedCells += size != 0;
                expectedBytes += size;
            }
        }
    }
    cells_.reserve(expectedCells);
    text_.reserve(expectedBytes);
    // Only the stored cells are walked: a wide, sparse table costs what it holds.
    for (int r = 0; r < rowCount_; ++r) {
        for (const CellGrid::StoredCell& cell : grid.storedCells(r)) {
            if (cell.col() >= colCount_) break;  // in column order: the rest is past ColCount
            const std::string_view text = cell.text();
            if (text.empty()) continue;
            text_ += text;
            cells_.push_back({cell.col(), r, text_.size()});
        }
    }
}

std::unique_ptr<CellGrid> GridSnapshot::toGrid() const {
    auto built = std::make_unique<CellGrid>(colCount_, rowCount_, 0);
    CellGrid& grid = *built;
    if (!cells_.empty()) grid.reserveRows(cells_.back().row + 1);
    for (int c = 0; c < colCount_; ++c) grid.setColWidth(c, widths_[static_cast<std::size_t>(c)]);
    std::size_t begin = 0;
    for (const Cell& cell : cells_) {
        grid.rawSetCellText(cell.col, cell.row, text_.substr(begin, cell.end - begin));
        begin = cell.end;
    }
    return built;
}

}  // namespace quillet
