#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "grid/CellGrid.h"
#include "ports/Locale.h"
#include "tasks/Columns.h"
#include "tasks/TaskRow.h"

namespace quillet {

inline constexpr const char* kErrorCalculatingTotal =
    QUILLET_TR("CoreMessages", "Error calculating total...");

struct CostTotal {
    std::string caption;  // the text for lblTotal
    bool failed = false;  // some cost did not convert: show kErrorCalculatingTotal
};

// Sums the "Cost" column of the task rows, leaving out total rows and costs that
// are not plain numbers.
CostTotal calculateTotal(const CellGrid& grid, const Locale& locale);

// Writes today's date and the caption into the first total row, or appends one. A grid
// that cannot grow (CellGrid::kMaxCells) throws CellGridError and is left as it was.
void addTotalToGrid(CellGrid& grid, const std::string& totalCaption, const std::string& todayText);

bool isTotalRow(const CellGrid& grid, int row);

// A plain number: optional sign, digits with at most one locale decimal separator,
// optional exponent. Nothing else, not even a thousands separator.
std::optional<long double> parseCost(std::string_view text, const Locale& locale);

// The same value as parseCost, read straight from the bytes, for the numbers people type:
// up to 19 significant digits and a small exponent. nullopt means "ask parseCost", which
// also decides whether the text is a number at all.
std::optional<long double> parseCostQuickly(std::string_view text, std::string_view separator);

// General format with 15 significant digits: fixed notation unless the integer part
// needs more than 15 digits or the magnitude is below 0.0001 (then 1.5E-5, 1E20).
std::string formatTotal(long double value, const Locale& locale);

}  // namespace quillet
