#pragma once

#include "grid/CellGrid.h"
#include "ports/Locale.h"
#include "tasks/Columns.h"

namespace quillet {

// Sorts the task rows ascending by sortColumn, ties broken by the columns to its
// right, each comparison choosing numeric, date or text order from the cell text.
void sortRows(CellGrid& grid, int sortColumn, const Locale& locale);

}  // namespace quillet
