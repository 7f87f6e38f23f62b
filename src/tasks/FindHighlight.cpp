#include "tasks/FindHighlight.h"

#include <algorithm>
#include <span>

namespace quillet {

void FindHighlight::setSearchText(std::string_view text) {
    if (text.size() > kMaxSearchText) {
        size_t cut = kMaxSearchText;
        // Back up over continuation bytes so the cut lands on a character start.
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        text = text.substr(0, cut);
    }
    searchText_.assign(text);
}

void FindHighlight::unmark(CellGrid& grid) const {
    if (hasFoundCell()) grid.setCellColor(foundCol_, foundRow_, clWindow);
}

// The first hit in scan order (column by column, top to bottom within a column)
// among column startCol below afterRow and every row of the later columns.
// The store keeps rows together, so the rows are walked in order and the best hit
// so far is kept: identical to a column-wise walk, without a cache miss per cell.
// Only stored texts can match, so a row costs the cells it holds, not ColCount.
std::optional<FindHighlight::Hit> FindHighlight::nextHit(const CellGrid& grid, int startCol,
                                                         int afterRow) const {
    if (searchText_.empty()) return std::nullopt;
    std::optional<Hit> best;
    const int lastCol = grid.colCount() - 1;
    const auto byCol = [](const CellGrid::StoredCell& cell, int col) { return cell.col() < col; };
    for (int r = 1; r < grid.rowCount(); ++r) {
        const int from = r > afterRow ? startCol : startCol + 1;
        // Only a column left of the best hit can still come earlier in scan order.
        const int to = best ? std::min(lastCol, best->col - 1) : lastCol;
        const std::span<const CellGrid::StoredCell> cells = grid.storedCells(r);
        for (auto cell = std::lower_bound(cells.begin(), cells.end(), from, byCol);
             cell != cells.end() && cell->col() <= to; ++cell) {
            if (cell->text().find(searchText_) != std::string_view::npos) {
                best = Hit{cell->col(), r};
                break;
            }
        }
        // No later row can beat a hit in the first column they search.
        if (best && best->col == startCol && r > afterRow) break;
    }
    return best;
}

FindHighlight::FindResult FindHighlight::find(CellGrid& grid) {
    unmark(grid);
    foundCol_ = 0;
    foundRow_ = 0;
    const std::optional<Hit> hit = nextHit(grid, 1, 0);
    if (!hit)
        return {Message(QUILLET_TR("CoreMessages", "Sorry, \"%1\" not found.")).arg(searchText_),
                false};
    grid.setCellColor(hit->col, hit->row, clYellow);
    foundCol_ = hit->col;
    foundRow_ = hit->row;
    return {std::nullopt, true};
}

std::optional<Message> FindHighlight::findAgain(CellGrid& grid) {
    if (searchText_.empty())
        return Message(QUILLET_TR("CoreMessages", "Sorry, no search text has been entered"));
    const std::optional<Hit> hit = nextHit(grid, foundCol_, foundRow_);
    if (!hit)
        return Message(QUILLET_TR("CoreMessages", "Sorry, next \"%1\" not found."))
            .arg(searchText_);
    unmark(grid);
    grid.setCellColor(hit->col, hit->row, clYellow);
    foundCol_ = hit->col;
    foundRow_ = hit->row;
    return std::nullopt;
}

void FindHighlight::reset(CellGrid& grid) {
    unmark(grid);
}

}  // namespace quillet
