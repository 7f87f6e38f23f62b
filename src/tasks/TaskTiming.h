#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "grid/CellGrid.h"
#include "ports/Locale.h"
#include "ports/Message.h"
#include "tasks/Columns.h"
#include "tasks/TimerHours.h"

namespace quillet {

// How a task is named to the user: its Task # (the row number when that is empty) and its
// description, both trimmed.
std::string taskNumberText(const CellGrid& grid, int row);
std::string taskDescriptionText(const CellGrid& grid, int row);
// "Timing task 2: Write report", or "Timing task 2" without a description.
Message timingText(const CellGrid& grid, int row);
// "Time task 2: Write report": a recent task in the tray's menu.
Message recentTaskCaption(const CellGrid& grid, int row);
// "task 2: Write report" for the remote reply: never translated.
std::string timedTaskReplyText(const CellGrid& grid, int row);

// "1:23:45": the stopwatch's whole seconds, hours not padded and going past 24.
std::string heldTimeText(double elapsedDays);
// Less than a minute on the stopwatch is not worth a question.
bool holdsAMinute(double elapsedDays);

// Closing with unbooked time: the question and its buttons (Cancel comes after them).
enum class ClosingAnswer { Add, DontAdd, Cancel };
Message closingQuestion(double elapsedDays, const CellGrid& grid, int boundRow);
std::vector<Message> closingButtons();
ClosingAnswer closingAnswer(const std::optional<std::size_t>& button);

// Switching from a stopwatch that holds time for no task: where that time goes.
enum class UnboundAnswer { AddToNew, Discard, Cancel };
Message unboundQuestion(double elapsedDays, const CellGrid& grid, int newRow);
std::vector<Message> unboundButtons();
UnboundAnswer unboundAnswer(const std::optional<std::size_t>& button);

// Where a booking goes: the task's own row, or a row of its own for each day.
enum class BookTo { TaskRow, RowPerDay };

struct BookingResult {
    TimerHoursResult hours;
    int row = -1;  // the row that took the time
};

// Books to row `row`. With RowPerDay and a Start Date other than today, a new task row
// takes the time instead: the same description, today in Start Date and End Date, the
// hours; numbered like Add New Task.
BookingResult bookTime(CellGrid& grid, int row, double elapsedSeconds, const Locale& locale,
                       const std::string& todayText, int today, BookTo to);

// "Timed today 2.75 h · Week 14.5 h".
Message dayWeekText(long double todayHours, long double weekHours, const Locale& locale);

}  // namespace quillet
