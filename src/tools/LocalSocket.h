#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet {

// A file descriptor closed with its owner.
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { reset(); }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int release();
    void reset(int fd = -1);

  private:
    int fd_ = -1;
};

// Plain AF_UNIX stream sockets, all non-blocking and closed on exec. A path that does not fit
// a socket address is refused, never cut.
bool fitsLocalSocketAddress(const std::string& path);

// Connected, or invalid when nothing listens there (or it does not accept in time).
UniqueFd connectLocalSocket(const std::string& path, int timeoutMs);

enum class LocalListen { Listening, InUse, Failed };
struct LocalListener {
    LocalListen state = LocalListen::Failed;
    UniqueFd fd;
};
// Listens at path with the socket file open to this user only from the moment it has its name:
// it is made in a fresh private folder beside path, then moved into place. InUse when
// something already has the name.
LocalListener listenLocalSocket(const std::string& path);
// The next waiting connection, or invalid when none waits.
UniqueFd acceptLocalSocket(int listenFd);

// Whole data written by the deadline; false on a hang-up or time out (no SIGPIPE).
bool writeLocalSocket(int fd, std::string_view data, int timeoutMs);
// Appends what has arrived, up to maxBytes in all, without waiting; false once the peer has
// hung up (or the socket failed).
bool readLocalSocketAvailable(int fd, std::string& into, std::size_t maxBytes);
// Bytes up to and including the first newline, or fewer when maxBytes are read, the peer
// hangs up or the time is up.
std::string readLocalSocketLine(int fd, std::size_t maxBytes, int timeoutMs);

}  // namespace quillet
