#pragma once

#include <string>

#include "grid/CellGrid.h"
#include "tasks/Columns.h"

namespace quillet::bench {

// A project of `tasks` rows under the seven headings, every cell filled with typical text.
inline void fillPrintProject(CellGrid& grid, int tasks) {
    grid.setColCount(DefaultColumnCount);
    grid.setRowCount(tasks + 1);
    for (int c = 0; c < DefaultColumnCount; ++c) grid.rawSetCellText(c, 0, kDefaultHeadings[c]);
    for (int r = 1; r <= tasks; ++r) {
        grid.rawSetCellText(TaskNo, r, std::to_string(r));
        grid.rawSetCellText(Description, r, "Design review " + std::to_string(r % 997));
        grid.rawSetCellText(Hours, r, std::to_string(r % 40) + ".5");
        grid.rawSetCellText(StartDate, r, "12/" + std::to_string(r % 28 + 1) + "/2026");
        grid.rawSetCellText(Cost, r, std::to_string(r % 5000));
        grid.rawSetCellText(Notes, r, "note " + std::to_string(r % 100));
        grid.rawSetCellText(EndDate, r, "1/" + std::to_string(r % 28 + 1) + "/2027");
    }
}

}  // namespace quillet::bench
