#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/FileStamp.h"
#include "formats/ReadOptions.h"
#include "grid/CellGrid.h"

namespace quillet {

// The bytes that may separate fields, in the order detection tries them.
inline constexpr char kCsvSeparatorCandidates[] = {',', ';', '#', '\t', '|'};

// Reads a delimited text file into the grid, its first line into row 0 from column 0.
// Cells a line writes take its fields; every other cell keeps its text. ColCount only
// grows, RowCount ends at the number of lines (with the store's clamps), widths stay.
// csvSeparator is the grid's CsvSeparator setting: when it holds a byte, that byte
// separates the fields and nothing is detected; a detected separator is never kept.
// With options.oemConvert, a file that is not valid UTF-8 is read as CP437; a leading UTF-8
// byte-order mark is dropped. A file without any CR has its lines ended by LF.
// Throws CellGridError: "Cannot open file " + path, a read error, or a file with more
// than CellGrid::kMaxRows lines, kMaxColumns fields in a line or kMaxCells cells in
// all, counted as lines times the widest line (the lines before it stay).
// The grid's listener hears one layoutChanged. Returns the file as read (see
// TextLineReader::stamp).
std::optional<FileStamp> loadCellsFromCsv(CellGrid& grid, const std::string& path,
                                          const ReadOptions& options = {},
                                          std::optional<char> csvSeparator = std::nullopt);

// The separator that the first two lines of a file suggest, or none: then each line
// is one field.
std::optional<char> detectCsvSeparator(std::string_view line1, std::string_view line2);

// Counts a byte in runs: a run of it followed by another byte counts one when its length
// is odd and nothing when it is even; a run that ends the line counts one. The closing
// quote of a quoted field is found by the same rule.
std::int64_t csvRunCount(std::string_view line, char separator);

}  // namespace quillet
