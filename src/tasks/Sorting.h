#pragma once

#include "grid/CellGrid.h"
#include "ports/Locale.h"

namespace quillet {

// The columns the View menu sorts by.
inline constexpr int kSortByTaskNo = 0;    // mnuSortbyTask1Click
inline constexpr int kSortByTaskDate = 3;  // mnuSortbyTaskDate1Click

// Sorts the task rows ascending by sortColumn, ties broken by the columns to its
// right, each comparison choosing numeric, date or text order from the cell text.
void sortRows(CellGrid& grid, int sortColumn, const Locale& locale);

}  // namespace quillet
