#pragma once

#include <cstdint>
#include <string>

#include "ports/Message.h"
#include "ports/Ports.h"

namespace quillet {

// An elapsed time split for display. Whole days are dropped, so days is always 0.
struct ElapsedParts {
    std::int32_t days = 0;
    std::int32_t hours = 0;         // 0..23
    std::int32_t minutes = 0;       // 0..59
    std::int32_t seconds = 0;       // 0..59
    std::int32_t milliseconds = 0;  // 0..999
};

// A stopwatch that adds up any number of start/stop intervals. Intervals are measured on
// the clock that never jumps, so setting the computer's clock or a change of summer time
// does not change them; startedAt and stoppedAt are the local wall-clock times, in days
// since 1899-12-30, for what is shown and asked.
class HRStopWatch {
  public:
    explicit HRStopWatch(Clock& clock) : clock_(&clock) {}

    bool running() const { return running_; }
    double accumulated() const { return accumulated_; }  // days, closed intervals only
    double startedAt() const { return startedAt_; }
    double stoppedAt() const { return stoppedAt_; }

    // Ignored while running; a start after a stop resumes from the banked total.
    void start();
    // Ignored while stopped.
    void stop();
    // Ignored while running: callers that mean "zero it now" stop first.
    void reset();

    // Takes days off the elapsed time, running or not, never below zero: time the user was
    // away, taken back.
    void deduct(double days);
    // Adds days to the banked total: a booking undone gives its time back.
    void addTime(double days);

    // Puts back a state kept elsewhere (a recovery copy): running since startedAt or stopped,
    // with `accumulated` banked. Values that are not finite count as zero.
    void restore(bool running, double accumulated, double startedAt);

    // Days: the banked total plus the open interval while running.
    double elapsedTime() const;
    ElapsedParts decodeElapsed() const;

  private:
    Clock* clock_;
    bool running_ = false;
    double accumulated_ = 0.0;
    double startedAt_ = 0.0;
    double stoppedAt_ = 0.0;
    double startedMono_ = 0.0;  // the monotonic clock at the last start, in days

    double monotonicDays() const { return static_cast<double>(clock_->monotonicMs()) / 86400000.0; }
};

// The one rounding of the stopwatch's time for every display (the status bar, the tray's
// hint, the remote reply), so they never disagree on a second: the magnitude in whole
// milliseconds, rounded half to even; 0 when not finite. A display then drops what it does
// not show (seconds are never rounded up again).
double elapsedMilliseconds(double days);

// Splits an interval in days: elapsedMilliseconds, then whole days dropped (a clock set back
// past the start shows the magnitude).
ElapsedParts decodeElapsedDays(double days);

// "dd:hh:mm:ss:mmm" (15 characters for a decoded value).
std::string elapsedToText(const ElapsedParts& parts);

// The status-bar text of the stopwatch: "Timer: dd:hh:mm:ss".
Message stopWatchDisplayText(const HRStopWatch& watch);
// "1 h 05 min": for a display that changes once a minute (the tray's hint), so it never
// shows seconds standing still.
Message elapsedHoursMinutesText(double elapsedDays);

// The steps of the "&Timer" menu commands. The main window's commands are:
//   startTimer: timerStartCommand(HRStopWatch1);  // no refresh; the next tick shows it
//   stopTimer:  panel 1 := timerStopCommand(HRStopWatch1);
//   resetTimer: panel 1 := timerResetCommand(HRStopWatch1);
//   updateStopWatchDisplay (every 1000 ms from window creation):
//               panel 1 := stopWatchDisplayText(...).
void timerStartCommand(HRStopWatch& watch);
Message timerStopCommand(HRStopWatch& watch);
// Stops first so that it zeroes a running stopwatch too.
Message timerResetCommand(HRStopWatch& watch);
// Zeroes the stopwatch and keeps its state: a running one runs on from zero, a stopped one
// stays stopped. For when the elapsed time has been booked to a task.
Message timerRestartCommand(HRStopWatch& watch);

}  // namespace quillet
