#include <gtest/gtest.h>
#include <malloc.h>

#include <functional>
#include <string>

#include "grid/CellGrid.h"

namespace quillet {
namespace {

// Everything a step may touch: counts and every stored text, those past the counts too.
std::string dump(const CellGrid& grid, int rows = 40) {
    std::string out = std::to_string(grid.colCount()) + "x" + std::to_string(grid.rowCount()) +
                      "/" + std::to_string(grid.fixedRows()) + "\n";
    for (int row = 0; row < rows; ++row) {
        for (const CellGrid::StoredCell& cell : grid.storedCells(row))
            out += std::to_string(cell.col()) + "," + std::to_string(row) + "=" +
                   std::string(cell.text()) + "\n";
    }
    return out;
}

void fill(CellGrid& grid) {
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 4; ++col)
            grid.setCellText(col, row, "r" + std::to_string(row) + "c" + std::to_string(col));
    }
    grid.setCellText(5, 2, "past the columns");
    grid.setCellText(1, 9, "past the rows");
    grid.setCellText(2, 3, "a text longer than eight bytes");
}

TEST(GridStepTest, RevertRestoresAndRedoRepeats) {
    struct Case {
        const char* name;
        std::function<void(CellGrid&)> change;
    };
    const Case cases[] = {
        {"texts",
         [](CellGrid& g) {
             g.setCellText(1, 1, "new");
             g.setCellText(1, 1, "newer and longer than eight");
             g.setCellText(2, 3, "");
             g.setCellText(3, 12, "far down");
             // Old texts on either side of what a cell holds in itself (8 bytes).
             g.setCellText(0, 2, "12345678");
             g.setCellText(0, 2, "123456789");
             g.setCellText(0, 2, "x");
         }},
        {"counts",
         [](CellGrid& g) {
             g.setRowCount(3);
             g.setColCount(6);
             g.setRowCount(12);
             g.setFixedRows(2);
             g.setRowCount(1);
         }},
        {"delete rows",
         [](CellGrid& g) {
             g.deleteRows(2, 1);
             g.deleteRows(1, 3);
             g.setCellText(0, 1, "after");
         }},
        {"delete the last rows", [](CellGrid& g) { g.deleteRows(6, 5); }},
        {"exchanges",
         [](CellGrid& g) {
             g.exchangeRows(1, 7);
             g.exchangeRows(2, 3);
             g.exchangeRows(7, 2);
             g.setCellText(0, 2, "between");
             g.exchangeRows(1, 11);
         }},
        {"narrowed, then exchanged",
         [](CellGrid& g) {
             g.setColCount(2);
             g.exchangeRows(2, 4);
             g.setRowCount(9);
             g.deleteRows(3, 2);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CellGrid grid(4, 8, 1);
        fill(grid);
        grid.setCurrentCell(2, 5);
        const std::string before = dump(grid);
        grid.beginStep(1 << 20);
        c.change(grid);
        grid.setCurrentCell(1, 2);
        GridStep step = grid.endStep();
        const std::string after = dump(grid);
        ASSERT_FALSE(step.empty());

        GridStep redo = grid.revertStep(std::move(step));
        EXPECT_EQ(dump(grid), before);
        EXPECT_EQ(grid.currentCol(), 2);
        EXPECT_EQ(grid.currentRow(), 5);
        GridStep undo = grid.revertStep(std::move(redo));
        EXPECT_EQ(dump(grid), after);
        EXPECT_EQ(grid.currentRow(), 2);
        grid.revertStep(std::move(undo));
        EXPECT_EQ(dump(grid), before);
    }
}

// A large step: its record spans many blocks, its cells come in runs and out of order, its
// old texts have every length around the sizes the record treats apart, some are long enough
// to be kept outside the blocks, and the step is moved before it is reverted.
TEST(GridStepTest, LargeStepsRevertExactly) {
    constexpr int kCols = 12;
    constexpr int kRows = 3000;
    CellGrid grid(kCols, kRows, 1);
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kCols; ++col) {
            const int n = row * kCols + col;
            const std::size_t length = n % 997 == 0 ? 20000 + n % 7 : n % 41;
            grid.setCellText(col, row, std::string(length, static_cast<char>('a' + n % 26)));
        }
    }
    const std::string before = dump(grid, kRows + 10);
    grid.beginStep(std::size_t{1} << 30);
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kCols; ++col) grid.setCellText(col, row, "p" + std::to_string(col));
    }
    for (int row = kRows - 1; row >= 0; row -= 7) grid.setCellText(row % kCols, row, "");
    grid.deleteRows(5, 3);
    for (int col = kCols + 2; col-- > 0;) grid.setCellText(col, 3, std::string(col * 3, 'z'));
    GridStep step = grid.endStep();
    const std::string after = dump(grid, kRows + 10);
    GridStep moved(std::move(step));
    step = std::move(moved);

    // Compared whole: a printed difference of megabytes would take a minute.
    GridStep redo = grid.revertStep(std::move(step));
    EXPECT_TRUE(dump(grid, kRows + 10) == before) << "undo";
    grid.revertStep(std::move(redo));
    EXPECT_TRUE(dump(grid, kRows + 10) == after) << "redo";
}

// A step's bytes are the memory it holds, its blocks' unused room included: old texts of
// 16 KB fill three quarters of a block.
TEST(GridStepTest, BytesCountTheMemoryTheRecordHolds) {
    CellGrid grid(1, 201, 1);
    for (int row = 1; row <= 200; ++row) grid.setCellText(0, row, std::string(16 * 1024, 'o'));
    grid.beginStep(std::size_t{1} << 30);
    for (int row = 1; row <= 200; ++row) grid.setCellText(0, row, "x");
    GridStep step = grid.endStep();
    const auto inUse = [] {
        const struct mallinfo2 m = mallinfo2();
        return m.uordblks + m.hblkhd;
    };
    const std::size_t withStep = inUse();
    const std::size_t counted = step.bytes();
    step = GridStep();
    const std::size_t held = withStep - inUse();
    if (held == 0) GTEST_SKIP() << "the allocator reports no use";
    EXPECT_GE(counted, held * 19 / 20);
    EXPECT_LE(counted, held * 21 / 20);
}

struct Counter : CellGridListener {
    int layouts = 0;
    int others = 0;
    void gridChanged(const GridChange& change) override {
        (change.kind == GridChange::Kind::Layout ? layouts : others) += 1;
    }
};

TEST(GridStepTest, RecordsOnlyInsideAStepAndWithinItsBound) {
    CellGrid grid(4, 8, 1);
    fill(grid);
    grid.beginStep(1 << 20);
    EXPECT_TRUE(grid.endStep().empty());

    // A sort's exchanges cost 4 bytes a row, however many there are.
    grid.setRowCount(1001);
    grid.beginStep(1 << 20);
    for (int r = 1; r < 1000; ++r) grid.exchangeRows(r, r + 1);
    GridStep sort = grid.endStep();
    EXPECT_GE(sort.bytes(), 4u * 1001);
    EXPECT_LT(sort.bytes(), 4u * 1001 + 200);

    Counter counter;
    grid.addListener(&counter);
    grid.revertStep(std::move(sort));
    EXPECT_EQ(counter.layouts, 1);
    grid.removeListener(&counter);

    grid.beginStep(100);
    for (int r = 0; r < 10; ++r) grid.setCellText(0, r, "x");
    GridStep tooLarge = grid.endStep();
    EXPECT_TRUE(tooLarge.tooLarge());
    EXPECT_FALSE(tooLarge.empty());
    EXPECT_EQ(tooLarge.bytes(), 0u);
    EXPECT_EQ(grid.cellText(0, 9), "x");  // the change itself is made
}

}  // namespace
}  // namespace quillet
