#pragma once

#include <cstdint>
#include <string>

#include "grid/CellGrid.h"
#include "ports/Locale.h"

namespace quillet {

inline constexpr const char* kSelectTaskRowFirst =
    QUILLET_TR("CoreMessages", "Select a task row first");
inline constexpr double kSecondsPerDay = 86400.0;

// The stopwatch's time in hundredths of an hour, half a hundredth (18 s) rounding up. Whole
// days are kept. A negative time (the clock set back while timing) counts as nothing.
std::int64_t hundredthsOfHour(double elapsedSeconds);

// Hundredths of an hour as the user writes hours: the locale's decimal separator, no
// thousands separator, no trailing zeros (1.5, 2, 0.05).
std::string formatHundredths(std::int64_t hundredths, const Locale& locale);

struct TimerHoursResult {
    enum class Outcome {
        Added,        // Hours (and maybe End Date) written
        NotATask,     // the heading, a total row, or no row: nothing changed
        InvalidHours  // the Hours cell is not a number: nothing changed
    };
    Outcome outcome = Outcome::NotATask;
    // Added: "Added 1.43 h to task 12", for the status bar's first panel.
    // Otherwise the refusal for a message box.
    Message message;

    // The grid changed: zero the stopwatch (keeping it running) and mark the project unsaved.
    bool added() const { return outcome == Outcome::Added; }
};

// Adds the stopwatch's time, rounded to hundredths of an hour, to the Hours cell of task
// row `row` (an empty cell counts as 0), and writes todayText (the user's short date) into
// the row's End Date when that is empty. Changes nothing for the heading row, a total row,
// a row past the last one, or an Hours cell that is not a number in the locale's format.
TimerHoursResult addTimerToHours(CellGrid& grid, int row, double elapsedSeconds,
                                 const Locale& locale, const std::string& todayText);

// Adds `hundredths` (negative: takes them off) to the Hours of task row `row`: a corrected
// session of the work log. The End Date stays as it is.
TimerHoursResult changeHours(CellGrid& grid, int row, std::int64_t hundredths,
                             const Locale& locale);

}  // namespace quillet
