#pragma once

#include <string>

#include "formats/Sheet.h"

namespace quillet {

// CSV as spreadsheets read it (RFC 4180): UTF-8 with a byte-order mark, CR LF after every
// row, a field quoted when it holds the separator, a quote or a line break, quotes doubled.
// Texts go out as exportText() gives them, the same as in a workbook.
void writeCsv(const Sheet& sheet, const std::string& path, char separator);

}  // namespace quillet
