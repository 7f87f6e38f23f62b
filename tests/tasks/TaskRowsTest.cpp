#include "tasks/TaskRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "formats/ProjectFile.h"
#include "support/CountingListener.h"
#include "support/ErrorOf.h"
#include "support/Fakes.h"
#include "support/TempDir.h"
#include "tasks/Columns.h"

namespace quillet {
namespace {

// Heading row plus task rows 1..tasks, every cell "c:r".
void fillTasks(CellGrid& g, int tasks) {
    g.setRowCount(tasks + 1);
    for (int r = 1; r <= tasks; ++r) {
        g.setCellText(0, r, std::to_string(r));
        for (int c = 1; c < g.colCount(); ++c)
            g.setCellText(c, r, std::to_string(c) + ":" + std::to_string(r));
    }
}

TEST(TaskRows, AddNumbersByRowIndexAndStartsEmpty) {
    CellGrid g(7, 2, 1);
    EXPECT_EQ(addTask(g, "12/7/2026"), 2);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cellText(0, 2), "2");
    EXPECT_EQ(g.cellText(3, 2), "12/7/2026");
    EXPECT_EQ(g.cellText(1, 2), "");

    CellGrid h(7, 2, 1);
    fillTasks(h, 5);
    h.setCellColor(2, 3, clYellow);
    EXPECT_EQ(deleteTask(h, 3), std::nullopt);
    EXPECT_EQ(h.rowCount(), 5);
    EXPECT_EQ(h.cellText(0, 3), "4");  // not renumbered
    EXPECT_EQ(h.cellText(0, 4), "5");
    EXPECT_EQ(addTask(h, "today"), 5);
    EXPECT_EQ(h.cellText(0, 5), "5");  // a second task numbered 5
    EXPECT_EQ(h.cellText(3, 5), "today");
    EXPECT_EQ(h.cellText(1, 5), "");  // not the removed row's texts, kept past the end
    EXPECT_EQ(h.cellText(6, 5), "");
    EXPECT_EQ(h.cellColor(2, 5), clNone);  // nor its colours
}

TEST(TaskRows, DeleteAtTheEdges) {
    for (int selected : {0, 1}) {
        CellGrid g(7, 2, 1);
        fillTasks(g, 3);
        EXPECT_EQ(deleteTask(g, selected), std::nullopt);
        EXPECT_EQ(g.rowCount(), 4) << selected;
        for (int c = 0; c < 7; ++c) EXPECT_EQ(g.cellText(c, 1), "") << c;
        EXPECT_EQ(g.cellText(1, 2), "1:2");
    }

    CellGrid g(7, 2, 1);
    fillTasks(g, 3);
    deleteTask(g, 3);  // the last row
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cellText(1, 2), "1:2");

    // A selection left past the rows deletes nothing (the last task stays).
    deleteTask(g, 3);
    deleteTask(g, 7);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cellText(1, 2), "1:2");

    EXPECT_EQ(deleteTask(g, -1), "Please select the first column of the row you want to delete.");
    EXPECT_EQ(g.rowCount(), 3);
}

TEST(TaskRows, PasteWithoutATabWritesTheWholeTextIntoOneCell) {
    CellGrid g(7, 3, 1);
    paste(g, 1, 1, "one\r\ntwo");
    EXPECT_EQ(g.cellText(1, 1), "one\r\ntwo");
    EXPECT_EQ(g.cellText(1, 2), "");
    paste(g, 2, 9, "past the end");
    EXPECT_EQ(g.cellText(2, 9), "past the end");
    paste(g, 1, 1, "");
    EXPECT_EQ(g.cellText(1, 1), "");
}

TEST(TaskRows, PasteOfATabSeparatedBlockFillsCellsAndGrowsTheTable) {
    struct Case {
        const char* text;
        int col, row;
        std::vector<std::string> rows;  // the grid's rows, cells joined by '|'
        int colCount, rowCount;
    };
    const Case cases[] = {
        {"a\tb\r\nc\td", 1, 1, {"h|h|h", "x|a|b", "x|c|d", "x||"}, 3, 4},
        {"a\tb\nc\td\r\n", 1, 2, {"h|h|h", "x|x|x", "x|a|b", "x|c|d"}, 3, 4},  // LF, end
        {"a\t\tz", 0, 0, {"h|h|h", "a||z", "x||", "x||"}, 3, 4},               // heading row kept
        {"a\tb\tc\td", 2, 3, {"h|h|h|||", "x|x|x|||", "x|||||", "x||a|b|c|d"}, 6, 4},
        {"a\tb\n\n1\t2", 0, 2, {"h|h|h", "x|x|x", "a|b|", "||", "1|2|"}, 3, 5},
    };
    for (const Case& c : cases) {
        CellGrid g(3, 4, 1);
        for (int col = 0; col < 3; ++col) {
            g.setCellText(col, 0, "h");
            for (int row = 1; row < 4; ++row) g.setCellText(col, row, col == 0 ? "x" : "");
        }
        g.setCellText(1, 1, "x");
        g.setCellText(2, 1, "x");
        g.setCellText(2, 4, "removed");  // kept past the end: a grown row starts empty
        paste(g, c.col, c.row, c.text);
        EXPECT_EQ(g.colCount(), c.colCount) << c.text;
        EXPECT_EQ(g.rowCount(), c.rowCount) << c.text;
        for (size_t row = 0; row < c.rows.size(); ++row) {
            std::string joined;
            for (int col = 0; col < g.colCount(); ++col)
                joined.append(col ? "|" : "").append(g.cellText(col, static_cast<int>(row)));
            EXPECT_EQ(joined, c.rows[row]) << c.text << " row " << row;
        }
    }
}

TEST(TaskRows, PasteNeverGrowsTheTableBeyondWhatAProjectFileMayHold) {
    // 100,000 columns hold 500 rows; a block reaching row 500 would make a file that
    // could not be opened again.
    CellGrid g(100000, 499, 1);
    paste(g, 0, 497, "a\tb\r\nc\td");
    EXPECT_EQ(g.rowCount(), 499);
    paste(g, 0, 498, "a\tb\r\nc\td");
    EXPECT_EQ(g.rowCount(), 500);
    EXPECT_THROW(paste(g, 99998, 499, "e\tf\r\ng\th"), CellGridError);
    EXPECT_EQ(g.rowCount(), 500);
    EXPECT_EQ(g.cellText(99998, 499), "");
}

TEST(TaskRows, AddTaskAtTheCellLimitIsRefusedAndChangesNothing) {
    // 100,000 columns hold 500 rows; one more would make a file that could not be opened.
    // (Counts cost nothing in the sparse store, but a text in row 7,142,857 of a 7-column
    // grid would take a table of that many rows.)
    CellGrid g(100'000, 499, 1);
    EXPECT_EQ(addTask(g, "today"), 499);
    const std::size_t stored = g.storedCellCount();
    test::CountingListener listener;
    g.addListener(&listener);
    EXPECT_EQ(test::errorOf<CellGridError>([&] { addTask(g, "tomorrow"); }),
              "The grid cannot have 100000 columns and 501 rows, more than the 50000000 cells "
              "a project can have");
    EXPECT_EQ(g.rowCount(), 500);
    EXPECT_EQ(g.storedCellCount(), stored);  // no half-added row, not even past the count
    EXPECT_EQ(g.cellText(TaskNo, 500), "");
    // Nothing heard, so the view stays and the saved flag does not move.
    EXPECT_EQ(listener.layouts + listener.cells + listener.content, 0);
}

TEST(TaskRows, NormaliseDateInDateColumns) {
    const Locale us = test::usLocale();
    CellGrid g(7, 4, 1);
    g.setCellText(2, 0, "Hours");
    g.setCellText(3, 0, "Start Date");
    g.setCellText(5, 0, "Last update");
    g.setCellText(6, 0, "END DATE");
    g.setCellText(3, 1, "3/4/2026");
    g.setCellText(3, 2, "3/4/2026 14:30");
    g.setCellText(5, 1, "12/31/26");
    normaliseDate(g, 3, 1, us);
    normaliseDate(g, 3, 2, us);
    normaliseDate(g, 5, 1, us);
    EXPECT_EQ(g.cellText(3, 1), "03/04/2026");
    EXPECT_EQ(g.cellText(3, 2), "03/04/2026");
    EXPECT_EQ(g.cellText(5, 1), "12/31/2026");

    g.setCellText(2, 1, "soon");
    g.setCellText(6, 1, "soon");
    normaliseDate(g, 2, 1, us);  // not a date column
    normaliseDate(g, 6, 1, us);  // DATE in capitals does not count
    EXPECT_EQ(g.cellText(2, 1), "soon");
    EXPECT_EQ(g.cellText(6, 1), "soon");

    g.setCellText(3, 3, "2/30/2026");
    try {
        normaliseDate(g, 3, 3, us);
        ADD_FAILURE() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'2/30/2026' is not a valid date and time");
    }
    EXPECT_EQ(g.cellText(3, 3), "2/30/2026");
    g.setCellText(3, 3, "");
    EXPECT_THROW(
        try { normaliseDate(g, 3, 3, us); } catch (const ConvertError& e) {
            EXPECT_STREQ(e.what(), "'' is not a valid date and time");
            throw;
        },
        ConvertError);
}

TEST(TaskRows, NormalisedDateReadsBackAsTheSameDay) {
    const struct {
        Locale locale;
        const char* typed;
        const char* normalised;
    } cases[] = {
        {test::usLocale(), "12/31/24", "12/31/2024"},
        {test::germanLocale(), "31.12.2024", "31.12.2024"},
        {test::germanLocale(), "3.4.26 9:15", "03.04.2026"},
        {test::britishLocale(), "31/12/24", "31/12/2024"},
        {test::britishLocale(), "3/4/2026", "03/04/2026"},  // 3 April
        {test::isoLocale(), "2024-2-3", "2024-02-03"},
    };
    for (const auto& c : cases) {
        CellGrid g(7, 2, 1);
        g.setCellText(3, 0, "Start Date");
        g.setCellText(3, 1, c.typed);
        normaliseDate(g, 3, 1, c.locale);
        EXPECT_EQ(g.cellText(3, 1), c.normalised) << c.typed;
        EXPECT_EQ(c.locale.parseDateTime(g.cellText(3, 1)),
                  std::floor(*c.locale.parseDateTime(c.typed)))
            << c.typed;
        normaliseDate(g, 3, 1, c.locale);  // once normalised, it stays
        EXPECT_EQ(g.cellText(3, 1), c.normalised) << c.typed;
    }
}

TEST(TaskRows, CountsTheRowsOfAFileWithTextBelowTheHeading) {
    test::TempDir dir;
    const std::string path = dir.file("counted.prj");
    struct Cell {
        int col;
        int row;
        std::string text;
    };
    const struct {
        const char* name;
        int rows;
        std::vector<Cell> cells;
        int tasks;
    } cases[] = {
        {"headings only", 3, {{0, 0, "Task #"}, {1, 0, "Task Description"}}, 0},
        {"gaps, far columns, a space",
         6,
         {{0, 0, "Task #"}, {0, 1, "1"}, {6, 3, "x"}, {2, 5, " "}},
         3},
        {"a first line that is empty", 2, {{1, 1, "\r\nsecond line"}}, 1},
        {"a total row is no task",
         3,
         {{0, 1, "1"}, {1, 2, " <Total for project>"}, {4, 2, "5"}},
         1},
    };
    for (const auto& c : cases) {
        CellGrid g(7, c.rows, 1);
        for (const Cell& cell : c.cells) g.setCellText(cell.col, cell.row, cell.text);
        saveCellsToFile(g, path);
        EXPECT_EQ(countTasksInFile(path), std::optional<int>(c.tasks)) << c.name;
    }
    test::writeBytes(path, "100001,2\r\n");  // more columns than a project may have
    EXPECT_EQ(countTasksInFile(path), std::nullopt);
    EXPECT_EQ(countTasksInFile(dir.file("missing.prj")), std::nullopt);
}

}  // namespace
}  // namespace quillet
