#pragma once

#include <string>
#include <string_view>

#include "grid/CellGrid.h"

namespace quillet {

// Tab-separated text of a block of cells: TAB between the cells of a row, CR LF
// after every row when the range has more than one row. Texts are copied as they
// are, except that an RTF document is replaced by its plain text.
std::string copyRangeText(const CellGrid& grid, CellRect range);
std::string copySelectionText(const CellGrid& grid);
// Every cell from (0, 0) to (ColCount - 1, RowCount - 1), the heading row included.
std::string copyAllText(const CellGrid& grid);

}  // namespace quillet
