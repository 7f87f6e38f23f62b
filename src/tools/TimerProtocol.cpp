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

std::string versionText(int version) {
    return std::string(kTimerProtocolName) + std::to_string(version);
}

}  // namespace

bool isTimerTaskField(std::string_view text) {
    if (text.empty() || text.size() > kMaxTaskField) return false;
    for (const char c : text)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7f) return false;
    return true;
}

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

std::string timerRequestLine(const TimerRequest& request) {
    if (request.version < 2) return timerRequestLine(request.command);
    std::string line = versionText(request.version);
    line += ' ';
    line += timerCommandName(request.command);
    line += ' ';
    line += isTimerTaskField(request.task) ? request.task : std::string("-");
    line += '\n';
    return line;
}

std::optional<TimerRequest> parseTimerRequestLine(std::string_view line) {
    if (const std::optional<TimerCommand> first = parseTimerRequest(line))
        return TimerRequest{*first, 1, {}};
    const std::string second = versionText(2) + ' ';
    if (line.size() > kMaxTimerLine || !line.starts_with(second)) return std::nullopt;
    const std::string_view rest = line.substr(second.size());
    const auto space = rest.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const std::optional<TimerCommand> command = timerCommandNamed(rest.substr(0, space));
    const std::string_view task = rest.substr(space + 1);
    if (!command || !isTimerTaskField(task)) return std::nullopt;
    if (task == "-") return TimerRequest{*command, 2, {}};
    // Only start names a task.
    if (*command != TimerCommand::Start) return std::nullopt;
    return TimerRequest{*command, 2, std::string(task)};
}

std::optional<TimerCommand> parseTimerRequest(std::string_view line) {
    const auto rest = afterProtocol(line);
    if (!rest) return std::nullopt;
    return timerCommandNamed(*rest);
}

std::string timerReplyLine(const TimerReply& reply, int version) {
    std::string line = version < 2 ? std::string(kTimerProtocol) : versionText(version);
    line += reply.ok ? " ok " : " error ";
    for (const char c : reply.text) line += (c == '\n' || c == '\r') ? ' ' : c;
    if (line.size() > kMaxTimerLine - 1) line.resize(kMaxTimerLine - 1);
    line += '\n';
    return line;
}

std::optional<TimerReply> parseTimerReply(std::string_view line) {
    auto rest = afterProtocol(line);
    const std::string second = versionText(2) + ' ';
    if (!rest && line.size() <= kMaxTimerLine && line.starts_with(second))
        rest = line.substr(second.size());
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
