#pragma once

#include <string>
#include <string_view>

#include "formats/Sheet.h"
#include "grid/CellGrid.h"
#include "ports/Locale.h"

namespace quillet {

// The task table as a sheet to export, typed by its columns: a Task # that is a plain whole
// number, the Hours and Cost that read as numbers (Cost shown with two decimals), and the
// Start and End Dates that read as dates; everything else, the headings and any cell that
// does not read, is text as it stands; SheetCell::storedType() then decides which of those
// a workbook stores typed. Column widths follow the grid's.
class TaskSheet : public Sheet {
  public:
    TaskSheet(const CellGrid& grid, std::string name, const Locale& locale)
        : grid_(grid), name_(std::move(name)), locale_(locale) {}

    std::string_view name() const override { return name_; }
    int rowCount() const override { return grid_.rowCount(); }
    int columnCount() const override { return grid_.colCount(); }
    double columnWidth(int col) const override { return charactersForPixels(grid_.colWidth(col)); }
    // Row 0 holds the headings even when it is the only row, where the grid shows it as
    // an ordinary row.
    bool hasHeaderRow() const override { return true; }
    SheetCell cell(int row, int col) const override;
    std::string_view text(int row, int col) const override { return grid_.cellText(col, row); }

  private:
    const CellGrid& grid_;
    std::string name_;
    const Locale& locale_;
};

// "007", "1.5" and "-3" are text; "0" and "42" are numbers.
bool isPlainWholeNumber(std::string_view text);

}  // namespace quillet
