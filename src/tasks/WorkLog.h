#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ports/Message.h"

namespace quillet {

// The first line of a project's log: its format and version.
inline constexpr std::string_view kWorkLogHeader = "Quillet1 work log";
inline constexpr int kWorkLogVersion = 1;

// A record's id: when it was made (UTC milliseconds) and a random part, so that two machines
// never make the same one and ids sort by time. Written "019afc12ab34-9f3c2a1e".
struct LogId {
    std::int64_t ms = 0;
    std::uint32_t random = 0;
    auto operator<=>(const LogId&) const = default;
    bool empty() const { return ms == 0 && random == 0; }
    std::string text() const;
    static std::optional<LogId> parse(std::string_view text);
};

// "2026-12-09T09:12:00.123Z" and back; the log keeps every instant in UTC.
std::string utcText(std::int64_t utcMs);
std::optional<std::int64_t> parseUtcText(std::string_view text);

// One stretch of timed work on one task. Kept small: a log holds years of them.
struct WorkSession {
    LogId id;                   // of the record that began it
    LogId edited;               // the latest correction applied, so a merge applies them in order
    std::int64_t start = 0;     // UTC milliseconds
    std::int64_t end = 0;       // when closed
    std::uint32_t task = 0;     // into WorkLog::taskName
    std::uint32_t booking = 0;  // 1 + index into WorkLog::bookings, 0 while unbooked
    std::int32_t pid = 0;       // the process that timed it
    bool closed = false;
    bool deleted = false;
    bool manual = false;  // added by hand
    // Its end, or for an open one the moment given (now while it runs, else its last sign of
    // life).
    std::int64_t endOr(std::int64_t openEnd) const { return closed ? end : openEnd; }
};

struct TaskName {
    std::string number;
    std::string description;
    bool operator==(const TaskName&) const = default;
};

struct WorkBooking {
    LogId id;
    std::int64_t hundredths = 0;
    std::uint32_t task = 0;
    std::uint32_t firstSession = 0;  // its sessions' ids, in WorkLog's pool of them
    std::uint32_t sessionCount = 0;
    bool undone = false;
};

// A line of the log that could not be read: its number (the header is line 1) and why.
struct LogProblem {
    std::size_t line = 0;
    std::string reason;
};

// Why a line of the log could not be read: what() names it, in English, after the line's
// number in the user's message.
class WorkLogError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The sessions of a project's log. Every change is a record: a line to append to the file,
// applied here as the file's reader applies it, so what is on disk and what is shown never
// differ. A correction supersedes by id; nothing is rewritten but an open session's last
// sign of life, a fixed-width field written in place.
class WorkLog {
  public:
    // Reads a whole log. Lines that do not parse are skipped and reported; a record seen
    // before (two copies of a log put together) counts once.
    static WorkLog read(std::string_view text, std::vector<LogProblem>* problems = nullptr);
    // The version line a new log begins with.
    static std::string headerLine();

    // The version the file says it is; records of a newer version that are not understood
    // are skipped without a report.
    int version() const { return version_; }
    // The greatest record id applied: a new record's id must pass it to supersede, whatever
    // the clock says now (it may have been set back).
    LogId latestId() const { return latestId_; }

    // Each returns the record line (with its newline) to append, already applied. A record
    // about a session the log does not hold throws WorkLogError.
    std::string startSession(LogId id, const TaskName& task, std::int64_t start, long pid);
    std::string endSession(LogId id, LogId session, std::int64_t end);
    std::string addSession(LogId id, const TaskName& task, std::int64_t start, std::int64_t end);
    std::string changeSession(LogId id, LogId session, std::int64_t start, std::int64_t end);
    std::string deleteSession(LogId id, LogId session);
    // A deleted session back (the delete undone).
    std::string undeleteSession(LogId id, LogId session);
    std::string book(LogId id, const std::vector<LogId>& sessions, std::int64_t hundredths,
                     const TaskName& task);
    std::string unbook(LogId id, LogId booking);

    const std::vector<WorkSession>& sessions() const { return sessions_; }
    const WorkSession* session(LogId id) const;
    const TaskName& taskName(std::uint32_t index) const { return tasks_[index]; }
    const TaskName& taskOf(const WorkSession& session) const { return tasks_[session.task]; }
    const WorkBooking* booking(LogId id) const;
    const WorkBooking* bookingOf(const WorkSession& session) const {
        return session.booking ? &bookings_[session.booking - 1] : nullptr;
    }

    // An open session's last sign of life, and where its start record keeps it in the file
    // (the offset of the "seen=" value) once the record's place is known.
    std::int64_t seen(LogId session) const;
    // The process that timed an open session, 0 when not known.
    long pidOf(LogId session) const;
    void markSeen(LogId session, std::int64_t at);
    std::optional<std::size_t> seenOffset(LogId session) const;
    // The record was appended where the file had `fileSize` bytes.
    void noteAppendedAt(std::size_t fileSize, std::string_view record);

    // Milliseconds of work between two instants (UTC): the part of each session inside them,
    // an open session running to `now` when it is `running`, else to its last sign of life.
    std::int64_t timedBetween(std::int64_t from, std::int64_t to, std::int64_t now,
                              std::optional<LogId> running) const;
    // The sessions (indices into sessions()) that began in [from, to), by start; deleted ones
    // and those of no length left out.
    std::vector<std::size_t> sessionsBetween(std::int64_t from, std::int64_t to) const;
    // Whether each of those overlaps another session of the log.
    std::vector<bool> overlapping(const std::vector<std::size_t>& indices, std::int64_t now,
                                  std::optional<LogId> running) const;
    // Sessions left open by a process that is no longer timing them (a crash), oldest first.
    std::vector<LogId> openSessions() const;

  private:
    struct Open {
        LogId id;
        std::int64_t seen = 0;
        std::optional<std::size_t> offset;
        long pid = 0;
    };
    // A key's hash and equality that take a view: a task read again allocates nothing.
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const {
            return std::hash<std::string_view>()(key);
        }
    };
    // `fileOffset`: where the line begins in the file, when read from one.
    void apply(std::string_view line, std::optional<std::size_t> fileOffset = std::nullopt);
    std::string made(std::string line);
    // The task whose fields, as written (escaped), are `key`; added when new.
    std::uint32_t taskIndex(std::string_view key, std::string_view number,
                            std::string_view description);
    Open* findOpen(LogId id);
    const Open* findOpen(LogId id) const;
    void closeOpen(LogId id);
    std::size_t indexOf(LogId id) const;  // sessions_.size() when absent
    WorkSession& mutableSession(LogId id);
    void placeByStart(std::size_t index);
    void unplaceByStart(std::size_t index);
    std::int64_t sessionEnd(const WorkSession& s, std::int64_t now,
                            std::optional<LogId> running) const;

    int version_ = kWorkLogVersion;
    std::vector<WorkSession> sessions_;   // by id
    std::vector<std::uint32_t> byStart_;  // indices of sessions_, by start
    std::vector<TaskName> tasks_;
    std::unordered_map<std::string, std::uint32_t, KeyHash, std::equal_to<>> taskIndexOf_;
    std::vector<WorkBooking> bookings_;  // as written
    std::vector<LogId> bookedSessions_;  // the sessions of each booking, one after another
    std::map<LogId, LogId> edited_;      // the latest correction applied to a session
    std::vector<Open> open_;             // the open sessions: a few at most
    std::int64_t longest_ = 0;           // the longest closed session, to bound searches by time
    LogId latestId_;
};

// Escapes a field's value so that it stays on one line and valid UTF-8: backslash, TAB,
// line breaks and bytes that are not UTF-8 (a cell from an old file) as \\ \t \n \r \xHH.
std::string escapeLogField(std::string_view value);
std::optional<std::string> unescapeLogField(std::string_view value);

}  // namespace quillet
