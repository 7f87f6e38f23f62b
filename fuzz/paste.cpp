// Any clipboard text pastes without a crash, never over the heading row, into cells the
// project file gives back byte for byte.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "formats/ProjectFile.h"
#include "tasks/TaskRows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const quillet::fuzz::ScratchFile saved("-paste.prj");
    quillet::CellGrid grid(7, 3, 1);
    grid.setCellText(0, 0, "Task #");
    const int col = data[0] % 9;
    const int row = data[1] % 4;
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
    try {
        quillet::paste(grid, col, row, text);
    } catch (const quillet::CellGridError&) {
        return 0;  // more cells than a project can have
    }
    if (text.find('\t') != std::string::npos)
        QUILLET_FUZZ_CHECK(grid.cellText(0, 0) == "Task #", "a block leaves the heading row");
    quillet::saveCellsToFile(grid, saved.path());
    quillet::CellGrid back(1, 1, 0);
    quillet::loadCellsFromFile(back, saved.path());
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.colCount(); ++c)
            QUILLET_FUZZ_CHECK(back.cellText(c, r) == grid.cellText(c, r),
                               "every pasted cell reloads unchanged");
    return 0;
}
