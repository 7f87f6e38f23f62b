#include "tasks/TimerHours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Fakes.h"
#include "tasks/Columns.h"
#include "tasks/CostTotal.h"
#include "tools/HRStopWatch.h"

namespace quillet {
namespace {

using Outcome = TimerHoursResult::Outcome;
constexpr const char* kToday = "12/7/2026";

TEST(TimerHours, ElapsedTimeToHundredthsOfAnHour) {
    struct Case {
        double seconds;
        std::int64_t hundredths;
        const char* text;
    };
    const std::vector<Case> cases = {
        {0, 0, "0"},
        {17.999, 0, "0"},
        {18, 1, "0.01"},  // half a hundredth rounds up
        {59, 2, "0.02"},
        {90, 3, "0.03"},  // 0.025: up, not to the even 0.02
        {1800, 50, "0.5"},
        {3600, 100, "1"},
        {1 * 3600 + 25 * 60 + 40, 143, "1.43"},
        {25 * 3600 + 30 * 60, 2550, "25.5"},  // whole days are kept
        {-600, 0, "0"},                       // the clock set back
    };
    const Locale us = test::usLocale();
    for (const Case& c : cases) {
        EXPECT_EQ(hundredthsOfHour(c.seconds), c.hundredths) << c.seconds;
        EXPECT_EQ(formatHundredths(c.hundredths, us), c.text) << c.seconds;
    }
    EXPECT_EQ(formatHundredths(143, test::germanLocale()), "1,43");

    // Through the stopwatch, whose days since 1899 leave a binary fraction on 18 s.
    for (const auto& [ms, hundredths] : std::vector<std::pair<double, std::int64_t>>{
             {18000, 1}, {17999, 0}, {5140000, 143}, {54000, 2}}) {
        test::FakeClock clock;
        HRStopWatch watch(clock);
        watch.start();
        clock.advanceMs(ms);
        EXPECT_EQ(hundredthsOfHour(watch.elapsedTime() * kSecondsPerDay), hundredths) << ms;
    }
}

// Heading row, then task 12 in row 1 and task 13 in row 2.
void fillTwoTasks(CellGrid& g) {
    for (int c = 0; c < DefaultColumnCount; ++c) g.setCellText(c, 0, kDefaultHeadings[c]);
    g.setRowCount(3);
    g.setCellText(TaskNo, 1, "12");
    g.setCellText(Description, 1, "Design review");
    g.setCellText(TaskNo, 2, "13");
}

std::vector<std::string> allTexts(const CellGrid& g) {
    std::vector<std::string> texts;
    for (int r = 0; r < g.rowCount() + 1; ++r)
        for (int c = 0; c < g.colCount(); ++c) texts.emplace_back(g.cellText(c, r));
    return texts;
}

TEST(TimerHours, AddsToTheHoursCellInTheUsersFormat) {
    struct Case {
        const char* hours;
        bool comma;
        double seconds;
        const char* written;  // nullptr: refused, nothing changed
        const char* message;
    };
    const std::vector<Case> cases = {
        {"", false, 5140, "1.43", "Added 1.43 h to task 12"},
        {"1.5", false, 5140, "2.93", "Added 1.43 h to task 12"},
        {"1,5", true, 5140, "2,93", "Added 1,43 h to task 12"},
        {"0.5", false, 5400, "2", "Added 1.5 h to task 12"},  // no trailing zeros
        {" 2 ", false, 1800, "2.5", "Added 0.5 h to task 12"},
        {"0.1", false, 720, "0.3", "Added 0.2 h to task 12"},
        {"99.99", false, 36, "100", "Added 0.01 h to task 12"},
        {"-1", false, 3600, "0", "Added 1 h to task 12"},
        {"1.5", false, 0, "1.5", "Added 0 h to task 12"},
        {"1,5", false, 5140, nullptr, "'1,5' is not a valid number of hours"},
        {"1.5", true, 5140, nullptr, "'1.5' is not a valid number of hours"},
        {"abc", false, 5140, nullptr, "'abc' is not a valid number of hours"},
        {"1,000", false, 5140, nullptr, "'1,000' is not a valid number of hours"},
    };
    for (const Case& c : cases) {
        CellGrid g(DefaultColumnCount, 2, 1);
        fillTwoTasks(g);
        g.setCellText(Hours, 1, c.hours);
        const Locale locale = c.comma ? test::germanLocale() : test::usLocale();
        const std::vector<std::string> before = allTexts(g);
        const TimerHoursResult result = addTimerToHours(g, 1, c.seconds, locale, kToday);
        EXPECT_EQ(result.message, c.message) << c.hours;
        if (c.written) {
            EXPECT_EQ(result.outcome, Outcome::Added) << c.hours;
            EXPECT_TRUE(result.added());
            EXPECT_EQ(g.cellText(Hours, 1), c.written) << c.hours;
            EXPECT_EQ(g.cellText(EndDate, 1), kToday) << c.hours;
            EXPECT_EQ(g.cellText(Hours, 2), "") << c.hours;  // only the selected row
        } else {
            EXPECT_EQ(result.outcome, Outcome::InvalidHours) << c.hours;
            EXPECT_FALSE(result.added());
            EXPECT_EQ(allTexts(g), before) << c.hours;
        }
    }
}

TEST(TimerHours, EndDateOnlyWhenEmptyAndTheTaskNumberFromItsCell) {
    const Locale us = test::usLocale();
    CellGrid g(DefaultColumnCount, 2, 1);
    fillTwoTasks(g);
    g.setCellText(EndDate, 1, "3/1/2026");
    g.setCellText(EndDate, 2, " ");
    addTimerToHours(g, 1, 3600, us, kToday);
    EXPECT_EQ(g.cellText(EndDate, 1), "3/1/2026");
    addTimerToHours(g, 2, 3600, us, kToday);
    EXPECT_EQ(g.cellText(EndDate, 2), kToday);  // blanks hold no date

    // A blank Task # names the row instead.
    g.setCellText(TaskNo, 2, "");
    EXPECT_EQ(addTimerToHours(g, 2, 3600, us, kToday).message, "Added 1 h to task 2");
    EXPECT_EQ(g.cellText(Hours, 2), "2");

    // An old file's grid without End Date: the hours still count.
    CellGrid narrow(3, 2, 1);
    narrow.setCellText(TaskNo, 1, "1");
    EXPECT_TRUE(addTimerToHours(narrow, 1, 3600, us, kToday).added());
    EXPECT_EQ(narrow.cellText(Hours, 1), "1");
    EXPECT_EQ(narrow.cellText(EndDate, 1), "");
}

TEST(TimerHours, RefusedForTheHeadingATotalRowOrNoTask) {
    const Locale us = test::usLocale();
    CellGrid g(DefaultColumnCount, 2, 1);
    fillTwoTasks(g);
    addTotalToGrid(g, "0", kToday);  // row 3
    g.setCellText(Description, 2, " <Total for project>\r\n");
    CellGrid narrow(2, 2, 1);  // no Hours column at all
    struct Case {
        CellGrid* grid;
        int row;
    };
    for (const Case& c :
         {Case{&g, 0}, Case{&g, 2}, Case{&g, 3}, Case{&g, 4}, Case{&g, -1}, Case{&narrow, 1}}) {
        const std::vector<std::string> before = allTexts(*c.grid);
        const TimerHoursResult result = addTimerToHours(*c.grid, c.row, 5140, us, kToday);
        EXPECT_EQ(result.outcome, Outcome::NotATask) << c.row;
        EXPECT_EQ(result.message, "Select a task row first") << c.row;
        EXPECT_FALSE(result.added());
        EXPECT_EQ(allTexts(*c.grid), before) << c.row;
    }
}

}  // namespace
}  // namespace quillet
