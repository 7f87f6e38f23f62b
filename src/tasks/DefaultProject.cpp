#include "tasks/DefaultProject.h"

#include "tasks/Columns.h"

namespace quillet {

void fillDefaultProject(CellGrid& grid, const DefaultWidths& widths, const std::string& todayText) {
    CellGrid::BulkUpdate bulk(grid);
    for (int col = 0; col < DefaultColumnCount; ++col)
        grid.setCellText(col, 0, kDefaultHeadings[col]);
    grid.setColWidth(TaskNo, widths.taskNo);
    grid.setColWidth(Description, widths.description);
    grid.setColWidth(Notes, widths.notes);
    for (int col = 0; col < grid.colCount(); ++col) grid.setCellText(col, 1, "");
    grid.setCellText(TaskNo, 1, "1");
    grid.setCellText(StartDate, 1, todayText);
    bulk.commit();
}

}  // namespace quillet
