#pragma once

#include <cstdint>
#include <string_view>

#include "grid/CellGrid.h"
#include "ports/Locale.h"

namespace quillet {

// How two cells of a column are ordered; chosen from the first cell's text alone.
enum class SortKind : std::uint8_t { Numeric, Date, Text };

SortKind sortKindOf(std::string_view text, const Locale& locale);

// Negative, zero or positive as cell a sorts before, with or after cell b.
// Not symmetric: the kind comes from a, so a column mixing numbers and words can
// order a pair differently depending on which cell is a.
int compareSortCells(std::string_view a, std::string_view b, const Locale& locale);

struct RowSortSettings {
    int column = 0;
    bool ascending = true;
    bool full = true;  // ties are broken by the columns to the right, one by one
};

// Reorders the rows 1 to RowCount - 1 in place; the heading row 0 never moves.
// Whole rows move with their colours; the current row keeps its index.
// Not stable: rows equal on every compared column can change order. Runs in
// O(n log n) comparisons even on crafted input (see IntroSort.h).
void sortGridRows(CellGrid& grid, const RowSortSettings& settings, const Locale& locale);

}  // namespace quillet
