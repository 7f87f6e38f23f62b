#include "tasks/TaskRows.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "formats/CellText.h"
#include "formats/ProjectFile.h"
#include "tasks/Columns.h"
#include "tasks/TaskRow.h"

namespace quillet {

void growRows(CellGrid& grid, int rowCount) {
    const int first = grid.rowCount();
    if (rowCount <= first) return;
    grid.setRowCount(rowCount);
    std::vector<int> cols;
    for (int row = first; row < rowCount; ++row) {
        cols.clear();
        for (const CellGrid::StoredCell& cell : grid.storedCells(row)) cols.push_back(cell.col());
        for (const int col : cols) grid.setCellText(col, row, std::string_view());
    }
}

int addTask(CellGrid& grid, const std::string& todayText) {
    growRows(grid, grid.rowCount() + 1);
    const int row = grid.rowCount() - 1;
    grid.setCellText(TaskNo, row, std::to_string(row));
    grid.setCellText(StartDate, row, todayText);
    return row;
}

std::optional<Message> deleteTask(CellGrid& grid, int selectedRow) {
    if (selectedRow < 0)
        return Message(QUILLET_TR("CoreMessages",
                                  "Please select the first column of the row you want to delete."));
    if (selectedRow >= 2) {
        // A selection left past the last row (say after opening a smaller project)
        // names no task; removing the last row instead would lose a task nobody chose.
        if (selectedRow < grid.rowCount()) grid.deleteRows(selectedRow, 1);
        return std::nullopt;
    }
    CellGrid::BulkUpdate bulk(grid);
    for (int c = 0; c < grid.colCount(); ++c) grid.setCellText(c, 1, std::string());
    bulk.commit();
    return std::nullopt;
}

namespace {

// Rows of a tab-separated block: lines end at CR LF or LF; a final line end closes the
// last row instead of starting an empty one.
std::vector<std::vector<std::string_view>> splitBlock(std::string_view text) {
    std::vector<std::vector<std::string_view>> rows;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        std::vector<std::string_view>& cells = rows.emplace_back();
        for (size_t tab; (tab = line.find('\t')) != std::string_view::npos;
             line.remove_prefix(tab + 1))
            cells.push_back(line.substr(0, tab));
        cells.push_back(line);
    }
    return rows;
}

}  // namespace

void paste(CellGrid& grid, int col, int row, std::string clipboardText) {
    if (clipboardText.find('\t') == std::string::npos) {
        grid.setCellText(col, row, sanitizeCellText(std::move(clipboardText)));
        return;
    }
    // Cells copied from a spreadsheet or from Copy: one cell each, from the selected cell
    // on; the heading row is never pasted over.
    const auto rows = splitBlock(clipboardText);
    col = std::max(col, 0);
    row = std::max(row, 1);
    size_t width = 0;
    for (const auto& cells : rows) width = std::max(width, cells.size());
    const std::int64_t lastCol = col + static_cast<std::int64_t>(width) - 1;
    const std::int64_t lastRow = row + static_cast<std::int64_t>(rows.size()) - 1;
    // The store refuses a larger table too; checked first for the clipboard's own message.
    if (lastCol >= CellGrid::kMaxColumns || lastRow >= CellGrid::kMaxRows ||
        CellGrid::exceedsCellLimit(std::max<std::int64_t>(lastCol + 1, grid.colCount()),
                                   std::max<std::int64_t>(lastRow + 1, grid.rowCount())))
        throw CellGridError(
            QUILLET_TR("CoreMessages", "The clipboard holds more cells than a project can have"));
    CellGrid::BulkUpdate bulk(grid);
    if (lastCol >= grid.colCount()) grid.setColCount(static_cast<int>(lastCol) + 1);
    if (lastRow >= grid.rowCount()) growRows(grid, static_cast<int>(lastRow) + 1);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            grid.setCellText(col + static_cast<int>(c), row + static_cast<int>(r),
                             sanitizeCellText(std::string(rows[r][c])));
    bulk.commit();
}

std::optional<int> countTasksInFile(const std::string& path) {
    CellGrid grid;
    try {
        loadCellsFromFile(grid, path);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    int tasks = 0;
    for (int row = 1; row < grid.rowCount(); ++row) tasks += isTaskRow(grid, row) ? 1 : 0;
    return tasks;
}

bool isDateColumn(const CellGrid& grid, int col) {
    const std::string_view heading = grid.cellText(col, 0);
    return heading.find("date") != std::string_view::npos ||
           heading.find("Date") != std::string_view::npos;
}

void normaliseDate(CellGrid& grid, int col, int row, const Locale& locale) {
    // The heading row holds column names, not data.
    if (col < 0 || row < 1 || !isDateColumn(grid, col)) return;
    const CellGrid::TextView text = grid.cellText(col, row);
    const std::optional<double> value = locale.parseDateTime(text);
    if (!value) {
        throw ConvertError(Message(QUILLET_TR("CoreMessages", "'%1' is not a valid date and time"))
                               .arg(std::string(text)));
    }
    grid.setCellText(col, row, locale.formatNormalisedDate(*value));
}

}  // namespace quillet
