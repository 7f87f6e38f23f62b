#include "shell/TimerClient.h"

#include <QFile>
#include <algorithm>
#include <chrono>

#include "tools/LocalSocket.h"
#include "tools/TimerSocketPlace.h"

namespace quillet {

TimerClientResult sendTimerCommand(TimerCommand command, const QString& path, int timeoutMs) {
    return sendTimerRequest(TimerRequest{command, 1, {}}, path, timeoutMs);
}

TimerClientResult sendTimerRequest(const TimerRequest& request, const QString& path,
                                   int timeoutMs) {
    // Nothing listening, no path, or one too long for a socket's name: no copy can be there.
    const UniqueFd socket = connectLocalSocket(QFile::encodeName(path).toStdString(), timeoutMs);
    if (!socket) return {kTimerNotRunningExit, "Quillet1 is not running"};
    const auto start = std::chrono::steady_clock::now();
    const auto msLeft = [&] {
        const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count();
        return std::max(0, timeoutMs - static_cast<int>(spent));
    };
    std::string answer;
    if (writeLocalSocket(socket.get(), timerRequestLine(request), msLeft()))
        answer = readLocalSocketLine(socket.get(), kMaxTimerLine + 1, msLeft());
    std::optional<TimerReply> reply;
    if (answer.ends_with('\n'))
        reply = parseTimerReply(std::string_view(answer).substr(0, answer.size() - 1));
    if (!reply) return {1, "Quillet1 did not answer"};
    return {reply->ok ? 0 : 1, printableReplyText(reply->text)};
}

}  // namespace quillet
