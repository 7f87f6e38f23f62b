#include "tasks/Summary.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ports/DateTime.h"
#include "support/Fakes.h"
#include "tasks/CostTotal.h"
#include "tasks/SummaryChart.h"

namespace quillet {
namespace {

using test::germanLocale;
using test::usLocale;

struct Task {
    std::string date;
    std::string hours;
    std::string cost;
    std::string description = "work";
};

std::unique_ptr<CellGrid> gridWith(const std::vector<Task>& tasks) {
    auto g = std::make_unique<CellGrid>(7, static_cast<int>(tasks.size()) + 1, 1);
    for (int c = 0; c < DefaultColumnCount; ++c) g->setCellText(c, 0, kDefaultHeadings[c]);
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        g->setCellText(TaskNo, r, std::to_string(r));
        g->setCellText(Description, r, tasks[i].description);
        g->setCellText(StartDate, r, tasks[i].date);
        g->setCellText(Hours, r, tasks[i].hours);
        g->setCellText(Cost, r, tasks[i].cost);
    }
    return g;
}

int day(int y, int m, int d) {
    return static_cast<int>(encodeDate(y, m, d));
}

std::vector<std::string> labels(const Summary& s) {
    std::vector<std::string> out;
    for (const SummaryRow& row : s.rows) out.push_back(row.label);
    return out;
}

TEST(SummaryWeeks, IsoWeeksAtYearEnds) {
    struct Case {
        int y, m, d;
        int weekYear, week;
        int monday[3];
    } cases[] = {
        {2020, 12, 31, 2020, 53, {2020, 12, 28}},  // a Thursday: the year has 53 weeks
        {2021, 1, 3, 2020, 53, {2020, 12, 28}},    // Sunday still in last year's week
        {2021, 1, 4, 2021, 1, {2021, 1, 4}},
        {2024, 12, 30, 2025, 1, {2024, 12, 30}},  // Monday of next year's week 1
        {2026, 12, 3, 2026, 49, {2026, 11, 30}},
        {2027, 1, 1, 2026, 53, {2026, 12, 28}},
        {1900, 1, 1, 1900, 1, {1900, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d));
        const IsoWeek w = isoWeekOf(day(c.y, c.m, c.d));
        EXPECT_EQ(w.year, c.weekYear);
        EXPECT_EQ(w.week, c.week);
        EXPECT_EQ(mondayOfIsoWeek(w.year, w.week), day(c.monday[0], c.monday[1], c.monday[2]));
    }
}

TEST(SummaryPeriods, LabelsBoundsAndGapsPerGrouping) {
    const auto g =
        gridWith({{"12/31/2020", "1", "10"}, {"1/3/2021", "2", "20"}, {"1/17/2021", "4", "40"}});
    struct Case {
        SummaryPeriod period;
        std::vector<std::string> labels;
        std::vector<int> counts;
        int firstDay, lastDay;  // of the first period
    } cases[] = {
        {SummaryPeriod::Week,
         {"Week 53, 2020", "Week 1, 2021", "Week 2, 2021", "Total"},
         {2, 0, 1, 3},
         day(2020, 12, 28),
         day(2021, 1, 3)},
        {SummaryPeriod::Month,
         {"December 2020", "January 2021", "Total"},
         {1, 2, 3},
         day(2020, 12, 1),
         day(2020, 12, 31)},
        {SummaryPeriod::Year,
         {"2020", "2021", "Total"},
         {1, 2, 3},
         day(2020, 1, 1),
         day(2020, 12, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.labels.front());
        SummaryOptions options;
        options.period = c.period;
        const Summary s = summarize(*g, options, usLocale());
        EXPECT_EQ(labels(s), c.labels);
        std::vector<int> counts;
        for (const SummaryRow& row : s.rows) counts.push_back(row.taskCount);
        EXPECT_EQ(counts, c.counts);
        EXPECT_EQ(s.rows.front().firstDay, c.firstDay);
        EXPECT_EQ(s.rows.front().lastDay, c.lastDay);
    }
}

// A mistyped year: up to 12 empty periods in a row show one by one, more as one row.
TEST(SummaryPeriods, LongRunsOfEmptyPeriodsAreOneRow) {
    SummaryOptions years;
    years.period = SummaryPeriod::Year;
    const auto g = gridWith({{"1/1/2026", "", ""}, {"1/1/2039", "", ""}, {"12/2/2053", "", ""}});
    const Summary s = summarize(*g, years, usLocale());
    ASSERT_EQ(s.rows.size(), 17u);  // 2026 to 2039, the run, 2053, Total
    EXPECT_EQ(s.rows[14].label, "No tasks from 2040 to 2052");
    EXPECT_EQ(s.rows[15].taskCount, 1);
}

TEST(SummaryRange, EndsAreInclusiveAndShowTheirPeriods) {
    const auto g = gridWith({{"3/31/2026", "1", "1"},
                             {"4/1/2026", "2", "2"},
                             {"4/30/2026", "4", "4"},
                             {"5/1/2026", "8", "8"},
                             {"", "16", "16"},
                             {"someday", "32", "32"}});
    struct Case {
        std::optional<int> from, to;
        std::vector<std::string> labels;
        const char* hours;  // of the Total row
    } cases[] = {
        {std::nullopt,
         std::nullopt,
         {"March 2026", "April 2026", "May 2026", "No date", "Total"},
         "63"},
        {day(2026, 4, 1), day(2026, 4, 30), {"April 2026", "Total"}, "6"},
        {day(2026, 4, 2), day(2026, 4, 29), {"April 2026", "Total"}, "0"},
        {day(2026, 4, 30), std::nullopt, {"April 2026", "May 2026", "Total"}, "12"},
        {std::nullopt, day(2026, 3, 31), {"March 2026", "Total"}, "1"},
        {day(2026, 1, 1), day(2026, 2, 1), {"January 2026", "February 2026", "Total"}, "0"},
        {day(2026, 5, 1), day(2026, 4, 1), {"Total"}, "0"},  // reversed: none
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hours);
        SummaryOptions options;
        options.from = c.from;
        options.to = c.to;
        const Summary s = summarize(*g, options, usLocale());
        EXPECT_EQ(labels(s), c.labels);
        EXPECT_EQ(formatTotal(s.rows.back().hours, usLocale()), c.hours);
        long double shown = 0;  // the Total is the sum of the rows above it
        for (std::size_t r = 0; r + 1 < s.rows.size(); ++r) shown += s.rows[r].cost;
        EXPECT_EQ(formatTotal(shown, usLocale()), formatTotal(s.rows.back().cost, usLocale()));
    }
}

TEST(SummaryTasks, NoDateNonNumbersTotalRowsAndTheEndDateColumn) {
    auto g = gridWith({{"6/1/2026", "1.5", "abc"},
                       {"not a date", "2", "3"},
                       {"", "", ""},  // a task with a description only
                       {"6/2/2026", "1,5", "7"},
                       {"6/3/2026", "", "100", kTotalRowCaption},
                       {" 6/4/2026 9:30 ", " 3 ", "\t5 "}});
    g->setRowCount(g->rowCount() + 2);  // empty rows are no tasks
    g->setCellText(EndDate, 1, "7/15/2026");

    const Summary s = summarize(*g, {}, usLocale());
    EXPECT_EQ(labels(s), (std::vector<std::string>{"June 2026", "No date", "Total"}));
    EXPECT_EQ(s.rows[0].taskRows, (std::vector<int>{1, 4, 6}));
    EXPECT_EQ(s.rows[1].taskRows, (std::vector<int>{2, 3}));
    EXPECT_EQ(s.rows[2].taskCount, 5);
    EXPECT_EQ(summaryCells(s.rows[0], usLocale()),
              (std::vector<std::string>{"June 2026", "6/1/2026", "3", "4.5", "12"}));
    EXPECT_EQ(s.nonNumberTasks, 2);
    EXPECT_EQ(s.firstNonNumberRow, 1);
    EXPECT_EQ(nonNumberNotice(s.nonNumberTasks), "2 tasks have Hours or Cost that are not numbers");
    EXPECT_EQ(nonNumberNotice(0), "");

    SummaryOptions byEnd;
    byEnd.dateColumn = EndDate;
    const Summary e = summarize(*g, byEnd, usLocale());
    EXPECT_EQ(labels(e), (std::vector<std::string>{"July 2026", "No date", "Total"}));
    EXPECT_EQ(e.rows[1].taskCount, 4);
}

TEST(SummaryTotal, EqualsTheCostTotalToTheLastDigit) {
    std::mt19937 rng(23);
    std::vector<Task> tasks;
    const char* oddCosts[] = {"0.1", "0.2", "1e-3", "-7.35", "12345678901234.56", "3.", ".5", "x"};
    for (int i = 0; i < 3000; ++i) {
        const int d = static_cast<int>(rng() % 900);
        std::string cost = i % 7 == 0
                               ? oddCosts[rng() % 8]
                               : std::to_string(rng() % 100000) + "." + std::to_string(rng() % 100);
        tasks.push_back({usLocale().formatDate(day(2024, 1, 1) + d), "1", cost});
    }
    tasks.push_back({"", "", "", kTotalRowCaption});
    const auto g = gridWith(tasks);
    g->setCellText(Cost, g->rowCount() - 1, "999");
    for (const SummaryPeriod period :
         {SummaryPeriod::Week, SummaryPeriod::Month, SummaryPeriod::Year}) {
        SummaryOptions options;
        options.period = period;
        const Summary s = summarize(*g, options, usLocale());
        EXPECT_EQ(formatTotal(s.rows.back().cost, usLocale()),
                  calculateTotal(*g, usLocale()).caption);
        EXPECT_EQ(s.rows.back().taskCount, 3000);
    }
}

TEST(SummaryLocale, DayFirstDatesAndDecimalComma) {
    Locale de = germanLocale();
    de.monthNames[2] = "März";
    const auto g = gridWith({{"01.03.2026", "1,25", "10,5"}, {"03.01.2026", "2", "x,5"}});
    const Summary s = summarize(*g, {}, de);
    EXPECT_EQ(labels(s),
              (std::vector<std::string>{"January 2026", "February 2026", "März 2026", "Total"}));
    EXPECT_EQ(summaryClipboardText(s, de),
              "Period\tFirst day\tTasks\tHours\tCost\r\n"
              "January 2026\t01.01.2026\t1\t2\t0\r\n"
              "February 2026\t01.02.2026\t0\t0\t0\r\n"
              "März 2026\t01.03.2026\t1\t1,25\t10,5\r\n"
              "Total\t\t2\t3,25\t10,5\r\n");
}

TEST(SummaryCopy, WeeksWithNoDateAsTabbedLines) {
    const auto g =
        gridWith({{"12/29/2025", "8", "800.1"}, {"1/9/2026", "0.25", "25"}, {"", "1", ""}});
    SummaryOptions options;
    options.period = SummaryPeriod::Week;
    EXPECT_EQ(summaryClipboardText(summarize(*g, options, usLocale()), usLocale()),
              "Period\tFirst day\tTasks\tHours\tCost\r\n"
              "Week 1, 2026\t12/29/2025\t1\t8\t800.1\r\n"
              "Week 2, 2026\t1/5/2026\t1\t0.25\t25\r\n"
              "No date\t\t1\t1\t0\r\n"
              "Total\t\t3\t9.25\t825.1\r\n");
}

TEST(SummaryChart, BarsAreProportionalAndShareTheZeroLine) {
    const ChartRect area{10, 20, 400, 200};
    struct Case {
        std::vector<double> values;
        double low, high;
    } cases[] = {
        {{10, 40, 0, 25}, 0, 40},
        {{3, 7.5}, 0, 8},
        {{-50, 150}, -50, 150},
        {{0, 0}, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.high);
        const BarChartLayout layout = layoutBarChart(c.values, area);
        EXPECT_DOUBLE_EQ(layout.low, c.low);
        EXPECT_DOUBLE_EQ(layout.high, c.high);
        EXPECT_DOUBLE_EQ(layout.tickY.front(), area.y + area.height);
        EXPECT_DOUBLE_EQ(layout.tickY.back(), area.y);
        ASSERT_EQ(layout.bars.size(), c.values.size());
        const double perUnit = area.height / (c.high - c.low);
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            const ChartRect& bar = layout.bars[i];
            EXPECT_NEAR(bar.height, std::abs(c.values[i]) * perUnit, 1e-9);
            // Positive bars stand on the zero line, negative ones hang from it.
            EXPECT_NEAR(c.values[i] < 0 ? bar.y : bar.y + bar.height, layout.zeroY, 1e-9);
            EXPECT_GT(bar.width, 0);
            EXPECT_GE(bar.x, area.x + i * area.width / c.values.size());
            EXPECT_LE(bar.x + bar.width, area.x + (i + 1) * area.width / c.values.size());
        }
    }
    const BarChartLayout layout = layoutBarChart(std::vector<double>{10, 40, 0, 25}, area);
    EXPECT_EQ(layout.ticks, (std::vector<double>{0, 10, 20, 30, 40}));
}

TEST(SummaryChart, BarLabelsTooltipsAndTheLargestPeriod) {
    const auto g = gridWith(
        {{"11/20/2025", "1", ""}, {"12/29/2025", "8", "800.1"}, {"1/9/2026", "14.5", "25"}});
    struct Case {
        SummaryPeriod period;
        const char* labels;
        const char* largest;
    } cases[] = {
        {SummaryPeriod::Week, "2025-W47|W48|W49|W50|W51|W52|2026-W01|W02|",
         "Largest: week 2026-W02, 14.5 h"},
        {SummaryPeriod::Month, "Nov 2025|Dec|Jan 2026|", "Largest: January 2026, 14.5 h"},
    };
    for (const Case& c : cases) {
        SummaryOptions options;
        options.period = c.period;
        const Summary s = summarize(*g, options, usLocale());
        std::string shown;
        for (const SummaryBar& bar : summaryBars(s, true, usLocale())) shown += bar.label + "|";
        EXPECT_EQ(shown, c.labels);
        EXPECT_EQ(summaryChartDescription(s, true, usLocale()), c.largest);
    }
    const Summary months = summarize(*g, {}, usLocale());
    EXPECT_EQ(summaryChartDescription(months, false, usLocale()),
              "Largest: December 2025, cost 800.1");
    EXPECT_EQ(summaryBars(months, false, usLocale())[1].tooltip,
              "December 2025\nHours: 8\nCost: 800.1\nTasks: 1");
    Locale de = germanLocale();
    de.monthNames[2] = "M\u00e4rz";  // cut by letters, not bytes
    const Summary march = summarize(*gridWith({{"01.03.2026", "1", ""}}), {}, de);
    EXPECT_EQ(summaryBars(march, true, de)[0].label, "M\u00e4r 2026");
    // Labels 30 wide and 5 apart fit on bars 40 apart; on bars 10 apart every 4th has one.
    EXPECT_EQ(barLabelStep(30, 40, 5), 1);
    EXPECT_EQ(barLabelStep(30, 10, 5), 4);
}

}  // namespace
}  // namespace quillet
