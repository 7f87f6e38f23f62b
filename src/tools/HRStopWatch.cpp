#include "tools/HRStopWatch.h"

#include <cmath>
#include <cstdio>

namespace quillet {

namespace {
constexpr double kMsPerDay = 86400000.0;
}

void HRStopWatch::start() {
    if (running_) return;
    startedAt_ = clock_->now();
    startedMono_ = monotonicDays();
    running_ = true;
}

void HRStopWatch::stop() {
    if (!running_) return;
    stoppedAt_ = clock_->now();
    accumulated_ += monotonicDays() - startedMono_;
    running_ = false;
}

void HRStopWatch::reset() {
    if (running_) return;
    accumulated_ = 0.0;
    startedAt_ = 0.0;
    stoppedAt_ = 0.0;
}

void HRStopWatch::deduct(double days) {
    if (!(days > 0.0)) return;
    const double elapsed = elapsedTime();
    accumulated_ -= days < elapsed ? days : elapsed;
}

void HRStopWatch::addTime(double days) {
    if (std::isfinite(days) && days > 0.0) accumulated_ += days;
}

void HRStopWatch::restore(bool running, double accumulated, double startedAt) {
    const auto finite = [](double value) { return std::isfinite(value) ? value : 0.0; };
    running_ = running;
    accumulated_ = finite(accumulated);
    startedAt_ = finite(startedAt);
    startedMono_ = monotonicDays() - (clock_->now() - startedAt_);
    stoppedAt_ = 0.0;
}

double HRStopWatch::elapsedTime() const {
    if (!running_) return accumulated_;
    return accumulated_ + (monotonicDays() - startedMono_);
}

ElapsedParts HRStopWatch::decodeElapsed() const {
    return decodeElapsedDays(elapsedTime());
}

double elapsedMilliseconds(double days) {
    // nearbyint uses the default rounding mode, which rounds ties to even.
    const double ms = std::fabs(std::nearbyint(days * kMsPerDay));
    return std::isfinite(ms) ? ms : 0.0;
}

ElapsedParts decodeElapsedDays(double days) {
    // fmod is exact, so reducing to one day before converting keeps huge values from
    // overflowing an integer.
    const double withinDay = std::fmod(elapsedMilliseconds(days), kMsPerDay);
    const auto t = static_cast<std::int32_t>(withinDay);
    ElapsedParts parts;
    parts.days = 0;
    parts.hours = (t / 60000) / 60;
    parts.minutes = (t / 60000) % 60;
    parts.seconds = (t % 60000) / 1000;
    parts.milliseconds = (t % 60000) % 1000;
    return parts;
}

std::string elapsedToText(const ElapsedParts& parts) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.2d:%.2d:%.2d:%.2d:%.3d", parts.days,
                                parts.hours, parts.minutes, parts.seconds, parts.milliseconds);
    return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

Message stopWatchDisplayText(const HRStopWatch& watch) {
    return Message(QUILLET_TR("CoreMessages", "Timer: %1"))
        .arg(elapsedToText(watch.decodeElapsed()).substr(0, 11));
}

void timerStartCommand(HRStopWatch& watch) {
    watch.start();
}

Message elapsedHoursMinutesText(double elapsedDays) {
    const auto minutes = static_cast<long long>(elapsedMilliseconds(elapsedDays) / 60000.0);
    char twoDigits[8];
    std::snprintf(twoDigits, sizeof twoDigits, "%02lld", minutes % 60);
    return Message(QUILLET_TR("CoreMessages", "%1 h %2 min"))
        .arg(std::to_string(minutes / 60))
        .arg(std::string(twoDigits));
}

Message timerStopCommand(HRStopWatch& watch) {
    watch.stop();
    return stopWatchDisplayText(watch);
}

Message timerResetCommand(HRStopWatch& watch) {
    watch.stop();
    watch.reset();
    return stopWatchDisplayText(watch);
}

Message timerRestartCommand(HRStopWatch& watch) {
    const bool wasRunning = watch.running();
    watch.stop();
    watch.reset();
    if (wasRunning) watch.start();
    return stopWatchDisplayText(watch);
}

}  // namespace quillet
