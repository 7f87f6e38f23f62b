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
#include "formats/ProjectFile.h"
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

struct Version {
    std::string path;
    std::uint64_t sequence = 0;
};

// The versions in a folder, oldest first, in the order they were made: by their sequence,
// never by the time in their names, which a clock set back (a time zone, the end of summer
// time, a correction) makes sort before older ones. Versions from before the sequence come
// first, in the order of their names.
std::vector<Version> versionsIn(const std::string& folder) {
    std::vector<Version> versions;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!isCopyFileName(name)) continue;
        // Never a link: pruning removes these.
        if (entry.symlink_status(ec).type() != fs::file_type::regular) continue;
        std::string path = entry.path().string();
        const std::optional<Sidecar> info = readSidecar(sidecarPathFor(path));
        versions.push_back({std::move(path), info ? info->sequence : 0});
    }
    std::sort(versions.begin(), versions.end(), [](const Version& a, const Version& b) {
        return a.sequence != b.sequence ? a.sequence < b.sequence : a.path < b.path;
    });
    return versions;
}

std::uint64_t nextSequence(const std::vector<Version>& versions) {
    return versions.empty() ? 1 : versions.back().sequence + 1;
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
    for (Version& version : versionsIn(folderFor(path))) {
        std::string& copy = version.path;
        const std::optional<double> time = timeInFileName(fs::path(copy).filename().string());
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(copy, ec);
        if (!time || ec) continue;
        versions.push_back({std::move(copy), *time, size});
    }
    // Shown by the times the user knows them by.
    std::sort(versions.begin(), versions.end(), [](const BackupVersion& a, const BackupVersion& b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    return versions;
}

bool Backups::keptRecently(const std::string& folder, double now) const {
    const std::vector<Version> versions = versionsIn(folder);
    if (versions.empty()) return false;
    const std::optional<Sidecar> newest = readSidecar(sidecarPathFor(versions.back().path));
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
    const std::vector<Version> versions = versionsIn(folder);
    if (!versions.empty() && sameContent(path, versions.back().path)) return {};

    const std::string copy = newVersionPath(folder, path, now);
    copyFile(path, copy);
    writeVersionSidecar(copy, path, now, nextSequence(versions));
    return copy;
}

std::string Backups::keepTable(const CellGrid& table, const std::string& path, double now) {
    if (dir_.empty()) throw std::runtime_error("no folder for backups (HOME is not set)");
    const std::string folder = folderFor(path);
    makePrivateDirectory(dir_);
    makePrivateDirectory(folder);
    removeDeadTemporaries(folder);
    const std::vector<Version> versions = versionsIn(folder);
    const std::string copy = newVersionPath(folder, path, now);
    saveCellsToFile(table, copy, AtomicFileWriter::Privacy::Private);
    // The table is most often the version a save just kept: one copy of it is enough.
    if (!versions.empty() && sameContent(copy, versions.back().path)) {
        saveFailed(copy);
        return {};
    }
    writeVersionSidecar(copy, path, now, nextSequence(versions));
    dropOldVersions(folder, copy);
    return copy;
}

std::string Backups::newVersionPath(const std::string& folder, const std::string& path,
                                    double now) const {
    fs::path name = fs::path(realPath(path)).filename();
    if (name.extension() == ".prj") name = name.stem();
    std::string copy;
    // Two saves within a millisecond would share a name, and so would two an hour apart
    // around a clock set back: the later one moves on.
    for (double time = now;; time += 1.0 / 86400000.0) {
        copy = copyPathFor(folder + "/" + name.string() + " " + fileNameTime(time));
        if (!copyNameTaken(copy)) break;
    }
    return copy;
}

void Backups::writeVersionSidecar(const std::string& copy, const std::string& path, double now,
                                  std::uint64_t sequence) const {
    // The version's project is the file it came from: its title is that path.
    Sidecar info{path, path, self_.pid, now, self_.bootId, self_.startTime};
    info.sequence = sequence;
    writeSidecar(sidecarPathFor(copy), info);
}

void Backups::saved(const std::string& path, const std::string& kept) {
    if (kept.empty()) return;
    dropOldVersions(folderFor(path), kept);
}

void Backups::saveFailed(const std::string& kept) {
    if (kept.empty()) return;
    ::unlink(kept.c_str());
    ::unlink(sidecarPathFor(kept).c_str());
}

void Backups::dropOldVersions(const std::string& folder, const std::string& justMade) const {
    const std::vector<Version> versions = versionsIn(folder);
    std::size_t surplus = versions.size() - std::min(versions.size(), std::size_t{kVersionsKept});
    for (const Version& version : versions) {
        if (surplus == 0) break;
        // Whatever the order says, the version just made is the one the user may need next.
        if (version.path == justMade) continue;
        ::unlink(version.path.c_str());
        ::unlink(sidecarPathFor(version.path).c_str());
        --surplus;
    }
}

}  // namespace quillet
