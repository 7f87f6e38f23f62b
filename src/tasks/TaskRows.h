#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "grid/CellGrid.h"
#include "ports/Locale.h"

namespace quillet {

// A text that does not convert to a date; what() is the message the user reads.
class ConvertError : public MessageError {
  public:
    using MessageError::MessageError;
};

// Grows the table to rowCount rows. The store keeps the texts of removed rows past the
// last row; the rows brought into view are emptied of them (as recorded writes, so undo
// puts them back), and start empty.
void growRows(CellGrid& grid, int rowCount);

// Appends a task row numbered with its row index and dated with todayText (the
// user's short date). Returns the new row's index. Other cells of the row are
// empty. A grid that cannot grow (CellGrid::kMaxCells)
// throws CellGridError and is left as it was.
int addTask(CellGrid& grid, const std::string& todayText);

// Removes the selected task row, or empties task row 1 when the heading or row 1
// is selected. Returns a message to show when the selection names no row.
std::optional<Message> deleteTask(CellGrid& grid, int selectedRow);

// Writes a clipboard text without a TAB, unsplit, into the one selected cell. A text with
// a TAB is a block of cells (TAB between cells, CR LF or LF between rows) pasted from the
// selected cell on, below the heading row, growing the table as needed.
void paste(CellGrid& grid, int col, int row, std::string clipboardText);

// The tasks a project file holds (isTaskRow).
// nullopt when the file cannot be read.
std::optional<int> countTasksInFile(const std::string& path);

// A column whose heading contains "date" or "Date" (case-sensitive).
bool isDateColumn(const CellGrid& grid, int col);

// Rewrites a date typed into a date column as mm/dd/yyyy under a month-first
// locale, otherwise as dd, MM and yyyy in the locale's own order (31.12.2024),
// always with the locale's separator and dropping any time, so that it reads
// back as the same day. Throws ConvertError, leaving the cell as it was, when
// the text is not a date in the user's short date order.
void normaliseDate(CellGrid& grid, int col, int row, const Locale& locale);

}  // namespace quillet
