#include "grid/GridSnapshot.h"

#include <gtest/gtest.h>

#include "formats/ProjectFile.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

using test::readBytes;
using test::TempDir;

TEST(GridSnapshot, WritesWhatSavingTheGridWouldHaveWrittenThen) {
    CellGrid grid(9, 6, 1);
    grid.setColWidth(0, 42);
    grid.setColWidth(8, 0);
    grid.setCellText(0, 0, "Task #");
    grid.setCellText(1, 1, "first\r\nsecond");
    grid.setCellText(8, 2, "text, with commas");
    grid.setCellText(3, 4, std::string("nul\0byte", 8));
    grid.setCellText(2, 5, "x\ny");
    grid.setCellColor(4, 3, clYellow);
    grid.setRowCount(4);  // cells past the end stay in the store but are not saved
    TempDir dir;
    saveCellsToFile(grid, dir.file("grid.prj"));

    const GridSnapshot snapshot(grid);
    EXPECT_EQ(snapshot.cellCount(), 3u);
    // The grid goes on changing; the snapshot does not.
    grid.setCellText(1, 1, "changed");
    grid.setColWidth(0, 1);
    grid.setRowCount(7);
    saveCellsToFile(*snapshot.toGrid(), dir.file("snapshot.prj"));
    EXPECT_EQ(readBytes(dir.file("snapshot.prj")), readBytes(dir.file("grid.prj")));
}

}  // namespace
}  // namespace quillet
