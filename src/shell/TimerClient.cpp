#include "shell/TimerClient.h"

#include <QElapsedTimer>
#include <QLocalSocket>

#include "tools/TimerSocketPlace.h"

namespace quillet {

TimerClientResult sendTimerCommand(TimerCommand command, const QString& path, int timeoutMs) {
    return sendTimerRequest(TimerRequest{command, 1, {}}, path, timeoutMs);
}

TimerClientResult sendTimerRequest(const TimerRequest& request, const QString& path,
                                   int timeoutMs) {
    const TimerClientResult notRunning{kTimerNotRunningExit, "Quillet1 is not running"};
    if (path.isEmpty()) return notRunning;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs)) return notRunning;
    const std::string line = timerRequestLine(request);
    socket.write(line.data(), static_cast<qint64>(line.size()));
    QElapsedTimer clock;
    clock.start();
    while (!socket.canReadLine() && socket.bytesAvailable() < static_cast<qint64>(kMaxTimerLine)) {
        const int left = timeoutMs - static_cast<int>(clock.elapsed());
        if (left <= 0 || !socket.waitForReadyRead(left)) break;
    }
    const QByteArray answer = socket.readLine(static_cast<qint64>(kMaxTimerLine) + 1);
    std::optional<TimerReply> reply;
    if (answer.endsWith('\n'))
        reply = parseTimerReply(
            std::string_view(answer.constData(), static_cast<std::size_t>(answer.size() - 1)));
    if (!reply) return {1, "Quillet1 did not answer"};
    return {reply->ok ? 0 : 1, printableReplyText(reply->text)};
}

}  // namespace quillet
