#include "tasks/TaskRows.h"

#include <string_view>

#include "tasks/Columns.h"

namespace quillet {

int addTask(CellGrid& grid, const std::string& todayText) {
    grid.setRowCount(grid.rowCount() + 1);
    const int row = grid.rowCount() - 1;
    grid.setCellText(TaskNo, row, std::to_string(row));
    grid.setCellText(StartDate, row, todayText);
    return row;
}

std::optional<std::string> deleteTask(CellGrid& grid, int selectedRow) {
    if (selectedRow < 0) return "Please select the first column of the row you want to delete.";
    if (selectedRow >= 2) {
        // A selection left past the last row (say after opening a smaller project)
        // names no task; removing the last row instead would lose a task nobody chose.
        if (selectedRow < grid.rowCount()) grid.deleteRows(selectedRow, 1);
        return std::nullopt;
    }
    CellGrid::BulkUpdate bulk(grid);
    for (int c = 0; c < grid.colCount(); ++c) grid.setCellText(c, 1, std::string());
    return std::nullopt;
}

void paste(CellGrid& grid, int col, int row, std::string clipboardText) {
    grid.setCellText(col, row, std::move(clipboardText));
}

bool isDateColumn(const CellGrid& grid, int col) {
    const std::string_view heading = grid.cellText(col, 0);
    return heading.find("date") != std::string_view::npos ||
           heading.find("Date") != std::string_view::npos;
}

void normaliseDate(CellGrid& grid, int col, int row, const Locale& locale) {
    // The heading row holds column names, not data.
    if (col < 0 || row < 1 || !isDateColumn(grid, col)) return;
    const std::string& text = grid.cellText(col, row);
    const std::optional<double> value = locale.parseDateTime(text);
    if (!value) throw ConvertError("'" + text + "' is not a valid date and time");
    grid.setCellText(col, row, locale.formatNormalisedDate(*value));
}

}  // namespace quillet
