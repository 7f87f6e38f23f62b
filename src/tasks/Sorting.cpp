#include "tasks/Sorting.h"

#include "grid/RowSort.h"

namespace quillet {

void sortRows(CellGrid& grid, int sortColumn, const Locale& locale) {
    RowSortSettings settings;
    settings.column = sortColumn;
    settings.ascending = true;
    settings.full = true;
    sortGridRows(grid, settings, locale);
}

}  // namespace quillet
