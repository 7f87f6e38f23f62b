#include "recovery/Sidecar.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "formats/AtomicFileWriter.h"
#include "recovery/ProcessIdentity.h"

namespace quillet {

namespace {

constexpr std::string_view kFirstLine = "Quillet1 sidecar 1";
constexpr std::string_view kCopySuffix = ".prj";
constexpr std::string_view kSidecarSuffix = ".info";

bool exists(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

std::string escaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string unescaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
    }
    return out;
}

template <typename Number>
bool readNumber(std::string_view text, Number& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// Years 100 to 9999, the dates the program can show; anything else (a huge number, nan,
// an infinity) is no time a copy was made at.
// Both ends included: a time near one rounds onto it when written.
bool isShowableTime(double time) {
    constexpr double kFirst = -657434;  // 100-01-01
    constexpr double kLast = 2958465;   // 9999-12-31
    return time >= kFirst && time <= kLast;
}

// Up to a hundred years on a stopwatch: anything more is no stopwatch's.
bool isBankedTime(double days) {
    return days >= 0 && days <= 36525;
}

constexpr int kMaxWatchRow = 10'000'000;

std::string fixedText(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 9);
    if (result.ec != std::errc()) throw std::range_error("a time cannot be written");
    return std::string(text, result.ptr);
}

}  // namespace

std::string formatSidecar(const Sidecar& sidecar) {
    if (!isShowableTime(sidecar.time)) {
        throw std::range_error("the time " + std::to_string(sidecar.time) + " is out of range");
    }
    char time[64];
    // Enough digits that the time reads back to the millisecond.
    const auto result =
        std::to_chars(time, time + sizeof time, sidecar.time, std::chars_format::fixed, 9);
    if (result.ec != std::errc()) throw std::range_error("the time cannot be written");
    std::string out(kFirstLine);
    out += "\npath=" + escaped(sidecar.path);
    out += "\ntitle=" + escaped(sidecar.title);
    out += "\npid=" + std::to_string(sidecar.pid);
    out += "\ntime=" + std::string(time, result.ptr);
    out += "\nboot=" + escaped(sidecar.bootId);
    out += "\nstart=" + escaped(sidecar.startTime);
    if (sidecar.copySize) {
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx",
                      static_cast<unsigned long long>(sidecar.copyHash));
        out += "\nsize=" + std::to_string(*sidecar.copySize);
        out += "\nhash=" + std::string(hash);
    }
    if (sidecar.sequence != 0) out += "\nseq=" + std::to_string(sidecar.sequence);
    if (const auto& watch = sidecar.stopwatch;
        watch && isBankedTime(watch->banked) &&
        (!watch->startedAt || isShowableTime(*watch->startedAt))) {
        out += "\nwatch=" + fixedText(watch->banked);
        if (watch->startedAt) out += "\nwatchStarted=" + fixedText(*watch->startedAt);
        if (watch->row >= 1 && watch->row <= kMaxWatchRow)
            out += "\nwatchRow=" + std::to_string(watch->row);
    }
    out += '\n';
    return out;
}

std::optional<Sidecar> parseSidecar(std::string_view text) {
    Sidecar sidecar;
    bool first = true;
    bool hasPid = false;
    bool hasTime = false;
    std::optional<double> banked;
    std::optional<double> started;
    int watchRow = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (first) {
            if (line != kFirstLine) return std::nullopt;
            first = false;
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, eq);
        const std::string_view value = line.substr(eq + 1);
        if (key == "path") {
            sidecar.path = unescaped(value);
        } else if (key == "title") {
            sidecar.title = unescaped(value);
        } else if (key == "pid") {
            hasPid = readNumber(value, sidecar.pid);
        } else if (key == "time") {
            hasTime = readNumber(value, sidecar.time) && isShowableTime(sidecar.time);
        } else if (key == "boot") {
            sidecar.bootId = unescaped(value);
        } else if (key == "start") {
            sidecar.startTime = unescaped(value);
        } else if (key == "size") {
            std::uint64_t size = 0;
            if (std::from_chars(value.data(), value.data() + value.size(), size).ec ==
                std::errc()) {
                sidecar.copySize = size;
            }
        } else if (key == "seq") {
            if (!readNumber(value, sidecar.sequence)) sidecar.sequence = 0;
        } else if (key == "hash") {
            std::from_chars(value.data(), value.data() + value.size(), sidecar.copyHash, 16);
        } else if (key == "watch") {
            double days = 0;
            if (readNumber(value, days) && isBankedTime(days)) banked = days;
        } else if (key == "watchStarted") {
            double at = 0;
            if (readNumber(value, at) && isShowableTime(at)) started = at;
        } else if (key == "watchRow") {
            if (!readNumber(value, watchRow) || watchRow < 1 || watchRow > kMaxWatchRow)
                watchRow = 0;
        }
    }
    if (banked) sidecar.stopwatch = Sidecar::Stopwatch{*banked, started, watchRow};
    if (first || !hasPid || !hasTime) return std::nullopt;
    return sidecar;
}

std::string copyPathFor(std::string_view stem) {
    return std::string(stem) + std::string(kCopySuffix);
}

std::string sidecarPathFor(std::string_view copyPath) {
    copyPath.remove_suffix(kCopySuffix.size());
    return std::string(copyPath) + std::string(kSidecarSuffix);
}

std::string copyPathForSidecar(std::string_view sidecarPath) {
    sidecarPath.remove_suffix(kSidecarSuffix.size());
    return copyPathFor(sidecarPath);
}

bool copyNameTaken(const std::string& copyPath) {
    return exists(copyPath) || exists(sidecarPathFor(copyPath));
}

bool isCopyFileName(std::string_view fileName) {
    return !fileName.starts_with('.') && fileName.ends_with(kCopySuffix);
}

bool isSidecarFileName(std::string_view fileName) {
    return !fileName.starts_with('.') && fileName.ends_with(kSidecarSuffix);
}

void removeIfDeadTemporary(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    const std::optional<long> writer =
        temporaryFileWriter(slash == std::string::npos ? path : path.substr(slash + 1));
    if (!writer || *writer == static_cast<long>(::getpid()) || isRunning({*writer, {}, {}})) {
        return;
    }
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
}

void removeDeadTemporaries(const std::string& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.path().filename().string().starts_with('.')) {
            removeIfDeadTemporary(entry.path().string());
        }
    }
}

void writeSidecar(const std::string& path, const Sidecar& sidecar) {
    AtomicFileWriter out(path, AtomicFileWriter::Privacy::Private);
    out.write(formatSidecar(sidecar));
    out.commit();
}

std::optional<Sidecar> readSidecar(const std::string& path) {
    // Not through a link, and only a small regular file: a sidecar is a few lines.
    constexpr off_t kMaxSidecarBytes = 64 * 1024;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::string text;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxSidecarBytes;
    if (ok) {
        text.resize(static_cast<std::size_t>(st.st_size));
        std::size_t have = 0;
        while (ok && have < text.size()) {
            const ssize_t got = ::read(fd, text.data() + have, text.size() - have);
            if (got < 0 && errno == EINTR) continue;
            ok = got > 0;
            if (ok) have += static_cast<std::size_t>(got);
        }
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    return parseSidecar(text);
}

}  // namespace quillet
