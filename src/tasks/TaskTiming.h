#pragma once

#include <cstdint>
#include <map>
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

// The task rows dated today and in this ISO week, by the summary's rule (the Start Date
// read as a day), with their hours. The table's part is kept between calls: a change of
// cells updates only its rows; a change of layout (sort, load, deleted rows) or a new day
// rescans, once, when next asked.
class DayWeekHours : public CellGridListener {
  public:
    DayWeekHours(CellGrid& grid, const Locale& locale);
    ~DayWeekHours() override;
    DayWeekHours(const DayWeekHours&) = delete;
    DayWeekHours& operator=(const DayWeekHours&) = delete;

    struct Sums {
        long double today = 0;
        long double week = 0;
    };
    Sums sums(int today);
    void gridChanged(const GridChange& change) override;

    // While one lives, a change of layout only appends rows (a booking's row for the day):
    // the new rows are read instead of the whole table.
    class Appending {
      public:
        explicit Appending(DayWeekHours& hours) : hours_(hours) { hours_.appending_ = true; }
        ~Appending() { hours_.appending_ = false; }
        Appending(const Appending&) = delete;
        Appending& operator=(const Appending&) = delete;

      private:
        DayWeekHours& hours_;
    };

  private:
    struct Entry {
        long double hours = 0;
        bool today = false;
    };
    void rescan();
    void updateRow(int row);
    std::optional<Entry> entryOf(int row, int dayOfRow) const;

    CellGrid& grid_;
    const Locale& locale_;
    bool stale_ = true;
    bool appending_ = false;
    int rowsRead_ = 0;  // the table's rows when last read
    int today_ = 0;
    int monday_ = 0;
    std::map<int, Entry> rows_;  // only rows dated in the week
};

// "Today 2.75 h · Week 14.5 h".
Message dayWeekText(long double todayHours, long double weekHours, const Locale& locale);

}  // namespace quillet
