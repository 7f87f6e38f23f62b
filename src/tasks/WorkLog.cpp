#include "tasks/WorkLog.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

#include "formats/CodePage.h"

namespace quillet {

namespace {

constexpr std::int64_t kMsPerDay = 86400000;
constexpr std::size_t kUtcTextSize = 24;  // 2026-12-09T09:12:00.123Z

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

template <typename Int>
bool readInt(std::string_view text, Int& value) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Each byte's hex digit, or 0xFF: the ids of a long log are read without a branch a digit.
constexpr std::array<std::uint8_t, 256> kHexDigit = [] {
    std::array<std::uint8_t, 256> table{};
    table.fill(0xFF);
    for (int c = 0; c < 10; ++c)
        table[static_cast<std::size_t>('0' + c)] = static_cast<std::uint8_t>(c);
    for (int c = 0; c < 6; ++c) {
        table[static_cast<std::size_t>('a' + c)] = static_cast<std::uint8_t>(10 + c);
        table[static_cast<std::size_t>('A' + c)] = static_cast<std::uint8_t>(10 + c);
    }
    return table;
}();

bool readHexDigits(std::string_view text, std::uint64_t& value) {
    if (text.empty() || text.size() > 16) return false;
    std::uint64_t result = 0;
    std::uint8_t bad = 0;
    for (const char c : text) {
        const std::uint8_t digit = kHexDigit[static_cast<unsigned char>(c)];
        bad |= digit & 0xF0;
        result = result * 16 + (digit & 0x0F);
    }
    value = result;
    return bad == 0;
}

bool readHex(std::string_view text, std::uint64_t& value) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return error == std::errc() && end == text.data() + text.size();
}

std::string hundredthsText(std::int64_t hundredths) {
    const bool negative = hundredths < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(hundredths)
                                             : static_cast<std::uint64_t>(hundredths);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%llu.%02llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 100),
                  static_cast<unsigned long long>(magnitude % 100));
    return buffer;
}

std::optional<std::int64_t> parseHundredths(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos || text.size() - dot != 3) return std::nullopt;
    std::int64_t whole = 0;
    int cents = 0;
    if (!readInt(text.substr(0, dot), whole) || !readInt(text.substr(dot + 1), cents) ||
        whole > 1'000'000'000'000)
        return std::nullopt;
    const std::int64_t value = whole * 100 + cents;
    return negative ? -value : value;
}

// One parsed record: its kind, id and fields, views into the line. Fields past the first
// kMaxFields (a newer version's) are not read.
constexpr std::size_t kMaxFields = 16;
struct Record {
    std::string_view kind;
    LogId id;
    std::array<std::pair<std::string_view, std::string_view>, kMaxFields> fields;
    std::size_t fieldCount = 0;

    std::optional<std::string_view> raw(std::string_view key) const {
        for (std::size_t k = 0; k < fieldCount; ++k)
            if (fields[k].first == key) return fields[k].second;
        return std::nullopt;
    }
    std::string_view rawOrThrow(std::string_view key) const {
        const auto value = raw(key);
        if (!value) throw WorkLogError("missing " + std::string(key));
        return *value;
    }
    std::int64_t time(std::string_view key) const {
        const auto value = raw(key);
        const auto parsed = value ? parseUtcText(*value) : std::nullopt;
        if (!parsed) throw WorkLogError("no time in " + std::string(key));
        return *parsed;
    }
    LogId ref(std::string_view key) const {
        const auto value = raw(key);
        const auto parsed = value ? LogId::parse(*value) : std::nullopt;
        if (!parsed) throw WorkLogError("no id in " + std::string(key));
        return *parsed;
    }
};

Record parseRecord(std::string_view line) {
    Record record;
    std::size_t at = 0;
    int column = 0;
    while (at <= line.size()) {
        std::size_t tab = line.find('\t', at);
        if (tab == std::string_view::npos) tab = line.size();
        const std::string_view part = line.substr(at, tab - at);
        if (column == 0) {
            record.kind = part;
        } else if (column == 1) {
            const auto id = LogId::parse(part);
            if (!id) throw WorkLogError("no record id");
            record.id = *id;
        } else {
            const std::size_t eq = part.find('=');
            if (eq == std::string_view::npos) throw WorkLogError("a field without \"=\"");
            if (record.fieldCount < kMaxFields)
                record.fields[record.fieldCount++] = {part.substr(0, eq), part.substr(eq + 1)};
        }
        ++column;
        at = tab + 1;
    }
    if (column < 2) throw WorkLogError("no record id");
    return record;
}

std::string field(std::string_view key, std::string_view value) {
    std::string text;
    text.reserve(key.size() + value.size() + 2);
    text += '\t';
    text += key;
    text += '=';
    text += value;
    return text;
}

std::string taskFields(const TaskName& task) {
    return field("task", escapeLogField(task.number)) +
           field("desc", escapeLogField(task.description));
}

}  // namespace

std::string LogId::text() const {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%012llx-%08x", static_cast<unsigned long long>(ms),
                  static_cast<unsigned>(random));
    return buffer;
}

// Written as 12 hex digits, a dash and 8: read at those places, the hot path of a long log.
std::optional<LogId> LogId::parse(std::string_view text) {
    if (text.size() == 21 && text[12] == '-') {
        std::uint64_t ms = 0;
        std::uint64_t random = 0;
        if (!readHexDigits(text.substr(0, 12), ms) || !readHexDigits(text.substr(13), random) ||
            ms > (std::uint64_t{1} << 52))
            return std::nullopt;
        return LogId{static_cast<std::int64_t>(ms), static_cast<std::uint32_t>(random)};
    }
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos || dash == 0 || text.size() - dash != 9) return std::nullopt;
    std::uint64_t ms = 0;
    std::uint64_t random = 0;
    if (!readHexDigits(text.substr(0, dash), ms) || !readHexDigits(text.substr(dash + 1), random) ||
        ms > (std::uint64_t{1} << 52))
        return std::nullopt;
    return LogId{static_cast<std::int64_t>(ms), static_cast<std::uint32_t>(random)};
}

std::string utcText(std::int64_t utcMs) {
    const std::int64_t days = utcMs >= 0 ? utcMs / kMsPerDay : -((-utcMs - 1) / kMsPerDay) - 1;
    const std::int64_t inDay = utcMs - days * kMsPerDay;
    std::int64_t y = 0;
    unsigned m = 0;
    unsigned d = 0;
    civilFromDays(days, y, m, d);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02uT%02lld:%02lld:%02lld.%03lldZ",
                  static_cast<long long>(y), m, d, static_cast<long long>(inDay / 3600000),
                  static_cast<long long>(inDay / 60000 % 60),
                  static_cast<long long>(inDay / 1000 % 60), static_cast<long long>(inDay % 1000));
    return buffer;
}

std::optional<std::int64_t> parseUtcText(std::string_view t) {
    if (t.size() != kUtcTextSize || t[4] != '-' || t[7] != '-' || t[10] != 'T' || t[13] != ':' ||
        t[16] != ':' || t[19] != '.' || t[23] != 'Z')
        return std::nullopt;
    // Every digit place checked at once, then the fields read at their fixed places.
    static constexpr int kDigits[] = {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18, 20, 21, 22};
    unsigned bad = 0;
    for (const int at : kDigits)
        bad |= static_cast<unsigned>(t[static_cast<std::size_t>(at)] - '0') > 9u;
    if (bad) return std::nullopt;
    const auto digit = [&](std::size_t at) { return t[at] - '0'; };
    const int year = digit(0) * 1000 + digit(1) * 100 + digit(2) * 10 + digit(3);
    const int month = digit(5) * 10 + digit(6);
    const int day = digit(8) * 10 + digit(9);
    const int hour = digit(11) * 10 + digit(12);
    const int minute = digit(14) * 10 + digit(15);
    const int second = digit(17) * 10 + digit(18);
    const int ms = digit(20) * 100 + digit(21) * 10 + digit(22);
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) *
               kMsPerDay +
           hour * 3600000LL + minute * 60000LL + second * 1000LL + ms;
}

std::string escapeLogField(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    std::size_t at = 0;
    while (at < value.size()) {
        const auto byte = static_cast<unsigned char>(value[at]);
        if (byte >= 0x80) {
            // A whole UTF-8 sequence passes; a byte of an older code page is escaped.
            std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            if (length > 1 && at + length <= value.size() &&
                isValidUtf8(value.substr(at, length))) {
                out.append(value.substr(at, length));
                at += length;
                continue;
            }
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else if (value[at] == '\\') {
            out += "\\\\";
        } else if (value[at] == '\t') {
            out += "\\t";
        } else if (value[at] == '\n') {
            out += "\\n";
        } else if (value[at] == '\r') {
            out += "\\r";
        } else {
            out += value[at];
        }
        ++at;
    }
    return out;
}

std::optional<std::string> unescapeLogField(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t at = 0; at < value.size(); ++at) {
        if (value[at] != '\\') {
            out += value[at];
            continue;
        }
        if (++at == value.size()) return std::nullopt;
        switch (value[at]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 'x': {
                std::uint64_t byte = 0;
                if (at + 2 >= value.size() + 0 || !readHex(value.substr(at + 1, 2), byte))
                    return std::nullopt;
                out += static_cast<char>(byte);
                at += 2;
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return out;
}

std::string WorkLog::headerLine() {
    return std::string(kWorkLogHeader) + " " + std::to_string(kWorkLogVersion) + "\n";
}

WorkLog WorkLog::read(std::string_view text, std::vector<LogProblem>* problems) {
    WorkLog log;
    // A session takes a line of 100 bytes or more. Room for as many as the file could hold
    // costs no memory until used, and no copying while the vectors grow; what is left over
    // goes at the end.
    const std::size_t most = text.size() / 96 + 16;
    log.sessions_.reserve(most);
    log.byStart_.reserve(most);
    log.bookedSessions_.reserve(most);
    std::size_t lineNo = 0;
    std::size_t at = 0;
    bool headerSeen = false;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        const bool torn = end == std::string_view::npos;  // a write cut short
        if (torn) end = text.size();
        std::string_view line = text.substr(at, end - at);
        const std::size_t lineStart = at;
        at = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        // Two logs put together carry two version lines.
        if (line.substr(0, kWorkLogHeader.size()) == kWorkLogHeader) {
            int version = 0;
            std::string_view rest = line.substr(kWorkLogHeader.size());
            if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
            if (readInt(rest, version) && version > 0) {
                log.version_ = std::max(headerSeen ? log.version_ : 0, version);
                headerSeen = true;
                continue;
            }
        }
        try {
            if (!headerSeen) throw WorkLogError("not a work log");
            if (torn) throw WorkLogError("the line is cut short");
            log.apply(line, lineStart);
            // An open session's sign of life is written in place at the end of its record.
        } catch (const WorkLogError& e) {
            if (problems && !(log.version_ > kWorkLogVersion))
                problems->push_back({lineNo, e.what()});
            if (!headerSeen && problems) break;
        }
    }
    log.sessions_.shrink_to_fit();
    log.byStart_.shrink_to_fit();
    log.bookings_.shrink_to_fit();
    log.bookedSessions_.shrink_to_fit();
    return log;
}

std::uint32_t WorkLog::taskIndex(std::string_view key, std::string_view number,
                                 std::string_view description) {
    if (const auto found = taskIndexOf_.find(key); found != taskIndexOf_.end())
        return found->second;
    auto numberText = unescapeLogField(number);
    auto descriptionText = unescapeLogField(description);
    if (!numberText || !descriptionText) throw WorkLogError("a bad escape in a task");
    const auto index = static_cast<std::uint32_t>(tasks_.size());
    tasks_.push_back({std::move(*numberText), std::move(*descriptionText)});
    taskIndexOf_.emplace(std::string(key), index);
    return index;
}

WorkLog::Open* WorkLog::findOpen(LogId id) {
    for (Open& open : open_)
        if (open.id == id) return &open;
    return nullptr;
}

const WorkLog::Open* WorkLog::findOpen(LogId id) const {
    return const_cast<WorkLog*>(this)->findOpen(id);
}

void WorkLog::closeOpen(LogId id) {
    std::erase_if(open_, [&](const Open& open) { return open.id == id; });
}

std::size_t WorkLog::indexOf(LogId id) const {
    // Most records are about the session begun last.
    if (!sessions_.empty() && sessions_.back().id == id) return sessions_.size() - 1;
    const auto it = std::lower_bound(sessions_.begin(), sessions_.end(), id,
                                     [](const WorkSession& s, LogId key) { return s.id < key; });
    return it != sessions_.end() && it->id == id ? static_cast<std::size_t>(it - sessions_.begin())
                                                 : sessions_.size();
}

const WorkSession* WorkLog::session(LogId id) const {
    const std::size_t index = indexOf(id);
    return index < sessions_.size() ? &sessions_[index] : nullptr;
}

WorkSession& WorkLog::mutableSession(LogId id) {
    const std::size_t index = indexOf(id);
    if (index == sessions_.size()) throw WorkLogError("no session " + id.text());
    return sessions_[index];
}

// Bookings are few next to sessions, and the one asked for is mostly recent.
const WorkBooking* WorkLog::booking(LogId id) const {
    for (auto it = bookings_.rbegin(); it != bookings_.rend(); ++it)
        if (it->id == id) return &*it;
    return nullptr;
}

void WorkLog::placeByStart(std::size_t index) {
    const std::int64_t start = sessions_[index].start;
    // A log is written in time order: the new one mostly goes last.
    if (byStart_.empty() || sessions_[byStart_.back()].start <= start) {
        byStart_.push_back(static_cast<std::uint32_t>(index));
        return;
    }
    const auto at = std::upper_bound(
        byStart_.begin(), byStart_.end(), start,
        [this](std::int64_t value, std::uint32_t i) { return value < sessions_[i].start; });
    byStart_.insert(at, static_cast<std::uint32_t>(index));
}

void WorkLog::unplaceByStart(std::size_t index) {
    const std::int64_t start = sessions_[index].start;
    auto at = std::lower_bound(
        byStart_.begin(), byStart_.end(), start,
        [this](std::uint32_t i, std::int64_t value) { return sessions_[i].start < value; });
    while (at != byStart_.end() && *at != index) ++at;
    if (at != byStart_.end()) byStart_.erase(at);
}

void WorkLog::apply(std::string_view line, std::optional<std::size_t> fileOffset) {
    const Record r = parseRecord(line);
    latestId_ = std::max(latestId_, r.id);
    const auto addNew = [&](std::int64_t start) -> WorkSession* {
        const auto at =
            std::lower_bound(sessions_.begin(), sessions_.end(), r.id,
                             [](const WorkSession& s, LogId key) { return s.id < key; });
        if (at != sessions_.end() && at->id == r.id) return nullptr;  // read before
        const std::string_view number = r.rawOrThrow("task");
        const std::string_view description = r.rawOrThrow("desc");
        // As written they follow each other: "task=2\tdesc=Write report" names the task.
        const bool adjacent = description.data() == number.data() + number.size() + 6;
        const std::uint32_t task =
            adjacent ? taskIndex(std::string_view(
                                     number.data(),
                                     static_cast<std::size_t>(description.data() +
                                                              description.size() - number.data())),
                                 number, description)
                     : taskIndex(std::string(number) + "\tdesc=" + std::string(description), number,
                                 description);
        const auto index = static_cast<std::size_t>(at - sessions_.begin());
        if (index < sessions_.size()) {
            // Out of time order (two logs put together): later indices move by one.
            for (std::uint32_t& i : byStart_)
                if (i >= index) ++i;
        }
        WorkSession& s = *sessions_.insert(at, WorkSession{});
        s.id = r.id;
        s.start = start;
        s.task = task;
        placeByStart(index);
        return &s;
    };
    if (r.kind == "start") {
        const std::int64_t start = r.time("at");
        const std::int64_t seen = r.raw("seen") ? r.time("seen") : start;
        long pid = 0;
        if (const auto text = r.raw("pid")) readInt(*text, pid);
        if (WorkSession* s = addNew(start)) {
            // The sign of life is rewritten in place: where its value lies in the file.
            std::optional<std::size_t> offset;
            if (const auto value = r.raw("seen"); value && fileOffset)
                offset = *fileOffset + static_cast<std::size_t>(value->data() - line.data());
            open_.push_back({s->id, std::max(seen, start), offset, pid});
        }
    } else if (r.kind == "add") {
        const std::int64_t start = r.time("start");
        const std::int64_t end = r.time("end");
        if (end < start) throw WorkLogError("it ends before it starts");
        if (WorkSession* s = addNew(start)) {
            s->end = end;
            s->closed = true;
            s->manual = true;
            longest_ = std::max(longest_, end - start);
        }
    } else if (r.kind == "end") {
        WorkSession& s = mutableSession(r.ref("session"));
        const std::int64_t end = r.time("at");
        if (!s.closed) {
            s.closed = true;
            s.end = std::max(end, s.start);
            longest_ = std::max(longest_, s.end - s.start);
            closeOpen(s.id);
        }
    } else if (r.kind == "change") {
        const std::size_t index = indexOf(r.ref("session"));
        if (index == sessions_.size()) throw WorkLogError("no such session");
        WorkSession& s = sessions_[index];
        const std::int64_t start = r.time("start");
        // Without an end only the start moves (an open session's), never past a closed end.
        const std::int64_t end = r.raw("end") ? r.time("end") : s.closed ? s.end : start;
        if (end < start) throw WorkLogError("it ends before it starts");
        LogId& edited = edited_[s.id];
        if (r.id < edited) return;  // a later correction holds
        edited = r.id;
        if (start != s.start) {
            unplaceByStart(index);
            s.start = start;
            placeByStart(index);
        }
        if (r.raw("end")) {
            s.end = end;
            if (!s.closed) closeOpen(s.id);
            s.closed = true;
            longest_ = std::max(longest_, end - start);
        }
    } else if (r.kind == "delete") {
        WorkSession& s = mutableSession(r.ref("session"));
        s.deleted = true;
        closeOpen(s.id);
    } else if (r.kind == "undelete") {
        mutableSession(r.ref("session")).deleted = false;
    } else if (r.kind == "book") {
        // Ids grow as records are made: only one from another copy of the log may be known.
        if ((bookings_.empty() || !(bookings_.back().id < r.id)) && booking(r.id)) return;
        const auto hundredths = r.raw("hours") ? parseHundredths(*r.raw("hours")) : std::nullopt;
        if (!hundredths) throw WorkLogError("no hours");
        const std::string_view number = r.rawOrThrow("task");
        const std::string_view description = r.rawOrThrow("desc");
        WorkBooking b;
        b.id = r.id;
        b.hundredths = *hundredths;
        b.task = taskIndex(std::string(number) + "\tdesc=" + std::string(description), number,
                           description);
        b.firstSession = static_cast<std::uint32_t>(bookedSessions_.size());
        const std::string_view list = r.raw("sessions").value_or(std::string_view());
        for (std::size_t at = 0; at < list.size();) {
            std::size_t comma = list.find(',', at);
            if (comma == std::string_view::npos) comma = list.size();
            const auto id = LogId::parse(list.substr(at, comma - at));
            if (!id) {
                bookedSessions_.resize(b.firstSession);
                throw WorkLogError("no id in sessions");
            }
            bookedSessions_.push_back(*id);
            at = comma + 1;
        }
        b.sessionCount = static_cast<std::uint32_t>(bookedSessions_.size()) - b.firstSession;
        bookings_.push_back(b);
        const auto number1 = static_cast<std::uint32_t>(bookings_.size());
        for (std::uint32_t k = 0; k < b.sessionCount; ++k)
            if (const std::size_t i = indexOf(bookedSessions_[b.firstSession + k]);
                i < sessions_.size())
                sessions_[i].booking = number1;
    } else if (r.kind == "unbook") {
        const LogId id = r.ref("booking");
        for (std::size_t k = bookings_.size(); k-- > 0;) {
            WorkBooking& b = bookings_[k];
            if (b.id != id) continue;
            b.undone = true;
            for (std::uint32_t n = 0; n < b.sessionCount; ++n) {
                const std::size_t i = indexOf(bookedSessions_[b.firstSession + n]);
                if (i < sessions_.size() && sessions_[i].booking == k + 1) sessions_[i].booking = 0;
            }
            return;
        }
        throw WorkLogError("no booking " + id.text());
    } else if (version_ <= kWorkLogVersion) {
        throw WorkLogError("an unknown record \"" + std::string(r.kind) + "\"");
    }
}

// A record just made is applied as the file's reader would apply it, then written.
std::string WorkLog::made(std::string line) {
    apply(std::string_view(line).substr(0, line.size() - 1));
    return line;
}

std::string WorkLog::startSession(LogId id, const TaskName& task, std::int64_t start, long pid) {
    // "seen" last and of fixed width: it is rewritten in place while the session runs.
    std::string line = "start\t" + id.text() + taskFields(task) + field("at", utcText(start)) +
                       field("pid", std::to_string(pid)) + field("seen", utcText(start)) + "\n";
    return made(std::move(line));
}

std::string WorkLog::endSession(LogId id, LogId session, std::int64_t end) {
    std::string line =
        "end\t" + id.text() + field("session", session.text()) + field("at", utcText(end)) + "\n";
    return made(std::move(line));
}

std::string WorkLog::addSession(LogId id, const TaskName& task, std::int64_t start,
                                std::int64_t end) {
    std::string line = "add\t" + id.text() + taskFields(task) + field("start", utcText(start)) +
                       field("end", utcText(end)) + "\n";
    return made(std::move(line));
}

std::string WorkLog::changeSession(LogId id, LogId session, std::int64_t start, std::int64_t end) {
    const WorkSession* s = this->session(session);
    std::string line =
        "change\t" + id.text() + field("session", session.text()) + field("start", utcText(start));
    // An open session keeps running: only its start moves.
    if (!s || s->closed) line += field("end", utcText(end));
    line += "\n";
    return made(std::move(line));
}

std::string WorkLog::deleteSession(LogId id, LogId session) {
    std::string line = "delete\t" + id.text() + field("session", session.text()) + "\n";
    return made(std::move(line));
}

std::string WorkLog::undeleteSession(LogId id, LogId session) {
    std::string line = "undelete\t" + id.text() + field("session", session.text()) + "\n";
    return made(std::move(line));
}

std::string WorkLog::book(LogId id, const std::vector<LogId>& sessions, std::int64_t hundredths,
                          const TaskName& task) {
    std::string list;
    for (const LogId session : sessions) {
        if (!list.empty()) list += ',';
        list += session.text();
    }
    std::string line = "book\t" + id.text() + field("hours", hundredthsText(hundredths)) +
                       taskFields(task) + field("sessions", list) + "\n";
    return made(std::move(line));
}

std::string WorkLog::unbook(LogId id, LogId booking) {
    std::string line = "unbook\t" + id.text() + field("booking", booking.text()) + "\n";
    return made(std::move(line));
}

std::int64_t WorkLog::seen(LogId session) const {
    const Open* open = findOpen(session);
    return open ? open->seen : 0;
}

long WorkLog::pidOf(LogId session) const {
    const Open* open = findOpen(session);
    return open ? open->pid : 0;
}

void WorkLog::markSeen(LogId session, std::int64_t at) {
    if (Open* open = findOpen(session)) open->seen = std::max(open->seen, at);
}

std::optional<std::size_t> WorkLog::seenOffset(LogId session) const {
    const Open* open = findOpen(session);
    return open ? open->offset : std::nullopt;
}

void WorkLog::noteAppendedAt(std::size_t fileSize, std::string_view record) {
    if (record.substr(0, 6) != "start\t") return;
    const std::size_t tab = record.find('\t', 6);
    const auto id = LogId::parse(record.substr(6, tab - 6));
    const std::size_t seenAt = record.rfind("\tseen=");
    if (!id || seenAt == std::string_view::npos) return;
    if (Open* open = findOpen(*id)) open->offset = fileSize + seenAt + 6;
}

std::int64_t WorkLog::sessionEnd(const WorkSession& s, std::int64_t now,
                                 std::optional<LogId> running) const {
    if (s.closed) return s.end;
    if (running && *running == s.id) return std::max(now, s.start);
    return std::max(seen(s.id), s.start);
}

std::vector<std::size_t> WorkLog::sessionsBetween(std::int64_t from, std::int64_t to) const {
    const auto first = std::lower_bound(
        byStart_.begin(), byStart_.end(), from,
        [this](std::uint32_t i, std::int64_t value) { return sessions_[i].start < value; });
    std::vector<std::size_t> found;
    for (auto it = first; it != byStart_.end() && sessions_[*it].start < to; ++it) {
        const WorkSession& s = sessions_[*it];
        // A booking followed at once by a stop leaves a session of no length.
        if (!s.deleted && !(s.closed && s.end == s.start)) found.push_back(*it);
    }
    return found;
}

std::int64_t WorkLog::timedBetween(std::int64_t from, std::int64_t to, std::int64_t now,
                                   std::optional<LogId> running) const {
    if (to <= from) return 0;
    // Open sessions may have begun long ago; closed ones no earlier than the longest.
    std::int64_t total = 0;
    const auto count = [&](const WorkSession& s) {
        if (s.deleted) return;
        const std::int64_t end = sessionEnd(s, now, running);
        const std::int64_t a = std::max(s.start, from);
        const std::int64_t b = std::min(end, to);
        if (b > a) total += b - a;
    };
    const auto first = std::lower_bound(
        byStart_.begin(), byStart_.end(), from - longest_,
        [this](std::uint32_t i, std::int64_t value) { return sessions_[i].start < value; });
    for (auto it = first; it != byStart_.end() && sessions_[*it].start < to; ++it) {
        const WorkSession& s = sessions_[*it];
        if (s.closed) count(s);
    }
    for (const Open& open : open_)
        if (const WorkSession* s = session(open.id); s && !s->closed && s->start < to) count(*s);
    return total;
}

std::vector<bool> WorkLog::overlapping(const std::vector<std::size_t>& indices, std::int64_t now,
                                       std::optional<LogId> running) const {
    std::vector<bool> marks(indices.size(), false);
    for (std::size_t k = 0; k < indices.size(); ++k) {
        const WorkSession& s = sessions_[indices[k]];
        const std::int64_t end = sessionEnd(s, now, running);
        const auto first = std::lower_bound(
            byStart_.begin(), byStart_.end(), s.start - longest_,
            [this](std::uint32_t i, std::int64_t value) { return sessions_[i].start < value; });
        for (auto it = first; it != byStart_.end() && sessions_[*it].start < end; ++it) {
            const WorkSession& other = sessions_[*it];
            if (*it == indices[k] || other.deleted) continue;
            if (sessionEnd(other, now, running) > s.start) {
                marks[k] = true;
                break;
            }
        }
        // An open session may have begun before the longest closed one reaches back.
        for (const Open& open : open_) {
            const WorkSession* other = session(open.id);
            if (marks[k] || !other || other->id == s.id || other->deleted) continue;
            marks[k] = other->start < end && sessionEnd(*other, now, running) > s.start;
        }
    }
    return marks;
}

std::vector<LogId> WorkLog::openSessions() const {
    std::vector<LogId> ids;
    for (const Open& open : open_) {
        const WorkSession* s = session(open.id);
        if (s && !s->closed && !s->deleted) ids.push_back(open.id);
    }
    return ids;
}

}  // namespace quillet
