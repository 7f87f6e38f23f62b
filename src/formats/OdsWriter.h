#pragma once

#include <string>

#include "formats/Sheet.h"

namespace quillet {

// An OpenDocument spreadsheet of one table: numbers and dates as typed cells, the heading
// row bold and frozen. The table's XML is made row by row as the zip compresses it, so only
// the compressed file is held in memory.
void writeOds(const Sheet& sheet, const std::string& path, const ExportSettings& settings);

}  // namespace quillet
