#pragma once

#include <algorithm>
#include <span>
#include <string_view>

#include "grid/CellGrid.h"
#include "tasks/Columns.h"

namespace quillet {

inline constexpr const char* kTotalRowCaption = "<Total for project>";

// The text without leading and trailing blanks and control characters (the bytes up to and
// including 0x20). Inlined into the hot loops, so a running sum can stay in a register.
[[gnu::always_inline]] inline std::string_view trimBlanksAndControls(std::string_view text) {
    auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && isTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
    return text;
}

// The text of one column of a row's stored cells.
[[gnu::always_inline]] inline std::string_view textIn(std::span<const CellGrid::StoredCell> cells,
                                                      int col) {
    const auto c = static_cast<std::size_t>(col);
    // Task rows are mostly dense from column 0: the cell then sits at its own index.
    if (c < cells.size() && cells[c].col() == col) return cells[c].text();
    const auto at =
        std::partition_point(cells.begin(), cells.end(),
                             [col](const CellGrid::StoredCell& cell) { return cell.col() < col; });
    return at != cells.end() && at->col() == col ? at->text() : std::string_view();
}

[[gnu::always_inline]] inline bool isTotalRowText(std::string_view description) {
    return trimBlanksAndControls(description) == std::string_view(kTotalRowCaption);
}

// What counts as a task, for the total, the summary and the task counts Restore Backup
// shows: a row below the heading with some text inside the table's columns, other than a
// total row ("<Total for project>" as its description).
[[gnu::always_inline]] inline bool isTaskRow(const CellGrid& grid, int row) {
    if (row < 1) return false;
    const std::span<const CellGrid::StoredCell> cells = grid.storedCells(row);
    if (cells.empty() || cells.front().col() >= grid.colCount()) return false;
    return !isTotalRowText(textIn(cells, Description));
}

}  // namespace quillet
