#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/AtomicFileWriter.h"
#include "formats/ReadOptions.h"
#include "grid/CellGrid.h"

namespace quillet {

// Writes the counts, every column width and every non-empty cell as CR LF lines.
// A 0x1A in a cell is left out (it would end the file for the reader).
// The target is replaced only once every byte is on disk. Throws CellGridError:
// "Cannot Create " + path, or "Cannot write file " + path + ": " + reason.
// Returns the file as written (see AtomicFileWriter::stamp).
std::optional<FileStamp> saveCellsToFile(
    const CellGrid& grid, const std::string& path,
    AtomicFileWriter::Privacy privacy = AtomicFileWriter::Privacy::Shared,
    const FileProgress& progress = {});

// Reads such a file into the grid without clearing it first; cells and widths the
// file does not mention stay. Malformed lines are read as far as they make sense or
// ignored. A file without any CR has its lines ended by LF. Only a regular file is
// read. Throws CellGridError: "Cannot open file " + path, a read error, or a
// header asking for a larger grid than a project can be (CellGrid::kMaxColumns,
// kMaxRows, kMaxCells), refused before the grid changes.
// The grid's listener hears one layoutChanged. Returns the file as read (see
// TextLineReader::stamp).
std::optional<FileStamp> loadCellsFromFile(CellGrid& grid, const std::string& path,
                                           const ReadOptions& options = {});

// True for an existing, non-empty file whose first line is not a project file's header
// ("columns,rows"): a CSV export, a document. Saving over it would replace that data.
bool isForeignFile(const std::string& path);

// A text holding a CR is written with CR as TAB and LF as BS, so it stays on one line.
std::string escapeLineBreaks(std::string_view text);
// Undoes escapeLineBreaks for a text holding a BS; single-line grids keep the first line.
std::string unescapeLineBreaks(std::string_view text, bool multilineCells);

// row * 100 / max(1, rowCount - 1), rounded to the nearest integer, ties to even.
std::int16_t progressPercent(std::int64_t row, std::int64_t rowCount);

}  // namespace quillet
