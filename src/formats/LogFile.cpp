#include "formats/LogFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "formats/AtomicFileWriter.h"
#include "ports/ErrorText.h"

namespace quillet {

namespace {

[[noreturn]] void fail(const char* what, const std::string& path, int err) {
    throw LogFileError(Message(what).arg(path).arg(errorText(err)));
}

constexpr const char* kCannotRead = QUILLET_TR("CoreMessages", "Cannot read the work log %1: %2");
constexpr const char* kCannotWrite = QUILLET_TR("CoreMessages", "Cannot write the work log %1: %2");

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

int openRegular(const std::string& path, int flags, const char* what) {
    const int fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) fail(what, path, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int err = S_ISREG(info.st_mode) ? errno : EINVAL;
        ::close(fd);
        fail(what, path, err);
    }
    return fd;
}

void writeAll(int fd, std::string_view bytes, const std::string& path) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail(kCannotWrite, path, n < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace

std::string logPathFor(const std::string& projectPath) {
    const std::size_t slash = projectPath.rfind('/');
    const std::size_t dot = projectPath.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? projectPath.substr(0, dot) : projectPath) + ".qlog";
}

namespace logfile {

std::optional<std::string> read(const std::string& path) {
    const int raw = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (raw < 0) {
        if (errno == ENOENT) return std::nullopt;
        fail(kCannotRead, path, errno);
    }
    const Descriptor fd(raw);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) fail(kCannotRead, path, errno);
    if (!S_ISREG(info.st_mode)) fail(kCannotRead, path, EINVAL);
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    while (true) {
        if (got == bytes.size()) bytes.resize(bytes.size() + 65536);
        const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(kCannotRead, path, errno);
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

std::size_t append(const std::string& path, std::string_view header, std::string_view records) {
    const Descriptor fd(openRegular(path, O_RDWR | O_APPEND | O_CREAT, kCannotWrite));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) fail(kCannotWrite, path, errno);
    auto size = static_cast<std::size_t>(info.st_size);
    if (size == 0) {
        writeAll(fd.get(), header, path);
        size = header.size();
    } else {
        // A line a crash cut short stays a line of its own; the records after it are whole.
        char last = '\n';
        if (::pread(fd.get(), &last, 1, static_cast<off_t>(size - 1)) == 1 && last != '\n') {
            writeAll(fd.get(), "\n", path);
            ++size;
        }
    }
    writeAll(fd.get(), records, path);
    if (::fdatasync(fd.get()) != 0) fail(kCannotWrite, path, errno);
    return size;
}

void overwrite(const std::string& path, std::size_t offset, std::string_view bytes) {
    const Descriptor fd(openRegular(path, O_WRONLY, kCannotWrite));
    const ssize_t n = ::pwrite(fd.get(), bytes.data(), bytes.size(), static_cast<off_t>(offset));
    if (n != static_cast<ssize_t>(bytes.size())) fail(kCannotWrite, path, n < 0 ? errno : EIO);
    if (::fdatasync(fd.get()) != 0) fail(kCannotWrite, path, errno);
}

void writeWhole(const std::string& path, std::string_view bytes) {
    AtomicFileWriter writer(path, AtomicFileWriter::Privacy::Private);
    writer.write(bytes);
    writer.commit();
}

}  // namespace logfile

}  // namespace quillet
