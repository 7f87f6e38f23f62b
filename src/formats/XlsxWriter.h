#pragma once

#include <string>
#include <string_view>

#include "formats/Sheet.h"

namespace quillet {

// An Excel workbook of one worksheet, written row by row (constant memory): numbers and
// dates as typed cells, the heading row bold and frozen. Throws ExportError for a sheet a
// workbook cannot hold (too many rows or columns, a text too long for a cell).
void writeXlsx(const Sheet& sheet, const std::string& path, const ExportSettings& settings);

// The short date pattern as a workbook number format ("M/d/yyyy" gives "m/d/yyyy").
std::string workbookDateFormat(std::string_view datePattern);
// A name a workbook takes for a sheet: at most 31 characters, none of []:*?/\ and no
// apostrophe at either end.
std::string workbookSheetName(std::string_view name);

}  // namespace quillet
