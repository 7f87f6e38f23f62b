#include "tools/StopwatchGuard.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quillet {

namespace {
constexpr double kMsPerDay = 86400000.0;
constexpr double kMinutesPerDay = 1440.0;
}  // namespace

void StopwatchGuard::setSettings(const GuardSettings& settings) {
    settings_.awayMinutes = std::clamp(settings.awayMinutes, 0, kMaxAwayMinutes);
    settings_.reminderHours = std::clamp(settings.reminderHours, 0, kMaxReminderHours);
    settings_.rowPerDay = settings.rowPerDay;
    // Turned off: a break already noted is not asked about.
    if (settings_.awayMinutes == 0) leftAt_.reset();
}

GuardPoll StopwatchGuard::poll() {
    GuardPoll out;
    const double now = clock_->now();
    if (watch_->running()) checkReminder(now, out);
    if (settings_.awayMinutes == 0) return out;
    const std::optional<std::int64_t> idleMs = idle_->idleMs();
    if (!idleMs || *idleMs < 0) return out;
    const double lastInput = now - static_cast<double>(*idleMs) / kMsPerDay;
    const bool idleLongEnough = *idleMs >= std::int64_t{settings_.awayMinutes} * 60000;

    if (idleLongEnough) {
        // Only time the stopwatch counted is time away.
        if (!leftAt_ && watch_->running()) {
            const double left = std::max(lastInput, watch_->startedAt());
            leftAt_ = left;
            elapsedWhenLeft_ = elapsedAt(left, now);
        }
        return out;
    }
    if (!leftAt_) return out;
    const double back = std::max(lastInput, *leftAt_);
    const double elapsedWhenBack = std::max(elapsedAt(back, now), elapsedWhenLeft_);
    if (pending_) {
        pending_->backAt = back;
        pending_->elapsedWhenBack = std::max(elapsedWhenBack, pending_->elapsedWhenBack);
        out.extended = true;
    } else {
        pending_ = Absence{*leftAt_, back, elapsedWhenLeft_, elapsedWhenBack};
        out.ask = true;
    }
    leftAt_.reset();
    return out;
}

void StopwatchGuard::checkReminder(double now, GuardPoll& out) {
    if (watch_->startedAt() != runStartedAt_) {
        runStartedAt_ = watch_->startedAt();
        hoursReminded_ = 0;
    }
    if (settings_.reminderHours == 0) return;
    const double hoursRun = (now - runStartedAt_) * 24.0 + 1e-9;
    const int due =
        static_cast<int>(std::floor(hoursRun / settings_.reminderHours)) * settings_.reminderHours;
    if (due <= hoursReminded_) return;
    // A machine that slept past several reminders gets one, for the time reached.
    hoursReminded_ = due;
    out.reminder = reminderText(due);
}

double StopwatchGuard::elapsedAt(double moment, double now) const {
    const double elapsed = watch_->elapsedTime();
    double countedSince = 0.0;
    if (watch_->running())
        countedSince = now - std::max(moment, watch_->startedAt());
    else
        countedSince = std::max(0.0, watch_->stoppedAt() - moment);
    return std::max(0.0, elapsed - std::max(0.0, countedSince));
}

Message StopwatchGuard::questionText() const {
    if (!pending_) return {};
    return Message(QUILLET_TR("CoreMessages",
                              "You were away from %1 to %2 (%3) while the stopwatch was running."))
        .arg(clockText(pending_->leftAt))
        .arg(clockText(pending_->backAt))
        .arg(durationText(pending_->backAt - pending_->leftAt));
}

std::vector<Message> StopwatchGuard::answerButtons() const {
    const std::string left = pending_ ? clockText(pending_->leftAt) : std::string();
    return {QUILLET_TR("CoreMessages", "&Keep the time"),
            QUILLET_TR("CoreMessages", "&Remove the away time"),
            Message(QUILLET_TR("CoreMessages", "&Stop at %1")).arg(left)};
}

void StopwatchGuard::answer(AwayAnswer choice) {
    if (!pending_) return;
    const Absence absence = *pending_;
    pending_.reset();
    switch (choice) {
        case AwayAnswer::Keep:
            break;
        case AwayAnswer::Remove:
            watch_->deduct(absence.elapsedWhenBack - absence.elapsedWhenLeft);
            break;
        case AwayAnswer::StopAtLeave:
            watch_->stop();
            // A reset since then left less than there was: nothing to take back.
            watch_->deduct(watch_->elapsedTime() - absence.elapsedWhenLeft);
            break;
    }
}

std::string clockText(double dateTime) {
    const double fraction = dateTime - std::floor(dateTime);
    const auto minutes = static_cast<long>(std::floor(fraction * kMinutesPerDay + 1e-6)) % 1440;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.2ld:%.2ld", minutes / 60, minutes % 60);
    return buffer;
}

Message durationText(double days) {
    const long minutes = std::lround(std::max(0.0, days) * kMinutesPerDay);
    if (minutes < 60)
        return Message(QUILLET_TR("CoreMessages", "%1 min")).arg(std::to_string(minutes));
    char twoDigits[8];
    std::snprintf(twoDigits, sizeof twoDigits, "%.2ld", minutes % 60);
    return Message(QUILLET_TR("CoreMessages", "%1 h %2 min"))
        .arg(std::to_string(minutes / 60))
        .arg(std::string(twoDigits));
}

Message reminderText(int hours) {
    return Message(hours == 1
                       ? QUILLET_TR("CoreMessages", "The stopwatch has been running for %1 hour.")
                       : QUILLET_TR("CoreMessages", "The stopwatch has been running for %1 hours."))
        .arg(std::to_string(hours));
}

}  // namespace quillet
