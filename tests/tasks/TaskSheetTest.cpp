#include <gtest/gtest.h>

#include "ports/DateTime.h"
#include "support/Fakes.h"
#include "tasks/Columns.h"
#include "tasks/TaskSheet.h"

namespace quillet::test {
namespace {

TEST(TaskSheet, TypesCellsByColumn) {
    CellGrid grid(DefaultColumnCount, 2, 1);
    Locale locale = usLocale();
    const struct {
        int col;
        const char* text;
        SheetCell::Type type;
        double value;
        int decimals;
    } cases[] = {
        {TaskNo, "42", SheetCell::Type::Number, 42, -1},
        {TaskNo, "0", SheetCell::Type::Number, 0, -1},
        {TaskNo, "007", SheetCell::Type::Text, 0, -1},
        {TaskNo, "-3", SheetCell::Type::Text, 0, -1},
        {TaskNo, "1.5", SheetCell::Type::Text, 0, -1},
        {TaskNo, "1234567890123456", SheetCell::Type::Text, 0, -1},
        {Hours, "2.5", SheetCell::Type::Number, 2.5, -1},
        {Hours, " 3 ", SheetCell::Type::Number, 3, -1},
        {Hours, "2h", SheetCell::Type::Text, 0, -1},
        {Cost, "1e2", SheetCell::Type::Number, 100, 2},
        {Cost, "-12.25", SheetCell::Type::Number, -12.25, 2},
        {Cost, "1,000", SheetCell::Type::Text, 0, -1},
        {StartDate, "12/7/2026", SheetCell::Type::Date, encodeDate(2026, 12, 7), -1},
        {EndDate, "2/30/2026", SheetCell::Type::Text, 0, -1},
        {Description, "42", SheetCell::Type::Text, 0, -1},
        {Notes, "12/7/2026", SheetCell::Type::Text, 0, -1},
        {Cost, "", SheetCell::Type::Text, 0, -1},
    };
    for (const auto& c : cases) {
        grid.setCellText(c.col, 1, c.text);
        const TaskSheet sheet(grid, "p", locale);
        const SheetCell cell = sheet.cell(1, c.col);
        EXPECT_EQ(cell.type, c.type) << c.col << " " << c.text;
        EXPECT_EQ(cell.value, c.value) << c.text;
        EXPECT_EQ(cell.decimals, c.decimals) << c.text;
        EXPECT_EQ(cell.text, c.text);
    }
}

// The one rule of every workbook format: typed only where the spreadsheet shows what was typed.
TEST(TaskSheet, WorkbookStoresTypedOnlyWhatReadsBackAsTyped) {
    CellGrid grid(DefaultColumnCount, 2, 1);
    using T = SheetCell::Type;
    const std::tuple<int, const char*, T> cases[] = {{Hours, "007", T::Text},
                                                     {Hours, "0.5", T::Number},
                                                     {Cost, "12345678901234567", T::Text},
                                                     {Cost, "1234567890123.456", T::Text},
                                                     {Hours, "123456789012345", T::Number},
                                                     {StartDate, "3/1/1900", T::Date},
                                                     {StartDate, "2/28/1900", T::Text},
                                                     {EndDate, "1/1/0001", T::Text},
                                                     {StartDate, "3/5/26", T::Text},
                                                     {EndDate, "3/5", T::Text},
                                                     {EndDate, "12/7/2026 10:30", T::Date}};
    for (const auto& [col, text, stored] : cases) {
        grid.setCellText(col, 1, text);
        EXPECT_EQ(TaskSheet(grid, "p", usLocale()).cell(1, col).storedType(), stored) << text;
    }
}

TEST(TaskSheet, HeadingsStayTextAndWidthsFollowTheGrid) {
    CellGrid grid(DefaultColumnCount, 2, 1);
    grid.setCellText(TaskNo, 0, "1");
    grid.setColWidth(Description, 145);
    TaskSheet sheet(grid, "p", usLocale());
    EXPECT_EQ(sheet.cell(0, TaskNo).type, SheetCell::Type::Text);
    EXPECT_TRUE(sheet.hasHeaderRow());
    EXPECT_DOUBLE_EQ(sheet.columnWidth(Description), 20.0);
    // A decimal comma reads "2,5" as a number and "2.5" as text.
    Locale comma = usLocale();
    comma.decimalSeparator = ",";
    grid.setCellText(Hours, 1, "2,5");
    grid.setCellText(Cost, 1, "2.5");
    TaskSheet commaSheet(grid, "p", comma);
    EXPECT_EQ(commaSheet.cell(1, Hours).value, 2.5);
    EXPECT_EQ(commaSheet.cell(1, Cost).type, SheetCell::Type::Text);
    grid.setRowCount(1);  // only the heading row: the grid shows it as an ordinary row
    EXPECT_TRUE(TaskSheet(grid, "p", usLocale()).hasHeaderRow());
    EXPECT_EQ(TaskSheet(grid, "p", usLocale()).cell(0, TaskNo).type, SheetCell::Type::Text);
}

}  // namespace
}  // namespace quillet::test
