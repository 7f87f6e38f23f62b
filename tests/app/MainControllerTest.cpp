#include "app/MainController.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AppHarness.h"
#include "support/ErrorOf.h"
#include "tasks/TaskRows.h"

namespace quillet {
namespace {

using test::AppHarness;
using Strings = std::vector<std::string>;

std::vector<int> widths(const CellGrid& g) {
    std::vector<int> out;
    for (int col = 0; col < g.colCount(); ++col) out.push_back(g.colWidth(col));
    return out;
}

TEST(MainControllerLife, StartsWithOneDatedTaskAndClosingStoresWidthsThenAsks) {
    AppHarness h;
    h.settings.values = {{"col_3w", "70"}, {"col_5w", "n/a"}, {"col_7w", "x"}, {"col_2w", "99"}};
    try {
        h.start();
        ADD_FAILURE() << "a bad stored width is reported";
    } catch (const MessageError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    }
    MainController& app = *h.app;
    EXPECT_EQ(widths(app.grid()), (std::vector<int>{42, 99, 70, 64, 64, 120, 64}));
    EXPECT_EQ(app.grid().cellText(TaskNo, 1), "1");
    EXPECT_EQ(app.grid().cellText(StartDate, 1), "12/7/2026");
    EXPECT_EQ(app.grid().cellText(EndDate, 0), "End Date");
    EXPECT_EQ(app.project().title(), kUntitledProject);

    app.grid().setColWidth(Cost, 90);
    h.settings.writes.clear();
    h.prompts.yesNoAnswers = {false};
    EXPECT_TRUE(app.confirmClose());
    EXPECT_EQ(h.settings.writes,
              (Strings{"col_1w", "col_2w", "col_3w", "col_4w", "col_5w", "col_6w", "col_7w"}));
    EXPECT_EQ(h.settings.values["col_5w"], "90");
    EXPECT_EQ(h.settings.values["col_7w"], "64");
    EXPECT_EQ(h.prompts.questions, Strings{kSaveQuestion});
}

TEST(MainControllerTasks, AddNumbersByRowAndDeleteFollowsTheClickedRow) {
    AppHarness h;
    MainController& app = h.start();
    CellGrid& g = app.grid();
    g.setRowCount(4);
    for (int row = 1; row < 4; ++row) {
        g.setCellText(TaskNo, row, std::to_string(row));
        g.setCellText(Description, row, "task " + std::to_string(row));
    }
    g.setCurrentCell(0, 2);
    app.deleteTask();
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cellText(Description, 2), "task 3");
    app.addTask();
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.cellText(TaskNo, 3), "3");  // numbered by row, a second "3"
    EXPECT_EQ(g.cellText(StartDate, 3), "12/7/2026");
    EXPECT_EQ(g.cellText(Description, 3), "");  // not the removed row, kept past the end
    app.undo();
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.cellText(Description, 3), "task 2");  // the table exactly as it was
    app.redo();

    // The heading or row 1 selected: row 1 is emptied, no row removed.
    for (int row : {0, 1}) {
        g.setCellText(Description, 1, "first");
        g.setCurrentCell(Hours, row);
        app.deleteTask();
        EXPECT_EQ(g.rowCount(), 4);
        for (int col = 0; col < 7; ++col) EXPECT_EQ(g.cellText(col, 1), "") << col;
        EXPECT_EQ(g.cellText(TaskNo, 0), "Task #");
    }
    g.setCurrentCell(0, -1);
    app.deleteTask();
    EXPECT_EQ(h.prompts.messages,
              Strings{"Please select the first column of the row you want to delete."});
    EXPECT_EQ(g.rowCount(), 4);
}

TEST(MainControllerClipboard, PasteBeforeAnyClickAndCopyOfASelection) {
    AppHarness h;
    MainController& app = h.start();
    CellGrid& g = app.grid();
    h.clipboard.contents = "a\r\nc";
    app.paste();
    EXPECT_EQ(g.cellText(TaskNo, 0), "Task #");
    EXPECT_EQ(g.cellText(TaskNo, 1), "a\r\nc");  // whole, unsplit

    g.setCellText(Description, 1, "x");
    g.setCellText(Hours, 1, "1.5");
    g.setCellText(Description, 2, "y");
    g.setCurrentCell(Description, 1);
    g.setSelection(Description, 1, Hours, 2);
    app.copySelection();
    EXPECT_EQ(h.clipboard.contents, "x\t1.5\r\ny\t\r\n");
}

TEST(MainControllerSummary, SelectsOnlyTaskRowsAndKeepsTheColumn) {
    AppHarness h;
    MainController& app = h.start();
    app.grid().setRowCount(4);
    app.selectCell(Cost, 1);
    struct Case {
        int row;
        int expectedRow;
    } cases[] = {{3, 3}, {0, 3}, {4, 3}, {-1, 3}, {1, 1}};  // the heading and past the end: no move
    for (const Case& c : cases) {
        app.selectTaskRow(c.row);
        EXPECT_EQ(app.selectedRow(), c.expectedRow) << c.row;
        EXPECT_EQ(app.selectedCol(), Cost);
    }
}

TEST(MainControllerTotal, SumsCostsReportsBadOnesAndAddsOneTotalRow) {
    AppHarness h;
    MainController& app = h.start();
    CellGrid& g = app.grid();
    EXPECT_EQ(app.totalCaption(), " ");
    g.setCellText(Cost, 1, "10");
    g.setCellText(Cost, 2, " 2.5 ");
    g.setCellText(Cost, 3, "$5");
    app.calculateTotal();
    EXPECT_EQ(app.totalCaption(), "12.5");
    EXPECT_EQ(app.statusMessage(), "Error calculating total...");
    g.setCellText(Cost, 3, "5");
    app.calculateTotal();
    EXPECT_EQ(app.statusMessage(), "");
    g.setCellText(Cost, 3, "$5");
    app.calculateTotal();

    app.addTotalRow();
    ASSERT_EQ(g.rowCount(), 6);
    EXPECT_EQ(g.cellText(TaskNo, 5), "5");
    EXPECT_EQ(g.cellText(Description, 5), "<Total for project>");
    EXPECT_EQ(g.cellText(StartDate, 5), "12/7/2026");
    EXPECT_EQ(g.cellText(Cost, 5), "12.5");
    g.setCellText(Cost, 3, "");
    app.calculateTotal();
    EXPECT_EQ(app.totalCaption(), "12.5");  // the total row is not counted
    h.clock.value += 1;
    app.addTotalRow();
    EXPECT_EQ(g.rowCount(), 6);
    EXPECT_EQ(g.cellText(StartDate, 5), "12/8/2026");
}

TEST(MainControllerTasks, AProjectAtTheSizeLimitRefusesAnotherRowAndStaysSaved) {
    AppHarness h;
    MainController& app = h.start();
    // 7 columns: one more row would pass the 50,000,000 cells a project file can hold.
    h.grid().setRowCount(7'142'857);
    h.prompts.savePaths = {h.dir.file("full.prj")};
    app.saveProjectAs();
    ASSERT_TRUE(h.project().isSaved());
    for (const auto& command : {&MainController::addTask, &MainController::addTotalRow}) {
        EXPECT_NE(test::errorOf([&] { (app.*command)(); }).find("50000000 cells"),
                  std::string::npos);
        EXPECT_EQ(h.grid().rowCount(), 7'142'857);
        EXPECT_TRUE(h.project().isSaved());
    }
}

TEST(MainControllerSort, EachSortCommandSortsAtOnce) {
    AppHarness h;
    MainController& app = h.start();
    CellGrid& g = app.grid();
    g.setRowCount(4);
    const Strings numbers = {"10", "2", "1"}, dates = {"1/5/2026", "12/1/2025", "3/1/2026"};
    for (int row = 1; row < 4; ++row) {
        g.setCellText(TaskNo, row, numbers[static_cast<size_t>(row - 1)]);
        g.setCellText(StartDate, row, dates[static_cast<size_t>(row - 1)]);
    }
    app.sortByTask();
    EXPECT_EQ(app.sortColumn(), TaskNo);
    EXPECT_EQ((Strings{std::string(g.cellText(0, 1)), std::string(g.cellText(0, 2)),
                       std::string(g.cellText(0, 3))}),
              (Strings{"1", "2", "10"}));
    app.sortByTaskDate();
    EXPECT_EQ(app.sortColumn(), StartDate);
    EXPECT_EQ((Strings{std::string(g.cellText(0, 1)), std::string(g.cellText(0, 2)),
                       std::string(g.cellText(0, 3))}),
              (Strings{"2", "10", "1"}));
}

TEST(MainControllerEdit, DateColumnsAreRewrittenAfterAnEdit) {
    AppHarness h;
    MainController& app = h.start();
    CellGrid& g = app.grid();
    app.editCell(StartDate, 1, "3/4/2026 14:30");
    EXPECT_EQ(g.cellText(StartDate, 1), "03/04/2026");
    app.editCell(EndDate, 1, "12/25/26");
    EXPECT_EQ(g.cellText(EndDate, 1), "12/25/2026");

    app.editCell(Description, 1, "3/4/2026 14:30");  // not a date column
    EXPECT_EQ(g.cellText(Description, 1), "3/4/2026 14:30");

    try {
        app.editCell(StartDate, 1, "soon");
        ADD_FAILURE() << "a non-date is reported";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'soon' is not a valid date and time");
    }
    EXPECT_EQ(g.cellText(StartDate, 1), "soon");
}

TEST(MainControllerEdit, OnlyTextTheFileGivesBackEntersACell) {
    AppHarness h;
    MainController& app = h.start();
    app.editCell(Description, 1, std::string("a\x1A\bb"));
    EXPECT_EQ(app.grid().cellText(Description, 1), "ab");
    app.editCell(Notes, 1, "x\ty\r\nz");
    EXPECT_EQ(app.grid().cellText(Notes, 1), "x y\r\nz");
    h.clipboard.contents = "p\x1Aq\tr\bs";
    app.selectCell(Description, 2);
    app.paste();
    EXPECT_EQ(app.grid().cellText(Description, 2), "pq");
    EXPECT_EQ(app.grid().cellText(Hours, 2), "rs");
}

TEST(MainControllerFind, FindClosesOnAHitAndReportsAMiss) {
    AppHarness h;
    MainController& app = h.start();
    app.grid().setCellText(Notes, 2, "call Bob");
    EXPECT_TRUE(app.find("Bob"));
    EXPECT_EQ(app.findState().foundCol(), Notes);
    EXPECT_EQ(app.findState().foundRow(), 2);
    EXPECT_FALSE(app.find("Alice"));
    EXPECT_EQ(h.prompts.messages, Strings{"Sorry, \"Alice\" not found."});
}

TEST(MainControllerTimer, PanelShowsTicksStopAndReset) {
    AppHarness h;
    MainController& app = h.start();
    app.timer().startTimer();
    EXPECT_EQ(app.timer().timerText(), "");  // the next tick shows it
    h.clock.advanceMs(65'000);
    app.timer().updateStopWatchDisplay();
    EXPECT_EQ(app.timer().timerText(), "Timer: 00:00:01:05");
    h.clock.advanceMs(2'000);
    app.timer().stopTimer();
    EXPECT_EQ(app.timer().timerText(), "Timer: 00:00:01:07");
    h.clock.advanceMs(10'000);
    app.timer().updateStopWatchDisplay();
    EXPECT_EQ(app.timer().timerText(), "Timer: 00:00:01:07");
    app.timer().startTimer();
    h.clock.advanceMs(3'000);
    app.timer().resetTimer();
    EXPECT_EQ(app.timer().timerText(), "Timer: 00:00:00:00");
    EXPECT_FALSE(app.timer().stopWatch().running());
}

// The guard's question goes through the prompts; Cancel (Esc) keeps the time.
TEST(MainControllerTimer, TimeAwayIsAskedAndAnswered) {
    struct Case {
        std::optional<std::size_t> button;
        const char* timer;
        bool running;
        const char* today;  // the log leaves the time away out as the stopwatch does
    } const cases[] = {{std::nullopt, "Timer: 00:00:40:00", true, "0.67"},
                       {0, "Timer: 00:00:40:00", true, "0.67"},
                       {1, "Timer: 00:00:05:00", true, "0.08"},
                       {2, "Timer: 00:00:05:00", false, "0.08"}};
    for (const Case& c : cases) {
        AppHarness h;
        MainController& app = h.start();
        test::FakeIdleSource idle;
        StopwatchGuard guard(app.timer().stopWatch(), h.clock, idle);
        app.timer().askAboutTimeAway(guard);  // nothing pending: nothing asked
        EXPECT_TRUE(h.prompts.questions.empty());

        h.clock.value = 46363.5;  // 12:00
        app.timer().startTimer();
        h.clock.advanceMs(15 * 60000.0);
        idle.idle = 10 * 60000;  // left at 12:05
        guard.poll();
        h.clock.advanceMs(25 * 60000.0);
        idle.idle = 0;  // back at 12:40
        ASSERT_TRUE(guard.poll().ask);
        h.prompts.choices = {c.button};
        app.timer().askAboutTimeAway(guard);
        EXPECT_EQ(h.prompts.questions.back(),
                  "You were away from 12:05 to 12:40 (35 min) while the stopwatch was running.");
        EXPECT_EQ(h.prompts.choiceButtons.back().back(), "&Stop at 12:05");
        EXPECT_EQ(app.timer().timerText(), c.timer);
        EXPECT_EQ(app.timer().stopWatch().running(), c.running);
        EXPECT_FALSE(guard.pending());
        EXPECT_EQ(app.timer().dayWeekText(),
                  std::string("Timed today ") + c.today + " h · Week " + c.today + " h");
    }
}

TEST(MainControllerTimer, AddTimerToHoursBooksRestartsAndMarksUnsaved) {
    AppHarness h;
    MainController& app = h.start();
    const std::string path = h.dir.file("t.prj");
    h.prompts.savePaths = {path};
    app.saveProjectAs();
    app.grid().setCellText(Hours, 1, "1.5");
    app.saveProject();
    app.selectCell(Description, 0);  // started on the heading: times no task
    app.timer().startTimer();
    h.clock.advanceMs((60.0 * 60 + 25 * 60 + 40) * 1000);  // 1 h 25 min 40 s: 1.43 h
    app.selectCell(Description, 1);
    app.timer().addTimerToHours();
    EXPECT_EQ(app.grid().cellText(Hours, 1), "2.93");
    EXPECT_EQ(app.grid().cellText(EndDate, 1), "12/7/2026");
    EXPECT_EQ(app.statusMessage(), "Added 1.43 h to task 1");
    EXPECT_EQ(app.project().savedFlag(), "");
    EXPECT_TRUE(app.timer().stopWatch().running());  // running on, from zero
    EXPECT_EQ(app.timer().timerText(), "Timer: 00:00:00:00");

    // The heading row and a bad Hours cell change nothing, the stopwatch included.
    h.clock.advanceMs(60'000);
    app.grid().setCellText(Hours, 1, "abc");
    app.timer().addTimerToHours();
    app.selectCell(Hours, 0);
    app.timer().addTimerToHours();
    EXPECT_EQ(h.prompts.messages,
              (Strings{"'abc' is not a valid number of hours", "Select a task row first"}));
    EXPECT_EQ(app.grid().cellText(Hours, 1), "abc");
    app.timer().updateStopWatchDisplay();
    EXPECT_EQ(app.timer().timerText(), "Timer: 00:00:01:00");
}

TEST(MainControllerBackups, ABackupOpensAsUnsavedWorkOfTheFileAndCancelOrAFailureChangeNothing) {
    AppHarness h;
    MainController& app = h.start();
    const std::string path = h.dir.file("work.prj");
    app.editCell(Cost, 1, "7.5");
    h.prompts.savePaths = {path};
    app.saveProjectAs();
    app.editCell(Description, 1, "unsaved work");
    const std::string backup = h.dir.file("work 2026-12-06 09-00-00.000.prj");
    {
        CellGrid kept(DefaultColumnCount, 3, 1);
        kept.setColWidth(Description, 210);
        kept.setCellText(Description, 0, "Job");
        kept.setCellText(Description, 1, "kept\r\ntwo lines");
        kept.setCellText(Cost, 2, "12.5");
        saveCellsToFile(kept, backup);
    }
    const std::string damaged = h.dir.file("work 2026-12-05 09-00-00.000.prj");
    test::writeBytes(damaged, "100001,2\r\n");

    const auto unchanged = [&](const char* after) {
        EXPECT_EQ(app.project().title(), path) << after;
        EXPECT_EQ(app.project().fileName(), path) << after;
        EXPECT_FALSE(app.project().isSaved()) << after;
        EXPECT_EQ(app.grid().cellText(Description, 1), "unsaved work") << after;
        EXPECT_EQ(app.totalCaption(), "7.5") << after;
    };
    h.prompts.yesNoAnswers = {Answer::Cancel};
    app.openBackup(backup);
    EXPECT_EQ(h.prompts.questions, Strings{kSaveQuestion});
    unchanged("Cancel");
    EXPECT_EQ(test::errorOf([&] { app.openBackup(damaged); }),
              "Cannot open file " + damaged +
                  ": it asks for a grid of 100001 columns and 2 rows, more than the 100000 "
                  "columns and 10000000 rows a project can have");
    unchanged("a damaged backup");

    h.prompts.yesNoAnswers = {false};
    app.openBackup(backup);
    EXPECT_EQ(app.project().title(), path);
    EXPECT_EQ(app.project().fileName(), path);
    EXPECT_FALSE(app.project().isSaved());
    EXPECT_TRUE(app.project().hasUnsavedChanges());
    EXPECT_EQ(app.totalCaption(), "12.5");
    const std::string shown = h.dir.file("shown.prj");
    saveCellsToFile(app.grid(), shown);
    EXPECT_EQ(test::readBytes(shown), test::readBytes(backup));
    app.saveProject();  // puts it back
    EXPECT_EQ(test::readBytes(path), test::readBytes(backup));
}

}  // namespace
}  // namespace quillet
