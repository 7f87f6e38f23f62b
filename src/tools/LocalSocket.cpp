#include "tools/LocalSocket.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace quillet {

namespace {

using Clock = std::chrono::steady_clock;

int msLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 1 << 30));
}

Clock::time_point deadlineIn(int timeoutMs) {
    return Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
}

bool addressOf(const std::string& path, sockaddr_un& address) {
    address = {};
    // The name needs its terminating NUL inside sun_path; an embedded NUL would name another.
    if (path.empty() || path.size() >= sizeof(address.sun_path) ||
        path.find('\0') != std::string::npos)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

const sockaddr* asAddress(const sockaddr_un& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

// True once fd is ready for events (or has failed, which the next call reports).
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, msLeft(deadline));
        if (ready > 0) return true;
        if (ready == 0 || errno != EINTR) return false;
    }
}

UniqueFd newSocket() {
    return UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
}

}  // namespace

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
}

int UniqueFd::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

void UniqueFd::reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

bool fitsLocalSocketAddress(const std::string& path) {
    sockaddr_un address;
    return addressOf(path, address);
}

UniqueFd connectLocalSocket(const std::string& path, int timeoutMs) {
    sockaddr_un address;
    if (!addressOf(path, address)) return {};
    const Clock::time_point deadline = deadlineIn(timeoutMs);
    for (;;) {
        UniqueFd fd = newSocket();
        if (!fd) return {};
        if (::connect(fd.get(), asAddress(address), sizeof address) == 0) return fd;
        if (errno == EINPROGRESS || errno == EINTR) {
            int error = 0;
            socklen_t size = sizeof error;
            if (!waitFor(fd.get(), POLLOUT, deadline) ||
                ::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0)
                return {};
            return fd;
        }
        // EAGAIN: the listener's queue is full for now.
        if (errno != EAGAIN || msLeft(deadline) == 0) return {};
        ::poll(nullptr, 0, std::min(10, msLeft(deadline)));
    }
}

LocalListener listenLocalSocket(const std::string& path) {
    sockaddr_un address;
    if (!addressOf(path, address)) return {};
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) return {LocalListen::InUse, {}};
    if (errno != ENOENT) return {};
    // Bound in a folder only we can enter, the socket is ours alone before it gets its name.
    const std::size_t slash = path.rfind('/');
    std::string folder = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1));
    folder += ".XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) return {};
    const std::string temporary = folder + "/s";
    UniqueFd fd = newSocket();
    sockaddr_un temporaryAddress;
    const bool ready =
        fd && addressOf(temporary, temporaryAddress) &&
        ::bind(fd.get(), asAddress(temporaryAddress), sizeof temporaryAddress) == 0 &&
        ::chmod(temporary.c_str(), 0600) == 0 && ::listen(fd.get(), SOMAXCONN) == 0;
    // A copy starting at the same moment may have taken the name since: it keeps it.
    int renamed =
        ready ? ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE)
              : -1;
    const bool inUse = renamed != 0 && ready && errno == EEXIST;
    if (renamed != 0 && ready && errno == EINVAL)  // a file system without the flag
        renamed = ::rename(temporary.c_str(), path.c_str());
    const bool listening = renamed == 0;
    if (!listening) ::unlink(temporary.c_str());
    ::rmdir(folder.c_str());
    if (inUse) return {LocalListen::InUse, {}};
    if (!listening) return {};
    return {LocalListen::Listening, std::move(fd)};
}

UniqueFd acceptLocalSocket(int listenFd) {
    for (;;) {
        const int fd = ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0) return UniqueFd(fd);
        // A client that gave up while waiting is no reason to stop.
        if (errno != EINTR && errno != ECONNABORTED) return {};
    }
}

bool writeLocalSocket(int fd, std::string_view data, int timeoutMs) {
    const Clock::time_point deadline = deadlineIn(timeoutMs);
    while (!data.empty()) {
        const ssize_t written = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (written > 0) {
            data.remove_prefix(static_cast<std::size_t>(written));
        } else if (written < 0 && errno == EINTR) {
            continue;
        } else if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(fd, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

bool readLocalSocketAvailable(int fd, std::string& into, std::size_t maxBytes) {
    char chunk[1024];
    while (into.size() < maxBytes) {
        const ssize_t got = ::recv(fd, chunk, std::min(sizeof chunk, maxBytes - into.size()), 0);
        if (got > 0) {
            into.append(chunk, static_cast<std::size_t>(got));
        } else if (got == 0) {
            return false;
        } else if (errno != EINTR) {
            return errno == EAGAIN || errno == EWOULDBLOCK;
        }
    }
    return true;
}

std::string readLocalSocketLine(int fd, std::size_t maxBytes, int timeoutMs) {
    const Clock::time_point deadline = deadlineIn(timeoutMs);
    std::string line;
    while (readLocalSocketAvailable(fd, line, maxBytes) && line.find('\n') == std::string::npos &&
           line.size() < maxBytes && waitFor(fd, POLLIN, deadline)) {
    }
    const std::size_t newline = line.find('\n');
    if (newline != std::string::npos) line.resize(newline + 1);
    return line;
}

}  // namespace quillet
