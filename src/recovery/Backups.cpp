#include "recovery/Backups.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include <vector>
#include "ports/Message.h"

#include "formats/AtomicFileWriter.h"
#include "ports/Ascii.h"
#include "ports/DateTime.h"
#include "ports/ErrorText.h"
#include "recovery/RecoveryDirs.h"
#include "recovery/Sidecar.h"

namespace quillet {

namespace fs = std::filesystem;

namespace {

std::uint64_t fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

// The file a save replaces: a symbolic link is followed, as the save follows it.
std::string realPath(const std::string& path) {
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved.string();
}

[[noreturn]] void throwCannotRead(const std::string& from, int err) {
    throw MessageError(
        Message(QUILLET_TR("CoreMessages", "Cannot read %1: %2")).arg(from).arg(errorText(err)));
}

void copyFile(const std::string& from, const std::string& to) {
    const int fd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throwCannotRead(from, errno);
    try {
        AtomicFileWriter out(to, AtomicFileWriter::Privacy::Private);
        std::vector<char> buffer(1 << 20);
        for (;;) {
            const ssize_t n = ::read(fd, buffer.data(), buffer.size());
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) throwCannotRead(from, errno);
            if (n == 0) break;
            out.write(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
        }
        out.commit();
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
}

// The versions in a folder, oldest first: their names sort as their times.
std::vector<std::string> versionsIn(const std::string& folder) {
    std::vector<std::string> versions;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!isCopyFileName(name)) continue;
        // Never a link: pruning removes these.
        if (entry.symlink_status(ec).type() != fs::file_type::regular) continue;
        versions.push_back(entry.path().string());
    }
    std::sort(versions.begin(), versions.end());
    return versions;
}

// True when both files hold the same bytes: the sizes first, then the bytes.
bool sameContent(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::file_size(a, ec) != fs::file_size(b, ec) || ec) return false;
    const int fa = ::open(a.c_str(), O_RDONLY | O_CLOEXEC);
    // b is the newest backup, in the private folder: never through a link.
    const int fb = ::open(b.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    bool same = fa >= 0 && fb >= 0;
    std::vector<char> bufA(1 << 16);
    std::vector<char> bufB(1 << 16);
    while (same) {
        const ssize_t na = ::read(fa, bufA.data(), bufA.size());
        ssize_t nb = 0;
        // A regular file gives what was asked for unless at its end; read b to match.
        while (na > 0 && nb < na) {
            const ssize_t got = ::read(fb, bufB.data() + nb, static_cast<std::size_t>(na - nb));
            if (got <= 0) break;
            nb += got;
        }
        if (na < 0 || na != nb) same = false;
        if (!same || na == 0) break;
        same = std::equal(bufA.begin(), bufA.begin() + na, bufB.begin());
    }
    if (fa >= 0) ::close(fa);
    if (fb >= 0) ::close(fb);
    return same;
}

}  // namespace

std::string fileNameTime(double dateTime) {
    const CivilDate date = decodeDate(dateTime);
    const ClockTime time = decodeTime(dateTime);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d-%02d-%02d.%03d", date.year, date.month,
                  date.day, time.hour, time.minute, time.second, time.millisecond);
    return text;
}

std::optional<double> timeInFileName(std::string_view fileName) {
    constexpr std::string_view kShape = " 0000-00-00 00-00-00.000.prj";
    if (fileName.size() < kShape.size()) return std::nullopt;
    const std::string_view text = fileName.substr(fileName.size() - kShape.size());
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        if (kShape[i] == '0' ? !isAsciiDigit(text[i]) : text[i] != kShape[i]) return std::nullopt;
    }
    const auto number = [text](std::size_t at, std::size_t digits) {
        int value = 0;
        for (std::size_t i = at; i < at + digits; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    const int year = number(1, 4), month = number(6, 2), day = number(9, 2);
    const int hour = number(12, 2), minute = number(15, 2), second = number(18, 2);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) ||
        hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return encodeDate(year, month, day) + encodeTime(hour, minute, second, number(21, 3));
}

Backups::Backups(std::string dir, ProcessIdentity self, std::uintmax_t largeProject)
    : dir_(std::move(dir)), self_(std::move(self)), largeProject_(largeProject) {}

std::string Backups::folderFor(const std::string& path) const {
    const std::string real = realPath(path);
    char code[17];
    std::snprintf(code, sizeof code, "%016llx", static_cast<unsigned long long>(fnv1a(real)));
    return dir_ + "/" + fs::path(real).filename().string() + "-" + code;
}

std::vector<BackupVersion> Backups::versionsOf(const std::string& path) const {
    std::vector<BackupVersion> versions;
    if (dir_.empty()) return versions;
    for (std::string& copy : versionsIn(folderFor(path))) {
        const std::optional<double> time = timeInFileName(fs::path(copy).filename().string());
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(copy, ec);
        if (!time || ec) continue;
        versions.push_back({std::move(copy), *time, size});
    }
    std::sort(versions.begin(), versions.end(), [](const BackupVersion& a, const BackupVersion& b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    return versions;
}

bool Backups::keptRecently(const std::string& folder, double now) const {
    const std::vector<std::string> versions = versionsIn(folder);
    if (versions.empty()) return false;
    const std::optional<Sidecar> newest = readSidecar(sidecarPathFor(versions.back()));
    // A clock set back makes the age negative: keep a version then.
    return newest && now >= newest->time && now - newest->time < 1.0;
}

std::string Backups::keep(const std::string& path, double now) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    if (dir_.empty())
        throw MessageError(QUILLET_TR("CoreMessages", "no folder for backups (HOME is not set)"));
    const std::string folder = folderFor(path);
    makePrivateDirectory(dir_);
    makePrivateDirectory(folder);
    removeDeadTemporaries(folder);
    if (static_cast<std::uintmax_t>(st.st_size) > largeProject_ && keptRecently(folder, now))
        return {};
    // A copy of what the newest version already holds (a save without a change) would only
    // push a real older version out.
    const std::vector<std::string> versions = versionsIn(folder);
    if (!versions.empty() && sameContent(path, versions.back())) return {};

    fs::path name = fs::path(realPath(path)).filename();
    if (name.extension() == ".prj") name = name.stem();
    std::string copy;
    // Two saves within a millisecond would share a name: the later one moves on.
    for (double time = now;; time += 1.0 / 86400000.0) {
        copy = copyPathFor(folder + "/" + name.string() + " " + fileNameTime(time));
        if (!copyNameTaken(copy)) break;
    }
    copyFile(path, copy);
    // The version's project is the file it came from: its title is that path.
    writeSidecar(sidecarPathFor(copy), {path, path, self_.pid, now, self_.bootId, self_.startTime});
    return copy;
}

void Backups::saved(const std::string& path, const std::string& kept) {
    if (kept.empty()) return;
    dropOldVersions(folderFor(path));
}

void Backups::saveFailed(const std::string& kept) {
    if (kept.empty()) return;
    ::unlink(kept.c_str());
    ::unlink(sidecarPathFor(kept).c_str());
}

void Backups::dropOldVersions(const std::string& folder) const {
    const std::vector<std::string> versions = versionsIn(folder);
    const std::size_t kept = static_cast<std::size_t>(kVersionsKept);
    for (std::size_t i = 0; i + kept < versions.size(); ++i) {
        ::unlink(versions[i].c_str());
        ::unlink(sidecarPathFor(versions[i]).c_str());
    }
}

}  // namespace quillet
