#include "grid/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <utility>

#include "grid/CellGrid.h"

namespace quillet {

namespace {

constexpr std::size_t kBufferSize = 256 * 1024;

AtomicFileWriter::WriteFunction& writeHook() {
    static AtomicFileWriter::WriteFunction hook;
    return hook;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string temporaryNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    return dir + "." + base + ".saving-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter.fetch_add(1));
}

}  // namespace

AtomicFileWriter::ScopedWriteHook::ScopedWriteHook(WriteFunction hook)
    : previous_(std::exchange(writeHook(), std::move(hook))) {}

AtomicFileWriter::ScopedWriteHook::~ScopedWriteHook() {
    writeHook() = std::move(previous_);
}

AtomicFileWriter::AtomicFileWriter(const std::string& path) : path_(path), target_(path) {
    const std::string cannotCreate = "Cannot Create " + path;
    if (path.empty()) throw CellGridError(cannotCreate);

    struct stat st {};
    // Saving through a symbolic link replaces the file it points to, not the link.
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::error_code ec;
        const auto resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec) target_ = resolved.string();
    }
    const bool exists = ::stat(target_.c_str(), &st) == 0;
    // A rename would happily replace a read-only file or a device; the user asked
    // to write into it, so refuse where writing into it would have failed.
    if (exists && (!S_ISREG(st.st_mode) || ::access(target_.c_str(), W_OK) != 0)) {
        throw CellGridError(cannotCreate);
    }

    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        tempPath_ = temporaryNameFor(target_);
        fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        tempPath_.clear();
        throw CellGridError(cannotCreate);
    }
    if (exists) {
        // Best effort: the replacement keeps the old file's owner and permissions.
        [[maybe_unused]] const int ownerResult = ::fchown(fd_, st.st_uid, st.st_gid);
        ::fchmod(fd_, st.st_mode & 07777);
    }
    buffer_.resize(kBufferSize);
}

AtomicFileWriter::~AtomicFileWriter() {
    if (!committed_) discard();
}

void AtomicFileWriter::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}

void AtomicFileWriter::fail(int err) {
    discard();
    throw CellGridError("Cannot write file " + path_ + ": " + std::strerror(err));
}

void AtomicFileWriter::writeAll(const char* data, std::size_t size) {
    if (fd_ < 0) fail(EBADF);
    const WriteFunction& hook = writeHook();
    while (size > 0) {
        const ssize_t n = hook ? hook(fd_, data, size) : ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        if (n == 0) fail(EIO);
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void AtomicFileWriter::flushBuffer() {
    writeAll(buffer_.data(), used_);
    used_ = 0;
}

void AtomicFileWriter::writeSlow(std::string_view bytes) {
    flushBuffer();
    if (bytes.size() >= buffer_.size()) {
        writeAll(bytes.data(), bytes.size());
    } else {
        std::memcpy(buffer_.data(), bytes.data(), bytes.size());
        used_ = bytes.size();
    }
}

void AtomicFileWriter::commit() {
    if (committed_) return;
    flushBuffer();
    if (::fsync(fd_) != 0) fail(errno);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) fail(errno);
    if (::rename(tempPath_.c_str(), target_.c_str()) != 0) fail(errno);
    committed_ = true;
    tempPath_.clear();
    // Make the rename itself durable; a failure here cannot lose the new file's bytes.
    const int dirFd = ::open(directoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

}  // namespace quillet
