#include "tasks/WorkLogPage.h"

#include <algorithm>
#include <cmath>

namespace quillet {

std::vector<LogPageDay> logPage(const WorkLog& log, double fromDay, double toDay, Clock& clock,
                                std::optional<LogId> running) {
    std::vector<LogPageDay> days;
    const std::int64_t now = clock.utcMs();
    const std::vector<std::size_t> indices =
        log.sessionsBetween(clock.utcFromLocal(fromDay), clock.utcFromLocal(toDay));
    const std::vector<bool> overlaps = log.overlapping(indices, now, running);
    for (std::size_t k = 0; k < indices.size(); ++k) {
        const WorkSession& s = log.sessions()[indices[k]];
        const bool isRunning = running && *running == s.id;
        const std::int64_t end = s.closed    ? s.end
                                 : isRunning ? std::max(now, s.start)
                                             : std::max(log.seen(s.id), s.start);
        LogPageEntry entry;
        entry.id = s.id;
        entry.task = log.taskOf(s);
        if (entry.task.number.empty() && entry.task.description.empty()) {
            if (const WorkBooking* booking = log.bookingOf(s))
                entry.task = log.taskName(booking->task);
        }
        entry.start = clock.localFromUtc(s.start);
        entry.end = clock.localFromUtc(end);
        entry.ms = end - s.start;
        entry.running = isRunning;
        entry.open = !s.closed && !isRunning;
        entry.booked = s.booking != 0;
        entry.manual = s.manual;
        entry.overlaps = overlaps[k];
        const double day = std::floor(entry.start);
        if (days.empty() || days.back().day != day) {
            LogPageDay page;
            page.day = day;
            page.ms = log.timedBetween(clock.utcFromLocal(day), clock.utcFromLocal(day + 1), now,
                                       running);
            days.push_back(std::move(page));
        }
        days.back().entries.push_back(std::move(entry));
    }
    return days;
}

}  // namespace quillet
