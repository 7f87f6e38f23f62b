#pragma once

#include <optional>
#include <string>
#include <vector>

#include "grid/CellGrid.h"
#include "ports/Locale.h"
#include "ports/Message.h"
#include "tasks/Columns.h"

namespace quillet {

enum class SummaryPeriod { Week, Month, Year };

struct SummaryOptions {
    SummaryPeriod period = SummaryPeriod::Month;
    int dateColumn = StartDate;  // StartDate or EndDate
    // Day numbers (days since 1899-12-30) of an inclusive range; nullopt is open-ended.
    std::optional<int> from;
    std::optional<int> to;
};

// One line of the summary table.
struct SummaryRow {
    enum class Kind { Period, NoDate, Total };
    Kind kind = Kind::Period;
    SummaryPeriod period = SummaryPeriod::Month;  // what a Period row spans
    // The period's parts: ISO week-numbering year and week, or year and month, or the year.
    int year = 0;
    int number = 0;    // week 1..53 or month 1..12; 0 for a year
    int firstDay = 0;  // the period's first and last day numbers; 0 outside periods
    int lastDay = 0;
    std::string label;  // "Week 49, 2026", "December 2026", "2026", "No date", "Total"
    int taskCount = 0;
    long double hours = 0;
    long double cost = 0;
    std::vector<int> taskRows;  // grid rows, in row order; empty for the Total row
    // A row standing for a long run of empty periods: the labels of its first and last
    // period, and the last one's parts (the row's own are the first's).
    struct EmptyRun {
        std::string from;
        std::string to;
        int toYear = 0;
        int toNumber = 0;
    };
    std::optional<EmptyRun> emptyRun;
};

// The summary of a task table: periods in date order (gaps included, with zeros), then a
// "No date" row when some task has no readable date and no range is set, then "Total". More than
// kLongestEmptyRun empty periods in a row show as one period row, "No tasks from May 2026
// to October 2062", spanning them all.
struct Summary {
    std::vector<SummaryRow> rows;
    int nonNumberTasks = 0;      // tasks whose Hours or Cost is text but not a number
    int firstNonNumberRow = -1;  // the grid row of the first of them
};

inline constexpr int kLongestEmptyRun = 12;
inline constexpr const char* kSummaryNoDate = QUILLET_TR("CoreMessages", "No date");
inline constexpr const char* kSummaryTotal = QUILLET_TR("CoreMessages", "Total");

// Reads dates with the table's own date reader, Hours and Cost with the cost total's number
// rule, and leaves out the heading row, empty rows and total rows.
Summary summarize(const CellGrid& grid, const SummaryOptions& options, const Locale& locale);

// The ISO 8601 week of a day number: Monday first, week 1 holds the year's first Thursday.
struct IsoWeek {
    int year = 0;
    int week = 0;
};
IsoWeek isoWeekOf(int day);
// The Monday of an ISO week.
int mondayOfIsoWeek(int year, int week);

// The day number of a date cell's text, nullopt when it is empty or not a date.
std::optional<int> readDay(std::string_view text, const Locale& locale);

// The column headings and each row as the table shows them: the period, its first day,
// the task count, Hours and Cost in the cost total's format.
std::vector<std::string> summaryHeadings();
std::vector<std::string> summaryCells(const SummaryRow& row, const Locale& locale);

// A row's period as the window shows it: the week, "No date" and "Total" in the user's
// language; a month or a year as the locale writes it. Its English text is the row's label.
Message summaryLabel(const SummaryRow& row);

// The table as TAB-separated text with CR LF line ends, headings first.
std::string summaryClipboardText(const Summary& summary, const Locale& locale);

// "3 tasks have Hours or Cost that are not numbers"; empty for none.
Message nonNumberNotice(int count);

}  // namespace quillet
