#include "formats/ClipboardText.h"

#include <algorithm>
#include <span>

#include "formats/RtfReader.h"

namespace quillet {

namespace {

void appendCell(std::string& out, std::string_view text) {
    // Other text holding "{\" is not a document a rich-text reader would take: copied as is.
    if (isRtfDocument(text)) {
        out += rtfToPlainText(text);
    } else {
        out += text;
    }
}

// The row's stored texts from column left to column right.
std::span<const CellGrid::StoredCell> cellsBetween(const CellGrid& grid, int row, int left,
                                                   int right) {
    const std::span<const CellGrid::StoredCell> cells = grid.storedCells(row);
    const auto byCol = [](const CellGrid::StoredCell& cell, int col) { return cell.col() < col; };
    const auto first = std::lower_bound(cells.begin(), cells.end(), left, byCol);
    const auto last = std::lower_bound(first, cells.end(), right + 1, byCol);
    return {first, last};
}

}  // namespace

std::string copyRangeText(const CellGrid& grid, CellRect range) {
    std::string out;
    // A hidden selection reaches row -1: there are no cells before row and column 0.
    range.left = std::max(range.left, 0);
    range.top = std::max(range.top, 0);
    if (range.left > range.right || range.top > range.bottom) return out;
    const bool multiRow = range.bottom > range.top;
    // Only the stored cells are visited: the empty ones are just the TABs between them,
    // so a wide grid of few cells costs its TABs, not a look-up per cell.
    const auto tabsPerRow = static_cast<size_t>(range.right - range.left);
    size_t size = 0;
    for (int r = range.top; r <= range.bottom; ++r) {
        size += tabsPerRow + 2;
        for (const auto& cell : cellsBetween(grid, r, range.left, range.right)) {
            size += cell.text().size();
        }
    }
    out.reserve(size);
    for (int r = range.top; r <= range.bottom; ++r) {
        int col = range.left;  // the column of the text that comes next
        for (const auto& cell : cellsBetween(grid, r, range.left, range.right)) {
            out.append(static_cast<size_t>(cell.col() - col), '\t');
            col = cell.col();
            appendCell(out, cell.text());
        }
        out.append(static_cast<size_t>(range.right - col), '\t');
        if (multiRow) out += "\r\n";
    }
    return out;
}

std::string copySelectionText(const CellGrid& grid) {
    return copyRangeText(grid, grid.selection());
}

std::string copyAllText(const CellGrid& grid) {
    return copyRangeText(grid, CellRect{0, 0, grid.colCount() - 1, grid.rowCount() - 1});
}

}  // namespace quillet
