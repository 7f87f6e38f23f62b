#include "tasks/TaskTiming.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "tasks/CostTotal.h"
#include "tasks/Summary.h"
#include "tasks/TaskRow.h"
#include "tasks/TaskRows.h"

namespace quillet {

namespace {

std::string cellOf(const CellGrid& grid, int col, int row) {
    if (row < 0 || row >= grid.rowCount() || col >= grid.colCount()) return {};
    return std::string(trimBlanksAndControls(grid.cellText(col, row)));
}

// The stopwatch's rounding: whole milliseconds, half to even, the magnitude.
double wholeMilliseconds(double days) {
    const double ms = std::fabs(std::nearbyint(days * 86400000.0));
    return std::isfinite(ms) ? ms : 0.0;
}

std::string roundedHours(long double hours, const Locale& locale) {
    const long double hundredths = std::nearbyint(hours * 100);
    if (!std::isfinite(hundredths) || std::fabs(hundredths) > 9e15L) return "?";
    return formatHundredths(static_cast<std::int64_t>(hundredths), locale);
}

}  // namespace

std::string taskNumberText(const CellGrid& grid, int row) {
    std::string number = cellOf(grid, TaskNo, row);
    return number.empty() ? std::to_string(row) : number;
}

std::string taskDescriptionText(const CellGrid& grid, int row) {
    return cellOf(grid, Description, row);
}

namespace {

// The row's task in one of two texts: its number, or its number and description.
Message taskText(const CellGrid& grid, int row, Message numberOnly, Message withDescription) {
    const std::string description = taskDescriptionText(grid, row);
    if (description.empty()) return std::move(numberOnly).arg(taskNumberText(grid, row));
    return std::move(withDescription).arg(taskNumberText(grid, row)).arg(description);
}

}  // namespace

Message timingText(const CellGrid& grid, int row) {
    return taskText(grid, row, QUILLET_TR("CoreMessages", "Timing task %1"),
                    QUILLET_TR("CoreMessages", "Timing task %1: %2"));
}

Message recentTaskCaption(const CellGrid& grid, int row) {
    return taskText(grid, row, QUILLET_TR("CoreMessages", "Time task %1"),
                    QUILLET_TR("CoreMessages", "Time task %1: %2"));
}

std::string timedTaskReplyText(const CellGrid& grid, int row) {
    std::string text = "task " + taskNumberText(grid, row);
    const std::string description = taskDescriptionText(grid, row);
    if (!description.empty()) text += ": " + description;
    return text;
}

std::string heldTimeText(double elapsedDays) {
    const auto seconds = static_cast<long long>(
        std::min(std::floor(wholeMilliseconds(elapsedDays) / 1000.0), 3.6e9));
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%lld:%.2lld:%.2lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return buffer;
}

bool holdsAMinute(double elapsedDays) {
    return elapsedDays > 0 && wholeMilliseconds(elapsedDays) >= 60000.0;
}

Message closingQuestion(double elapsedDays, const CellGrid& grid, int boundRow) {
    if (boundRow < 1) {
        return Message(QUILLET_TR("CoreMessages",
                                  "The stopwatch holds %1 that is not in any task's Hours. Add it "
                                  "to the selected task before closing?"))
            .arg(heldTimeText(elapsedDays));
    }
    const std::string description = taskDescriptionText(grid, boundRow);
    if (description.empty()) {
        return Message(QUILLET_TR("CoreMessages",
                                  "The stopwatch holds %1 for task %2 that is not in its Hours. "
                                  "Add it before closing?"))
            .arg(heldTimeText(elapsedDays))
            .arg(taskNumberText(grid, boundRow));
    }
    return Message(QUILLET_TR("CoreMessages",
                              "The stopwatch holds %1 for task %2 (%3) that is not in its Hours. "
                              "Add it before closing?"))
        .arg(heldTimeText(elapsedDays))
        .arg(taskNumberText(grid, boundRow))
        .arg(description);
}

std::vector<Message> closingButtons() {
    return {QUILLET_TR("CoreMessages", "&Add"), QUILLET_TR("CoreMessages", "&Don't Add")};
}

ClosingAnswer closingAnswer(const std::optional<std::size_t>& button) {
    if (!button || *button > 1) return ClosingAnswer::Cancel;
    return *button == 0 ? ClosingAnswer::Add : ClosingAnswer::DontAdd;
}

Message unboundQuestion(double elapsedDays, const CellGrid& grid, int newRow) {
    return Message(QUILLET_TR("CoreMessages",
                              "The stopwatch holds %1 for no task. Add it to task %2 before "
                              "timing it, or discard it?"))
        .arg(heldTimeText(elapsedDays))
        .arg(taskNumberText(grid, newRow));
}

std::vector<Message> unboundButtons() {
    return {QUILLET_TR("CoreMessages", "&Add to this task"),
            QUILLET_TR("CoreMessages", "D&iscard it")};
}

UnboundAnswer unboundAnswer(const std::optional<std::size_t>& button) {
    if (!button || *button > 1) return UnboundAnswer::Cancel;
    return *button == 0 ? UnboundAnswer::AddToNew : UnboundAnswer::Discard;
}

BookingResult bookTime(CellGrid& grid, int row, double elapsedSeconds, const Locale& locale,
                       const std::string& todayText, int today, BookTo to) {
    const bool taskRow = row >= 1 && row < grid.rowCount() && grid.colCount() > Hours &&
                         grid.colCount() > StartDate && !isTotalRow(grid, row);
    if (to == BookTo::TaskRow || !taskRow ||
        readDay(grid.cellText(StartDate, row), locale) == today) {
        TimerHoursResult result = addTimerToHours(grid, row, elapsedSeconds, locale, todayText);
        return {std::move(result), row};
    }
    std::string description(grid.cellText(Description, row));
    const std::int64_t added = hundredthsOfHour(elapsedSeconds);
    CellGrid::BulkUpdate bulk(grid);
    growRows(grid, grid.rowCount() + 1);
    const int newRow = grid.rowCount() - 1;
    grid.setCellText(TaskNo, newRow, std::to_string(newRow));
    grid.setCellText(Description, newRow, description);
    grid.setCellText(Hours, newRow, formatHundredths(added, locale));
    grid.setCellText(StartDate, newRow, todayText);
    if (EndDate < grid.colCount()) grid.setCellText(EndDate, newRow, todayText);
    bulk.commit();
    TimerHoursResult result{TimerHoursResult::Outcome::Added,
                            Message(QUILLET_TR("CoreMessages", "Added %1 h to task %2"))
                                .arg(formatHundredths(added, locale))
                                .arg(std::to_string(newRow))};
    return {std::move(result), newRow};
}

Message dayWeekText(long double todayHours, long double weekHours, const Locale& locale) {
    return Message(QUILLET_TR("CoreMessages", "Timed today %1 h · Week %2 h"))
        .arg(roundedHours(todayHours, locale))
        .arg(roundedHours(weekHours, locale));
}

}  // namespace quillet
