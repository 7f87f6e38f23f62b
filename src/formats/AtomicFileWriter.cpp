#include "formats/AtomicFileWriter.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

#include "ports/ErrorText.h"

namespace quillet {

namespace {

constexpr std::size_t kBufferSize = std::size_t{256} * 1024;
constexpr std::size_t kWriteBackStep = std::size_t{2} * 1024 * 1024;

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

std::string baseNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

constexpr std::string_view kSavingMark = ".saving-";

std::string temporaryPrefixFor(const std::string& target) {
    return "." + baseNameOf(target) + std::string(kSavingMark);
}

std::string temporaryNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    return dir + temporaryPrefixFor(target) + std::to_string(::getpid()) + "-" +
           std::to_string(counter.fetch_add(1));
}

// The writer's pid in a name "PID-N" (both decimal), or 0 when the name is not one.
pid_t pidOfLeftover(std::string_view suffix) {
    const auto dash = suffix.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == suffix.size()) return 0;
    auto allDigits = [](std::string_view digits) {
        return digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const std::string_view pidText = suffix.substr(0, dash);
    if (!allDigits(pidText) || !allDigits(suffix.substr(dash + 1)) || pidText.size() > 9) return 0;
    return static_cast<pid_t>(std::stol(std::string(pidText)));
}

bool isAlive(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// Temporary files of saves that were killed midway are as large as the project;
// nothing else would ever remove them. A live writer's file is never touched.
void removeLeftoversOf(const std::string& target) {
    const std::string dir = directoryOf(target);
    const std::string prefix = temporaryPrefixFor(target);
    DIR* listing = ::opendir(dir.c_str());
    if (listing == nullptr) return;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix)) continue;
        const pid_t pid = pidOfLeftover(name.substr(prefix.size()));
        if (pid <= 0 || pid == ::getpid()) continue;
        if (isAlive(pid)) continue;
        const std::string path = dir + "/" + std::string(name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
    }
    ::closedir(listing);
}

// The permissions a newly created file gets: 0666 less the process's umask.
mode_t newFileMode() {
    // Reading the umask from /proc leaves it alone; umask(2) can only read it by
    // changing it, which another thread creating a file at that moment would see.
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("Umask:")) {
            return static_cast<mode_t>(0666 & ~std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::optional<long> temporaryFileWriter(std::string_view fileName) {
    const auto mark = fileName.rfind(kSavingMark);
    if (!fileName.starts_with('.') || mark == std::string_view::npos) return std::nullopt;
    const pid_t pid = pidOfLeftover(fileName.substr(mark + kSavingMark.size()));
    if (pid <= 0) return std::nullopt;
    return static_cast<long>(pid);
}

void removeDeadWritersFiles(const std::string& folder,
                            const std::function<bool(std::string_view target)>& whose,
                            std::chrono::seconds age) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return;
    const auto now = std::chrono::system_clock::now();
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        const std::optional<long> pid = temporaryFileWriter(name);
        if (!pid || *pid == ::getpid() || isAlive(static_cast<pid_t>(*pid))) continue;
        if (!whose(name.substr(1, name.rfind(kSavingMark) - 1))) continue;
        const std::string path = folder + "/" + std::string(name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        const auto written = std::chrono::system_clock::from_time_t(st.st_mtime);
        if (now - written >= age) ::unlink(path.c_str());
    }
    ::closedir(listing);
}

AtomicFileWriter::ScopedWriteHook::ScopedWriteHook(WriteFunction hook)
    : previous_(std::exchange(writeHook(), std::move(hook))) {}

AtomicFileWriter::ScopedWriteHook::~ScopedWriteHook() {
    writeHook() = std::move(previous_);
}

AtomicFileWriter::AtomicFileWriter(const std::string& path, Privacy privacy)
    : path_(path), target_(path) {
    const Message cannotCreate = Message(QUILLET_TR("CoreMessages", "Cannot Create %1")).arg(path);
    if (path.empty()) throw CannotCreateError(cannotCreate, ENOENT);
    const bool shared = privacy == Privacy::Shared;

    struct stat st {};
    // Saving through a symbolic link replaces the file it points to, not the link.
    if (shared && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::error_code ec;
        const auto resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec) target_ = resolved.string();
    }
    const bool exists =
        shared ? ::stat(target_.c_str(), &st) == 0 : ::lstat(target_.c_str(), &st) == 0;
    // A rename would happily replace a read-only file or a device; the user asked
    // to write into it, so refuse where writing into it would have failed.
    if (exists && shared && !S_ISREG(st.st_mode)) throw CannotCreateError(cannotCreate, {});
    if (exists && shared && ::access(target_.c_str(), W_OK) != 0)
        throw CannotCreateError(cannotCreate, errno);

    removeLeftoversOf(target_);
    // Private while it is written: the project's own permissions come at commit().
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        tempPath_ = temporaryNameFor(target_);
        fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        const int err = errno;
        tempPath_.clear();
        throw CannotCreateError(cannotCreate, err);
    }
    if (!shared) {
        mode_ = 0600;
    } else if (exists) {
        keepOwner_ = true;
        uid_ = st.st_uid;
        gid_ = st.st_gid;
        mode_ = st.st_mode & 07777;
    } else {
        mode_ = newFileMode();
    }
    buffer_.resize(kBufferSize);
}

void AtomicFileWriter::applyFinalPermissions() {
    mode_t mode = mode_;
    if (keepOwner_) {
        // Best effort: the replacement keeps the old file's owner and group. Another user's
        // file becomes the saver's, but its group stays where the saver may keep it (a
        // member of it), so a file shared through its group stays shared. Where the group
        // cannot be kept, its rights would go to another group: drop them.
        if (::fchown(fd_, uid_, gid_) != 0) {
            [[maybe_unused]] const int groupResult = ::fchown(fd_, static_cast<uid_t>(-1), gid_);
        }
        struct stat st {};
        if (::fstat(fd_, &st) == 0 && st.st_gid != gid_) mode &= ~static_cast<mode_t>(070);
    }
    ::fchmod(fd_, mode);
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
    throw CellGridError(Message(QUILLET_TR("CoreMessages", "Cannot write file %1: %2"))
                            .arg(path_)
                            .arg(errorText(err)));
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
        hash_.feed(data, static_cast<std::size_t>(n));
        data += n;
        size -= static_cast<std::size_t>(n);
        written_ += static_cast<std::size_t>(n);
    }
}

void AtomicFileWriter::flushBuffer() {
    writeAll(buffer_.data(), used_);
    used_ = 0;
    startWriteBack();
}

void AtomicFileWriter::startWriteBack() {
    // Hands what is written so far to the disk while the rest is still being formatted,
    // so the sync at commit() waits for the last stretch only, not for the whole file.
    // Only a hint: whatever it does not do, fsync does.
    if (written_ - writeBackStart_ < kWriteBackStep) return;
#ifdef __linux__
    ::sync_file_range(fd_, static_cast<off_t>(writeBackStart_),
                      static_cast<off_t>(written_ - writeBackStart_), SYNC_FILE_RANGE_WRITE);
#endif
    writeBackStart_ = written_;
}

void AtomicFileWriter::writeSlow(std::string_view bytes) {
    flushBuffer();
    if (bytes.size() >= buffer_.size()) {
        writeAll(bytes.data(), bytes.size());
        startWriteBack();
    } else {
        std::memcpy(buffer_.data(), bytes.data(), bytes.size());
        used_ = bytes.size();
    }
}

void AtomicFileWriter::commit() {
    if (committed_) return;
    flushBuffer();
    applyFinalPermissions();
    if (::fsync(fd_) != 0) fail(errno);
    stamp_ = stampOf(fd_, hash_.value());
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
