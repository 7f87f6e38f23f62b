#include "shell/TimerServer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

namespace quillet {

namespace {

// The reply is one short line; a client that does not take it in this time gets none.
constexpr int kReplyWriteMs = 1000;

// A notifier stops watching before its descriptor is closed; it may be the one whose signal
// is being delivered, so it goes later.
void retire(QSocketNotifier* notifier) {
    notifier->setEnabled(false);
    notifier->deleteLater();
}

}  // namespace

TimerServer::TimerServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

TimerServer::~TimerServer() {
    for (auto& [id, client] : clients_) client.notifier->setEnabled(false);
    clients_.clear();
    if (!listener_) return;
    listenerNotifier_->setEnabled(false);
    listener_.reset();
    // Only the socket this copy bound: another copy may have taken the name since.
    struct stat info {};
    if (::lstat(path_.c_str(), &info) == 0 && info.st_dev == device_ && info.st_ino == inode_)
        ::unlink(path_.c_str());
}

TimerSocketPlace TimerServer::defaultPlace() {
    return timerSocketPlace(
        QFile::encodeName(qEnvironmentVariable("XDG_RUNTIME_DIR")).toStdString(),
        QFile::encodeName(QDir::tempPath()).toStdString());
}

bool TimerServer::listen(const QString& path) {
    if (path.isEmpty() || listener_) return false;
    const std::string name = QFile::encodeName(path).toStdString();
    // Two copies started together must not both take a stale socket's place: the check and
    // the take-over happen under a lock beside it, which the kernel also lets go on a crash.
    const UniqueFd lock(
        ::open((name + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (lock) {
        while (::flock(lock.get(), LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    LocalListener listener = listenLocalSocket(name);
    if (listener.state == LocalListen::InUse) {
        // A socket left by a copy that crashed answers nobody: take its place.
        if (connectLocalSocket(name, 500)) return false;
        ::unlink(name.c_str());
        listener = listenLocalSocket(name);
    }
    if (listener.state != LocalListen::Listening) return false;
    struct stat info {};
    if (::lstat(name.c_str(), &info) == 0) {
        device_ = info.st_dev;
        inode_ = info.st_ino;
    }
    listener_ = std::move(listener.fd);
    path_ = name;
    listenerNotifier_ = new QSocketNotifier(listener_.get(), QSocketNotifier::Read, this);
    connect(listenerNotifier_, &QSocketNotifier::activated, this, &TimerServer::accept);
    return true;
}

QString TimerServer::path() const {
    return QFile::decodeName(path_.c_str());
}

void TimerServer::accept() {
    while (UniqueFd fd = acceptLocalSocket(listener_.get())) {
        const std::uint64_t id = nextClient_++;
        auto* notifier = new QSocketNotifier(fd.get(), QSocketNotifier::Read, this);
        clients_.emplace(id, Client{std::move(fd), notifier, {}});
        connect(notifier, &QSocketNotifier::activated, this, [this, id] { readFrom(id); });
        // A client that says nothing is not kept waiting for.
        QTimer::singleShot(kRequestTimeoutMs, this, [this, id] { drop(id); });
    }
}

void TimerServer::drop(std::uint64_t id) {
    const auto client = clients_.find(id);
    if (client == clients_.end()) return;
    retire(client->second.notifier);
    clients_.erase(client);
}

void TimerServer::readFrom(std::uint64_t id) {
    const auto found = clients_.find(id);
    if (found == clients_.end()) return;
    Client& client = found->second;
    const bool open = readLocalSocketAvailable(client.fd.get(), client.received, kMaxTimerLine + 1);
    const std::size_t newline = client.received.find('\n');
    if (newline == std::string::npos) {
        if (!open || client.received.size() >= kMaxTimerLine) drop(id);
        return;
    }
    // One line and nothing after it.
    const std::optional<TimerRequest> request =
        newline + 1 == client.received.size()
            ? parseTimerRequestLine(std::string_view(client.received).substr(0, newline))
            : std::nullopt;
    if (!request) {
        drop(id);
        return;
    }
    // The handler may run an event loop, in which the client may go away or time out, and
    // this server may end.
    client.notifier->setEnabled(false);
    const QPointer<TimerServer> guard(this);
    const Handler handler = handler_;
    const std::string reply = timerReplyLine(handler(*request), request->version);
    if (!guard) return;
    const auto still = clients_.find(id);
    if (still == clients_.end()) return;
    writeLocalSocket(still->second.fd.get(), reply, kReplyWriteMs);
    drop(id);
}

}  // namespace quillet
