#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ports/Message.h"
#include "ports/Ports.h"
#include "tools/HRStopWatch.h"

namespace quillet {

// How the guard watches the stopwatch; 0 turns a watch off.
struct GuardSettings {
    int awayMinutes = 10;    // ask about time away after this long without input
    int reminderHours = 4;   // remind after the stopwatch has run this long, and each such time on
    bool rowPerDay = false;  // bookings on a task dated another day go to a new row for today
    bool operator==(const GuardSettings&) const = default;
};

// Time away while the stopwatch ran: from when the user left to the first input after it, as
// date-time values, with the stopwatch's elapsed days at both ends.
struct Absence {
    double leftAt = 0.0;
    double backAt = 0.0;
    double elapsedWhenLeft = 0.0;
    double elapsedWhenBack = 0.0;
};

// The buttons of the question, in order; Cancel counts as Keep.
enum class AwayAnswer { Keep, Remove, StopAtLeave };

// What one look at the idle time found.
struct GuardPoll {
    bool ask = false;       // a new question is pending: bring the window forward and ask it
    bool extended = false;  // the open question now covers a longer absence
    Message reminder;       // a long-run reminder to show, or empty
};

// Watches a running stopwatch for time away and long runs. It decides; the window asks and
// shows. Only one question is open at a time: an absence that ends while it is open extends
// it.
class StopwatchGuard {
  public:
    // How often the window should poll while the stopwatch runs.
    static constexpr int kPollMs = 15000;
    static constexpr int kMaxAwayMinutes = 24 * 60;
    static constexpr int kMaxReminderHours = 999;

    StopwatchGuard(HRStopWatch& watch, Clock& clock, IdleSource& idle)
        : watch_(&watch), clock_(&clock), idle_(&idle) {}

    const GuardSettings& settings() const { return settings_; }
    void setSettings(const GuardSettings& settings);
    IdleKind idleKind() const { return idle_->kind(); }
    // Replaces the idle source: for the window's tests.
    void setIdleSource(IdleSource& idle) { idle_ = &idle; }

    // Every kPollMs while the stopwatch runs, and once right after it stops, so an absence
    // that ended with the click on Stop is still asked about.
    GuardPoll poll();

    const std::optional<Absence>& pending() const { return pending_; }
    // The user has been away long enough and has not come back yet, as of the last poll.
    bool awayNoted() const { return leftAt_.has_value(); }
    // "You were away from 10:05 to 10:40 (35 min) while the stopwatch was running."
    Message questionText() const;
    std::vector<Message> answerButtons() const;
    // Applies the answer to the pending absence, as it stands now, and closes the question.
    void answer(AwayAnswer choice);

  private:
    void checkReminder(double now, GuardPoll& out);
    // The stopwatch's elapsed days at an earlier moment, from its state now.
    double elapsedAt(double moment, double now) const;

    HRStopWatch* watch_;
    Clock* clock_;
    IdleSource* idle_;
    GuardSettings settings_;
    std::optional<double> leftAt_;  // the user is away since then
    double elapsedWhenLeft_ = 0.0;
    std::optional<Absence> pending_;
    double runStartedAt_ = -1.0;
    int hoursReminded_ = 0;  // in the current run
};

// "hh:mm" of a date-time value, 24-hour clock.
std::string clockText(double dateTime);
// "35 min", or "2 h 05 min" from an hour on.
Message durationText(double days);
// "The stopwatch has been running for 4 hours."
Message reminderText(int hours);

}  // namespace quillet
