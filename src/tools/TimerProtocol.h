#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// The commands another process may send to the running program's stopwatch: the Timer
// menu's, plus a toggle and a status query.
enum class TimerCommand { Start, Stop, Toggle, Reset, Status, Book };

// By the name used on the command line ("start", "book", ...).
std::optional<TimerCommand> timerCommandNamed(std::string_view name);
std::string_view timerCommandName(TimerCommand command);

// One line each way, led by the protocol's name and version:
//   request  "QUILLET1-TIMER/1 status\n"
//   reply    "QUILLET1-TIMER/1 ok running 01:23:45\n" or "QUILLET1-TIMER/1 error MESSAGE\n"
// A longer line than kMaxTimerLine (newline included) is not this protocol.
inline constexpr std::string_view kTimerProtocol = "QUILLET1-TIMER/1";
inline constexpr std::size_t kMaxTimerLine = 512;

// The second version names tasks: a request carries a task field after its command, a Task #
// for start or "-" for none ("QUILLET1-TIMER/2 start 12", "QUILLET1-TIMER/2 status -"); the
// replies say which task is timed and what a booking added. A request of the first version
// keeps its meaning and replies.
inline constexpr std::string_view kTimerProtocolName = "QUILLET1-TIMER/";
inline constexpr int kTimerVersion = 2;
inline constexpr std::size_t kMaxTaskField = 64;

struct TimerRequest {
    TimerCommand command = TimerCommand::Status;
    int version = kTimerVersion;
    std::string task;  // a Task # (start only); empty for none
    bool operator==(const TimerRequest&) const = default;
};

struct TimerReply {
    bool ok = false;
    std::string text;  // the state ("running 01:23:45") or the refusal's message
    bool operator==(const TimerReply&) const = default;
};

std::string timerRequestLine(TimerCommand command);
// A line of either version; the task field holds no blank or control byte, and is "-" for none.
std::string timerRequestLine(const TimerRequest& request);
std::optional<TimerRequest> parseTimerRequestLine(std::string_view line);
// A Task # a request can carry: 1 to kMaxTaskField bytes, none blank or a control.
bool isTimerTaskField(std::string_view text);
// A line without its newline; none for anything else, another version included.
std::optional<TimerCommand> parseTimerRequest(std::string_view line);
// Line breaks in the text become spaces, and the line is cut to kMaxTimerLine.
std::string timerReplyLine(const TimerReply& reply, int version = 1);
std::optional<TimerReply> parseTimerReply(std::string_view line);

// "01:23:45": the seconds the status bar shows, hours going past 24.
std::string elapsedClockText(double elapsedDays);
// "running 01:23:45" or "stopped 00:00:00".
std::string timerStateText(bool running, double elapsedDays);

}  // namespace quillet
