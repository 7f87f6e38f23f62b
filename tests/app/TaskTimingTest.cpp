#include <gtest/gtest.h>

#include "app/AppHarness.h"
#include "app/TimerRemote.h"
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
    const int row = app.boundRow();
    return row < 0 ? "-" : std::string(app.grid().cellText(Description, row));
}

TEST(TaskTiming, TheBindingFollowsItsRowAndEndsWithIt) {
    AppHarness h;
    MainController& app = h.start();
    fill(app, {"12/3/2026", "12/1/2026", "12/2/2026"});
    app.selectCell(Description, 1);
    app.startTimer();
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
    app.selectCell(Description, app.boundRow());
    app.deleteTask();  // its own row goes: the time stays, for no task
    EXPECT_EQ(app.boundRow(), -1);
    EXPECT_EQ(app.statusMessage(),
              "Task 1 is gone from the table: the stopwatch keeps its time, for no task");
    EXPECT_NEAR(app.stopWatch().elapsedTime(), 1.0 / 24, 1e-9);
}

TEST(TaskTiming, BookingGoesToTheTimedTaskAndSwitchingBooksFirst) {
    AppHarness h;
    MainController& app = h.start();
    fill(app, {"12/7/2026", "12/7/2026", "12/7/2026"}, {"1"});
    app.selectCell(Hours, 1);
    app.startTimer();
    h.clock.advanceMs(1800000);
    app.selectCell(Hours, 2);
    app.timeThisTask();  // books half an hour to task 1, then times task 2
    EXPECT_EQ(app.grid().cellText(Hours, 1), "1.5");
    EXPECT_EQ(app.timingText(), "Timing task 2: B");
    h.clock.advanceMs(900000);
    app.selectCell(Hours, 0);
    app.addTimerToHours();  // the heading is selected: still task 2
    EXPECT_EQ(app.grid().cellText(Hours, 2), "0.25");
    EXPECT_EQ(app.boundRow(), 2);  // timing on, so the next booking cannot stray either

    // Unbound time asks where it goes: Cancel changes nothing, Add books it to the new task.
    app.resetTimer();
    EXPECT_EQ(app.boundRow(), -1);
    app.startTimer();  // on the heading: for no task
    h.clock.advanceMs(600000);
    app.selectCell(Hours, 3);
    h.prompts.choices = {std::nullopt, 0};
    app.timeThisTask();
    EXPECT_EQ(app.boundRow(), -1);
    app.timeThisTask();
    EXPECT_EQ(h.prompts.questions.back(),
              "The stopwatch holds 0:10:00 for no task. Add it to task 3 before timing it, or "
              "discard it?");
    EXPECT_EQ(app.grid().cellText(Hours, 3), "0.17");
    EXPECT_EQ(app.timingText(), "Timing task 3: C");
    EXPECT_EQ(app.recentTaskRows(), (std::vector<int>{3, 2, 1}));
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
        app.startTimer();
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

TEST(TaskTiming, TodayAndThisWeekByStartDateAndIsoWeek) {
    struct Case {
        double today;
        Strings dates;
        const char* text;
    } const cases[] = {
        // Monday 12/7/2026: Sunday before is another week.
        {46363.5, {"12/7/2026", "12/6/2026", "12/13/2026"}, "Today 1 h · Week 4 h"},
        // Friday 1/1/2027 lies in week 53 of 2026, Monday 12/28 to Sunday 1/3.
        {46388.5, {"1/1/2027", "12/27/2026", "12/28/2026", "1/4/2027"}, "Today 1 h · Week 4 h"},
        {46388.5, {"", "x", "12/28/2026"}, "Today 0 h · Week 3 h"},
    };
    for (const Case& c : cases) {
        AppHarness h;
        h.clock.value = c.today;
        MainController& app = h.start();
        fill(app, c.dates, {"1", "2", "3", "4"});
        EXPECT_EQ(app.dayWeekText(), c.text);
    }
    AppHarness h;
    MainController& app = h.start();
    fill(app, {"12/7/2026"}, {"1"});
    app.dayWeekText();
    app.editCell(Hours, 1, "2.5");  // an edit follows without a rescan
    app.selectCell(Hours, 1);
    app.startTimer();
    h.clock.advanceMs(45 * 60000 + 59000);  // whole minutes of the stopwatch count
    EXPECT_EQ(app.dayWeekText(), "Today 3.25 h · Week 3.25 h");
    h.clock.advanceMs(86400000);  // the next day: yesterday's rows leave today
    EXPECT_EQ(app.dayWeekText(), "Today 24.75 h · Week 27.25 h");
}

TEST(TaskTiming, ARowPerDayKeepsDaysApartInOneStep) {
    AppHarness h;
    MainController& app = h.start();
    fill(app, {"12/6/2026", "12/7/2026"}, {"1", "1"});
    app.setBookTo(BookTo::RowPerDay);
    app.dayWeekText();  // the sums then follow the bookings' rows without a rescan
    for (const int row : {1, 2}) {
        app.selectCell(Hours, row);
        app.startTimer();
        h.clock.advanceMs(1800000);
        app.addTimerToHours();
        app.resetTimer();
    }
    EXPECT_EQ(app.dayWeekText(), "Today 2 h · Week 2 h");
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
