#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ports/Ports.h"
#include "tasks/WorkLog.h"

namespace quillet {

// One session as the Work Log window lists it, in local time.
struct LogPageEntry {
    LogId id;
    TaskName task;
    double start = 0;  // local date-times
    double end = 0;
    std::int64_t ms = 0;  // its length
    bool running = false;
    bool open = false;  // cut off by a crash, not yet decided
    bool booked = false;
    bool manual = false;
    bool overlaps = false;  // another session covers part of it
};

// A day of the window: its sessions by start, and the time worked on it (a session across
// midnight counts on each day for its part).
struct LogPageDay {
    double day = 0;  // local date
    std::int64_t ms = 0;
    std::vector<LogPageEntry> entries;
};

// The local days [fromDay, toDay) of the log, each with the sessions that began on it; days
// without any are left out.
std::vector<LogPageDay> logPage(const WorkLog& log, double fromDay, double toDay, Clock& clock,
                                std::optional<LogId> running);

}  // namespace quillet
