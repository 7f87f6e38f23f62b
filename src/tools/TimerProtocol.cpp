#include "tools/TimerProtocol.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

#include "tools/HRStopWatch.h"

namespace quillet {

namespace {

constexpr std::array<std::pair<TimerCommand, std::string_view>, 6> kNames{{
    {TimerCommand::Start, "start"},
    {TimerCommand::Stop, "stop"},
    {TimerCommand::Toggle, "toggle"},
    {TimerCommand::Reset, "reset"},
    {TimerCommand::Status, "status"},
    {TimerCommand::Book, "book"},
}};

// The rest of the line after "QUILLET1-TIMER/1 ", or none.
std::optional<std::string_view> afterProtocol(std::string_view line) {
    if (line.size() > kMaxTimerLine || line.size() <= kTimerProtocol.size() ||
        line.substr(0, kTimerProtocol.size()) != kTimerProtocol ||
        line[kTimerProtocol.size()] != ' ') {
        return std::nullopt;
    }
    return line.substr(kTimerProtocol.size() + 1);
}

}  // namespace

std::optional<TimerCommand> timerCommandNamed(std::string_view name) {
    for (const auto& [command, text] : kNames)
        if (text == name) return command;
    return std::nullopt;
}

std::string_view timerCommandName(TimerCommand command) {
    for (const auto& [known, text] : kNames)
        if (known == command) return text;
    return {};
}

std::string timerRequestLine(TimerCommand command) {
    std::string line(kTimerProtocol);
    line += ' ';
    line += timerCommandName(command);
    line += '\n';
    return line;
}

std::optional<TimerCommand> parseTimerRequest(std::string_view line) {
    const auto rest = afterProtocol(line);
    if (!rest) return std::nullopt;
    return timerCommandNamed(*rest);
}

std::string timerReplyLine(const TimerReply& reply) {
    std::string line(kTimerProtocol);
    line += reply.ok ? " ok " : " error ";
    for (const char c : reply.text) line += (c == '\n' || c == '\r') ? ' ' : c;
    if (line.size() > kMaxTimerLine - 1) line.resize(kMaxTimerLine - 1);
    line += '\n';
    return line;
}

std::optional<TimerReply> parseTimerReply(std::string_view line) {
    const auto rest = afterProtocol(line);
    if (!rest) return std::nullopt;
    for (const auto& [ok, word] :
         {std::pair{true, std::string_view("ok ")}, std::pair{false, std::string_view("error ")}}) {
        if (rest->substr(0, word.size()) == word)
            return TimerReply{ok, std::string(rest->substr(word.size()))};
    }
    return std::nullopt;
}

std::string elapsedClockText(double elapsedDays) {
    double seconds = std::floor(elapsedMilliseconds(elapsedDays) / 1000.0);
    if (seconds > 3.6e9) seconds = 0.0;
    const auto total = static_cast<long long>(seconds);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2lld:%.2lld:%.2lld", total / 3600, total / 60 % 60,
                  total % 60);
    return buffer;
}

std::string timerStateText(bool running, double elapsedDays) {
    return (running ? "running " : "stopped ") + elapsedClockText(elapsedDays);
}

}  // namespace quillet
