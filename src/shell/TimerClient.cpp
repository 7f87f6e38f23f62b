#include "shell/TimerClient.h"

#include <QElapsedTimer>
#include <QLocalSocket>

#include "tools/TimerSocketPlace.h"

namespace quillet {

TimerClientResult sendTimerCommand(TimerCommand command, const QString& path, int timeoutMs) {
    const TimerClientResult notRunning{kTimerNotRunningExit, "Quillet1 is not running"};
    if (path.isEmpty()) return notRunning;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs)) return notRunning;
    const std::string request = timerRequestLine(command);
    socket.write(request.data(), static_cast<qint64>(request.size()));
    QElapsedTimer clock;
    clock.start();
    while (!socket.canReadLine() && socket.bytesAvailable() < static_cast<qint64>(kMaxTimerLine)) {
        const int left = timeoutMs - static_cast<int>(clock.elapsed());
        if (left <= 0 || !socket.waitForReadyRead(left)) break;
    }
    const QByteArray line = socket.readLine(static_cast<qint64>(kMaxTimerLine) + 1);
    std::optional<TimerReply> reply;
    if (line.endsWith('\n'))
        reply = parseTimerReply(
            std::string_view(line.constData(), static_cast<std::size_t>(line.size() - 1)));
    if (!reply) return {1, "Quillet1 did not answer"};
    return {reply->ok ? 0 : 1, printableReplyText(reply->text)};
}

}  // namespace quillet
