// The work log's reader on any text: what it reads holds together (sessions in id order,
// none ending before it starts, every task name escaped and read back the same), and the
// sums over any span are never negative.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "FuzzSupport.h"
#include "tasks/WorkLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<quillet::LogProblem> problems;
    const quillet::WorkLog log = quillet::WorkLog::read(text, &problems);
    const auto& sessions = log.sessions();
    for (std::size_t k = 0; k < sessions.size(); ++k) {
        const quillet::WorkSession& s = sessions[k];
        QUILLET_FUZZ_CHECK(k == 0 || sessions[k - 1].id < s.id, "sessions in id order, once");
        QUILLET_FUZZ_CHECK(!s.closed || s.end >= s.start, "no session ends before it starts");
        const quillet::TaskName& task = log.taskOf(s);
        QUILLET_FUZZ_CHECK(quillet::unescapeLogField(quillet::escapeLogField(task.description)) ==
                               task.description,
                           "a task's description escapes and reads back the same");
        QUILLET_FUZZ_CHECK(log.session(s.id) == &s, "a session is found by its id");
    }
    const std::int64_t all = log.timedBetween(std::numeric_limits<std::int64_t>::min() / 4,
                                              std::numeric_limits<std::int64_t>::max() / 4, 0, {});
    QUILLET_FUZZ_CHECK(all >= 0, "time worked is never negative");
    std::int64_t last = std::numeric_limits<std::int64_t>::min();
    for (const std::size_t index : log.sessionsBetween(std::numeric_limits<std::int64_t>::min(),
                                                       std::numeric_limits<std::int64_t>::max())) {
        QUILLET_FUZZ_CHECK(sessions[index].start >= last, "sessions by start");
        last = sessions[index].start;
    }
    return 0;
}
