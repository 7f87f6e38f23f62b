#include <gtest/gtest.h>

#include "app/AppHarness.h"
#include "app/TaskTimer.h"
#include "app/TimerRemote.h"
#include "formats/LogFile.h"
#include "tasks/TaskTiming.h"

namespace quillet {
namespace {

using test::AppHarness;
using Strings = std::vector<std::string>;

// Tasks 1 to 3, "A" to "C", dated the days given (Start Date), with the hours given.
void fill(MainController& app, const Strings& dates, const Strings& hours = {}) {
    CellGrid& grid = app.grid();
    grid.setRowCount(static_cast<int>(dates.size()) + 1);
    for (int row = 1; row <= static_cast<int>(dates.size()); ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        grid.setCellText(TaskNo, row, std::to_string(row));
        grid.setCellText(Description, row, std::string(1, static_cast<char>('A' + i)));
        grid.setCellText(StartDate, row, dates[i]);
        grid.setCellText(Hours, row, i < hours.size() ? hours[i] : "");
    }
}

std::string boundTask(MainController& app) {
    const int row = app.timer().boundRow();
    return row < 0 ? "-" : std::string(app.grid().cellText(Description, row));
}

TEST(TaskTiming, TheBindingFollowsItsRowAndEndsWithIt) {
    AppHarness h;
    MainController& app = h.start();
    fill(app, {"12/3/2026", "12/1/2026", "12/2/2026"});
    app.selectCell(Description, 1);
    app.timer().startTimer();
    h.clock.advanceMs(3600000);
    const std::vector<std::pair<void (MainController::*)(), const char*>> steps = {
        {&MainController::sortByTaskDate, "A"}, {&MainController::undo, "A"},
        {&MainController::redo, "A"},           {&MainController::addTask, "A"},
        {&MainController::undo, "A"},
    };
    for (const auto& [step, expected] : steps) {
        (app.*step)();
        EXPECT_EQ(boundTask(app), expected);
    }
    app.selectCell(Description, 2);
    app.deleteTask();  // another row goes: the binding follows "A" up
    EXPECT_EQ(boundTask(app), "A");
    app.selectCell(Description, app.timer().boundRow());
    app.deleteTask();  // its own row goes: the time stays, for no task
    EXPECT_EQ(app.timer().boundRow(), -1);
    EXPECT_EQ(app.statusMessage(),
              "Task 1 is gone from the table: the stopwatch keeps its time, for no task");
    EXPECT_NEAR(app.timer().stopWatch().elapsedTime(), 1.0 / 24, 1e-9);
}

TEST(TaskTiming, BookingGoesToTheTimedTaskAndSwitchingBooksFirst) {
    AppHarness h;
    MainController& app = h.start();
    fill(app, {"12/7/2026", "12/7/2026", "12/7/2026"}, {"1"});
    app.selectCell(Hours, 1);
    app.timer().startTimer();
    h.clock.advanceMs(1800000);
    app.selectCell(Hours, 2);
    app.timer().timeThisTask();  // books half an hour to task 1, then times task 2
    EXPECT_EQ(app.grid().cellText(Hours, 1), "1.5");
    EXPECT_EQ(app.timer().timingText(), "Timing task 2: B");
    h.clock.advanceMs(900000);
    app.selectCell(Hours, 0);
    app.timer().addTimerToHours();  // the heading is selected: still task 2
    EXPECT_EQ(app.grid().cellText(Hours, 2), "0.25");
    EXPECT_EQ(app.timer().boundRow(), 2);  // timing on, so the next booking cannot stray either

    // Unbound time asks where it goes: Cancel changes nothing, Add books it to the new task.
    app.timer().resetTimer();
    EXPECT_EQ(app.timer().boundRow(), -1);
    app.timer().startTimer();  // on the heading: for no task
    h.clock.advanceMs(600000);
    app.selectCell(Hours, 3);
    h.prompts.choices = {std::nullopt, 0};
    app.timer().timeThisTask();
    EXPECT_EQ(app.timer().boundRow(), -1);
    app.timer().timeThisTask();
    EXPECT_EQ(h.prompts.questions.back(),
              "The stopwatch holds 0:10:00 for no task. Add it to task 3 before timing it, or "
              "discard it?");
    EXPECT_EQ(app.grid().cellText(Hours, 3), "0.17");
    EXPECT_EQ(app.timer().timingText(), "Timing task 3: C");
    EXPECT_EQ(app.timer().recentTaskRows(), (std::vector<int>{3, 2, 1}));
}

TEST(TaskTiming, ClosingAsksAboutAMinuteOrMoreThenTheSaveQuestion) {
    struct Case {
        double ms;
        std::optional<std::size_t> button;
        bool closes;
        const char* hours;
    } const cases[] = {{59000, {}, true, ""},
                       {5025000, 0, true, "1.4"},
                       {5025000, 1, true, ""},
                       {5025000, std::nullopt, false, ""}};
    for (const Case& c : cases) {
        AppHarness h;
        MainController& app = h.start();
        fill(app, {"12/7/2026"});
        app.editCell(Description, 1, "Write report");
        app.timer().startTimer();
        h.clock.advanceMs(c.ms);
        if (c.ms >= 60000) h.prompts.choices = {c.button};
        h.prompts.yesNoAnswers = {false};  // the save question: No
        EXPECT_EQ(app.confirmClose(), c.closes);
        EXPECT_EQ(app.grid().cellText(Hours, 1), c.hours);
        if (c.ms < 60000) continue;
        EXPECT_EQ(h.prompts.questions.front(),
                  "The stopwatch holds 1:23:45 for task 1 (Write report) that is not in its "
                  "Hours. Add it before closing?");
        EXPECT_EQ(h.prompts.questions.size(), c.closes ? 2u : 1u);
    }
}

// Work counts on the days it was done, across midnight, booked or not; typed hours never do.
// Undo of a booking gives the time back to the stopwatch, redo takes it again.
TEST(TaskTiming, TodayComesFromTheLogAndUndoGivesTheTimeBack) {
    AppHarness h;
    h.clock.value = 46363.0 + (23 * 60 + 59) / 1440.0;  // Monday 12/7/2026 23:59
    MainController& app = h.start();
    fill(app, {"12/6/2026"}, {"1.5"});
    TaskTimer& timer = app.timer();
    EXPECT_EQ(timer.dayWeekStatus(), "");
    app.selectCell(Hours, 1);
    timer.startTimer();
    h.clock.advanceMs(40000);
    EXPECT_EQ(timer.dayWeekStatus(), "Timed today 0.01 h · Week 0.01 h");
    h.clock.advanceMs(120000);  // Tuesday 00:01:40
    EXPECT_EQ(timer.dayWeekText(), "Timed today 0.03 h · Week 0.04 h");
    timer.addTimerToHours();
    EXPECT_EQ(app.grid().cellText(Hours, 1), "1.54");
    EXPECT_EQ(timer.dayWeekText(), "Timed today 0.03 h · Week 0.04 h");
    h.clock.advanceMs(5000);
    app.undo();
    EXPECT_EQ(app.grid().cellText(Hours, 1), "1.5");
    EXPECT_TRUE(timer.stopWatch().running());
    EXPECT_EQ(timer.boundRow(), 1);
    EXPECT_NEAR(timer.stopWatch().elapsedTime() * 86400.0, 165.0, 1e-6);
    app.redo();
    EXPECT_EQ(app.grid().cellText(Hours, 1), "1.54");
    EXPECT_NEAR(timer.stopWatch().elapsedTime() * 86400.0, 5.0, 1e-6);
    timer.resetTimer();
    EXPECT_EQ(timer.dayWeekStatus(), "Timed today 0.03 h · Week 0.05 h");
    h.clock.advanceMs(7 * 86400000.0);
    EXPECT_EQ(timer.dayWeekStatus(), "");
}

// Killed while timing a saved project: its next opening asks, and each answer keeps the log
// right. Cancel leaves the question for later, and the remote status says so.
TEST(TaskTiming, ASessionACrashCutOffIsOfferedBack) {
    struct Case {
        std::optional<std::size_t> answer;
        bool running;
        double held;  // seconds
        const char* hours;
        const char* status;
    } const cases[] = {
        {0, true, 450, "", "running 00:07:30 task 1: Write report"},
        {1, false, 0, "0.03", "stopped 00:00:00"},
        {2, false, 0, "", "stopped 00:00:00"},
        {std::nullopt, false, 0, "",
         "interrupted task 1: Write report since 2026-12-07T12:00:00.000Z, last seen "
         "2026-12-07T12:02:00.000Z (Quillet1 stopped; answer its question in the window)"},
    };
    for (const Case& c : cases) {
        AppHarness h;
        const std::string path = (h.dir.path() / "work.prj").string();
        test::writeProjectFile(path, "Write report");
        h.start().openAtStartUp(path);
        h.app->selectCell(Hours, 1);
        h.app->timer().startTimer();
        for (int minute = 0; minute < 5; ++minute) {
            h.clock.advanceMs(30000);
            h.app->timer().updateStopWatchDisplay();
        }
        h.app.reset();  // killed: nothing more is written
        h.clock.advanceMs(300000);
        h.prompts.choices = {c.answer};
        h.start().openAtStartUp(path);
        ASSERT_EQ(h.prompts.questions.size(), 1u);
        EXPECT_EQ(h.prompts.questions.back(),
                  "Task 1 \u201cWrite report\u201d was being timed from 12:00 until Quillet1 "
                  "stopped (last seen 12:02).");
        TaskTimer& timer = h.app->timer();
        EXPECT_EQ(timer.stopWatch().running(), c.running);
        EXPECT_NEAR(timer.stopWatch().elapsedTime() * 86400.0, c.held, 1e-6);
        EXPECT_EQ(h.app->grid().cellText(Hours, 1), c.hours);
        EXPECT_EQ(TimerRemote(*h.app).run(TimerRequest{TimerCommand::Status, 2, {}}).text,
                  c.status);
        // What the answer did is in the file: a third start asks nothing more, but after Cancel.
        h.app.reset();
        h.prompts.choices = {std::nullopt};
        h.start().openAtStartUp(path);
        EXPECT_EQ(h.prompts.questions.size(), c.answer ? 1u : 2u);
    }
}

// The watcher's reload keeps the timed task wherever its row went; an emptied row 1 is no
// longer the task.
TEST(TaskTiming, AReloadKeepsTheTaskAndAnEmptiedRowEndsIt) {
    AppHarness h;
    const std::string path = (h.dir.path() / "work.prj").string();
    test::writeProjectFile(path, "Write report");
    MainController& app = h.start();
    app.openAtStartUp(path);
    app.addTask();
    app.editCell(Description, 2, "Review");
    app.saveProject();
    app.selectCell(Hours, 2);
    app.timer().startTimer();
    CellGrid reordered(DefaultColumnCount, 3, 1);
    for (int col = 0; col < DefaultColumnCount; ++col)
        reordered.setCellText(col, 0, app.grid().cellText(col, 0));
    for (const auto& [row, from] : {std::pair{1, 2}, std::pair{2, 1}})
        for (int col = 0; col < DefaultColumnCount; ++col)
            reordered.setCellText(col, row, app.grid().cellText(col, from));
    saveCellsToFile(reordered, path);
    app.reloadIfChangedOnDisk();
    EXPECT_EQ(app.grid().cellText(Description, 1), "Review");
    EXPECT_EQ(app.timer().boundRow(), 1);
    EXPECT_EQ(app.statusMessage(), "Reloaded: changed on disk");

    // Save As takes the log along, under the new name.
    const std::string other = (h.dir.path() / "other.prj").string();
    h.prompts.savePaths = {other};
    app.saveProjectAs();
    EXPECT_EQ(logfile::read(logPathFor(other)), logfile::read(logPathFor(path)));
    ASSERT_NE(logfile::read(logPathFor(other)), std::nullopt);

    h.clock.advanceMs(60000);
    app.selectCell(Hours, 1);
    app.deleteTask();  // row 1 is emptied, not removed
    EXPECT_EQ(app.timer().boundRow(), -1);
    EXPECT_NEAR(app.timer().stopWatch().elapsedTime() * 86400.0, 60.0, 1e-6);
}

// The Work Log window's corrections: a booked session's new length moves its task's Hours in
// the same step, undo takes both back, and a session added by hand that overlaps is marked.
TEST(TaskTiming, CorrectionsOfTheLogMoveTheHoursInOneStep) {
    AppHarness h;
    MainController& app = h.start();
    fill(app, {"12/7/2026", "12/7/2026"});
    TaskTimer& timer = app.timer();
    app.selectCell(Hours, 1);
    timer.startTimer();
    h.clock.advanceMs(40 * 60000);
    timer.addTimerToHours();  // 12:00 to 12:40, 0.67 h
    timer.stopTimer();
    EXPECT_EQ(app.grid().cellText(Hours, 1), "0.67");
    const double day = 46363;
    const auto page = [&] { return timer.logPage(day, day + 1); };
    ASSERT_EQ(page().size(), 1u);
    const LogId first = page()[0].entries[0].id;
    EXPECT_TRUE(page()[0].entries[0].booked);

    h.clock.setWallClock(-2 * 3600000.0, false);  // set back: a correction still supersedes
    EXPECT_EQ(timer.changeSession(first, day + 0.5, day + 0.5 + 30 / 1440.0), "");
    EXPECT_EQ(app.grid().cellText(Hours, 1), "0.5");
    EXPECT_EQ(page()[0].ms, 30 * 60000);
    app.undo();
    EXPECT_EQ(app.grid().cellText(Hours, 1), "0.67");
    EXPECT_EQ(page()[0].ms, 40 * 60000);
    EXPECT_EQ(timer.changeSession(first, day + 0.6, day + 0.5),
              "A session cannot end before it starts");

    EXPECT_EQ(timer.addSession(2, day + 0.5 + 20 / 1440.0, day + 0.5 + 60 / 1440.0), "");
    EXPECT_EQ(app.grid().cellText(Hours, 2), "0.67");
    std::vector<LogPageEntry> entries = page()[0].entries;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0].overlaps && entries[1].overlaps && entries[1].manual);
    EXPECT_EQ(page()[0].ms, 80 * 60000);  // each session whole: the overlap counts twice

    h.prompts.yesNoAnswers = {false, true};
    EXPECT_EQ(timer.deleteSession(first), "");  // No: nothing happens
    EXPECT_EQ(app.grid().cellText(Hours, 1), "0.67");
    EXPECT_EQ(timer.deleteSession(first), "");
    EXPECT_EQ(app.grid().cellText(Hours, 1), "0");
    EXPECT_EQ(page()[0].entries.size(), 1u);
    app.undo();
    EXPECT_EQ(app.grid().cellText(Hours, 1), "0.67");
    EXPECT_EQ(page()[0].entries.size(), 2u);

    EXPECT_EQ(timer.startedEarlier(15), "The stopwatch is not running");
    timer.startTimer();
    EXPECT_EQ(timer.startedEarlier(15), "");
    EXPECT_NEAR(timer.stopWatch().elapsedTime() * 1440.0, 15.0, 1e-6);
    const std::vector<LogPageEntry> now = page()[0].entries;
    const auto running = std::find_if(now.begin(), now.end(), [](auto& e) { return e.running; });
    ASSERT_NE(running, now.end());
    EXPECT_NEAR(running->start, day + (10 * 60 + 25) / 1440.0, 1e-9);  // 10:40 less 15 min
}

TEST(TaskTiming, ARowPerDayKeepsDaysApartInOneStep) {
    AppHarness h;
    MainController& app = h.start();
    fill(app, {"12/6/2026", "12/7/2026"}, {"1", "1"});
    app.timer().setBookTo(BookTo::RowPerDay);
    for (const int row : {1, 2}) {
        app.selectCell(Hours, row);
        app.timer().startTimer();
        h.clock.advanceMs(1800000);
        app.timer().addTimerToHours();
        app.timer().resetTimer();
    }
    EXPECT_EQ(app.timer().dayWeekText(), "Timed today 1 h · Week 1 h");
    const CellGrid& grid = app.grid();
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.cellText(Hours, 1), "1");    // dated yesterday: a row of its own for today
    EXPECT_EQ(grid.cellText(Hours, 2), "1.5");  // dated today: its own row
    for (const auto& [col, text] :
         std::vector<std::pair<int, const char*>>{{TaskNo, "3"},
                                                  {Description, "A"},
                                                  {Hours, "0.5"},
                                                  {StartDate, "12/7/2026"},
                                                  {EndDate, "12/7/2026"}})
        EXPECT_EQ(grid.cellText(col, 3), text);
    app.undo();
    app.undo();
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cellText(Hours, 2), "1");
}

TEST(TaskTiming, TheSecondProtocolNamesTasksAndTheFirstKeepsItsMeaning) {
    AppHarness h;
    MainController& app = h.start();
    fill(app, {"12/7/2026", "12/7/2026"});
    TimerRemote remote(app);
    const TimerRequest start{TimerCommand::Start, 2, "2"};
    EXPECT_EQ(remote.run(start), (TimerReply{true, "running 00:00:00 task 2: B"}));
    h.clock.advanceMs(720000);
    EXPECT_EQ(remote.run(TimerRequest{TimerCommand::Book, 2, {}}),
              (TimerReply{true, "Added 0.2 h to task 2"}));
    EXPECT_EQ(remote.run(TimerRequest{TimerCommand::Start, 2, "9"}),
              (TimerReply{false, "There is no task 9"}));
    EXPECT_EQ(remote.run(TimerRequest{TimerCommand::Status, 1, {}}),
              (TimerReply{true, "running 00:00:00"}));
    for (const char* line : {"QUILLET1-TIMER/2 start 12", "QUILLET1-TIMER/2 status -"})
        EXPECT_EQ(timerRequestLine(*parseTimerRequestLine(line)), std::string(line) + "\n");
    for (const char* bad : {"QUILLET1-TIMER/2 status", "QUILLET1-TIMER/2 book 3",
                            "QUILLET1-TIMER/2 start a b", "QUILLET1-TIMER/3 status -"})
        EXPECT_FALSE(parseTimerRequestLine(bad)) << bad;
}

}  // namespace
}  // namespace quillet
