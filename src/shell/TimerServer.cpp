#include "shell/TimerServer.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

namespace quillet {

TimerServer::TimerServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &TimerServer::accept);
}

TimerServer::~TimerServer() {
    server_->close();  // removes the socket file
}

TimerSocketPlace TimerServer::defaultPlace() {
    return timerSocketPlace(
        QFile::encodeName(qEnvironmentVariable("XDG_RUNTIME_DIR")).toStdString(),
        QFile::encodeName(QDir::tempPath()).toStdString());
}

bool TimerServer::listen(const QString& path) {
    if (path.isEmpty()) return false;
    if (server_->listen(path)) return true;
    if (server_->serverError() != QAbstractSocket::AddressInUseError) return false;
    // A socket left by a copy that crashed answers nobody: take its place.
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(500)) return false;
    QLocalServer::removeServer(path);
    return server_->listen(path);
}

QString TimerServer::path() const {
    return server_->fullServerName();
}

void TimerServer::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        // A client that says nothing is not kept waiting for.
        QTimer::singleShot(kRequestTimeoutMs, socket, [socket] { socket->abort(); });
        readFrom(socket);
    }
}

void TimerServer::readFrom(QLocalSocket* socket) {
    if (socket->state() != QLocalSocket::ConnectedState) return;
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() >= static_cast<qint64>(kMaxTimerLine)) socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(static_cast<qint64>(kMaxTimerLine) + 1);
    if (!line.endsWith('\n') || socket->bytesAvailable() > 0) {
        socket->abort();
        return;
    }
    const std::optional<TimerRequest> request = parseTimerRequestLine(
        std::string_view(line.constData(), static_cast<std::size_t>(line.size() - 1)));
    if (!request) {
        socket->abort();
        return;
    }
    // The handler may run an event loop, in which the client may go away.
    socket->disconnect(this);
    const QPointer<QLocalSocket> guard(socket);
    const std::string reply = timerReplyLine(handler_(*request), request->version);
    if (!guard || socket->state() != QLocalSocket::ConnectedState) return;
    socket->write(reply.data(), static_cast<qint64>(reply.size()));
    socket->disconnectFromServer();
}

}  // namespace quillet
