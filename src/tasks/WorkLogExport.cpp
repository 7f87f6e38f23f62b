#include "tasks/WorkLogExport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>

#include "formats/AtomicFileWriter.h"
#include "formats/LogFile.h"
#include "formats/SheetExport.h"
#include "ports/DateTime.h"
#include "tasks/TimerHours.h"

namespace quillet {

namespace {

constexpr const char* kHeadings[] = {"Date", "Start", "End", "Hours", "Task #", "Description"};

// 20261209T091200Z
std::string calendarTime(std::int64_t utcMs) {
    const std::string iso = utcText(utcMs);  // 2026-12-09T09:12:00.000Z
    return iso.substr(0, 4) + iso.substr(5, 2) + iso.substr(8, 2) + "T" + iso.substr(11, 2) +
           iso.substr(14, 2) + iso.substr(17, 2) + "Z";
}

std::string calendarText(std::string_view text) {
    std::string buffer;
    const std::string_view clean = exportText(text, buffer);
    std::string out;
    for (const char c : clean) {
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

// Lines longer than 75 octets go on in lines that begin with a space, never inside a
// UTF-8 sequence.
void addLine(std::string& out, const std::string& line) {
    std::size_t at = 0;
    std::size_t room = 75;
    while (line.size() - at > room) {
        std::size_t cut = at + room;
        while (cut > at && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        out.append(line, at, cut - at);
        out += "\r\n ";
        at = cut;
        room = 74;
    }
    out.append(line, at, std::string::npos);
    out += "\r\n";
}

std::string clockOf(double local) {
    const ClockTime t = decodeTime(local);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", t.hour, t.minute);
    return buffer;
}

}  // namespace

std::vector<ExportedSession> exportedSessions(const WorkLog& log, std::optional<LogId> running,
                                              std::int64_t now) {
    std::vector<ExportedSession> out;
    for (const std::size_t index : log.sessionsBetween(std::numeric_limits<std::int64_t>::min(),
                                                       std::numeric_limits<std::int64_t>::max())) {
        const WorkSession& s = log.sessions()[index];
        std::int64_t end = s.end;
        if (!s.closed) end = running && *running == s.id ? now : std::max(log.seen(s.id), s.start);
        TaskName task = log.taskOf(s);
        if (task.number.empty() && task.description.empty()) {
            if (const WorkBooking* booking = log.bookingOf(s)) task = log.taskName(booking->task);
        }
        out.push_back({s.id, s.start, std::max(end, s.start), std::move(task)});
    }
    return out;
}

std::string sessionSummary(const TaskName& task) {
    if (task.number.empty() && task.description.empty()) return "Timed work";
    std::string text = "Task " + task.number;
    if (!task.description.empty()) text += ": " + task.description;
    return text;
}

std::string workLogCalendar(const std::vector<ExportedSession>& sessions) {
    std::string out;
    addLine(out, "BEGIN:VCALENDAR");
    addLine(out, "VERSION:2.0");
    addLine(out, "PRODID:-//Quillet1//Work log//EN");
    for (const ExportedSession& s : sessions) {
        addLine(out, "BEGIN:VEVENT");
        addLine(out, "UID:" + s.id.text() + "@quillet1");
        // When the session was recorded: the same on every export of it.
        addLine(out, "DTSTAMP:" + calendarTime(s.id.ms));
        addLine(out, "DTSTART:" + calendarTime(s.start));
        addLine(out, "DTEND:" + calendarTime(s.end));
        addLine(out, "SUMMARY:" + calendarText(sessionSummary(s.task)));
        addLine(out, "END:VEVENT");
    }
    addLine(out, "END:VCALENDAR");
    return out;
}

WorkLogSheet::WorkLogSheet(const std::vector<ExportedSession>& sessions, Clock& clock,
                           const Locale& locale, std::string name)
    : name_(std::move(name)) {
    rows_.reserve(sessions.size());
    for (const ExportedSession& s : sessions) {
        const double start = clock.localFromUtc(s.start);
        Row row;
        row.day = std::floor(start);
        row.hundredths = std::llround(static_cast<double>(s.end - s.start) / 36000.0);
        row.texts[0] = locale.formatDate(row.day);
        row.texts[1] = clockOf(start);
        row.texts[2] = clockOf(clock.localFromUtc(s.end));
        char fraction[8];
        std::snprintf(fraction, sizeof fraction, "%02lld",
                      static_cast<long long>(row.hundredths % 100));
        row.texts[3] = std::to_string(row.hundredths / 100) + locale.decimalSeparator + fraction;
        row.texts[4] = s.task.number;
        row.texts[5] = s.task.description;
        rows_.push_back(std::move(row));
    }
}

double WorkLogSheet::columnWidth(int col) const {
    constexpr double kWidths[kColumns] = {12, 7, 7, 8, 8, 40};
    return kWidths[col];
}

SheetCell WorkLogSheet::cell(int row, int col) const {
    if (row == 0) return {SheetCell::Type::Text, kHeadings[col]};
    const Row& r = rows_[static_cast<std::size_t>(row - 1)];
    SheetCell cell{SheetCell::Type::Text, r.texts[col]};
    if (col == 0) {
        cell.type = SheetCell::Type::Date;
        cell.value = r.day;
    } else if (col == 3) {
        cell.type = SheetCell::Type::Number;
        cell.value = static_cast<double>(r.hundredths) / 100.0;
        cell.decimals = 2;
    }
    return cell;
}

void exportWorkLog(const WorkLog& log, std::optional<LogId> running, const std::string& path,
                   Clock& clock, const Locale& locale, const std::string& name) {
    const std::vector<ExportedSession> sessions = exportedSessions(log, running, clock.utcMs());
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".ics") {
        try {
            AtomicFileWriter writer(path);
            writer.write(workLogCalendar(sessions));
            writer.commit();
        } catch (const MessageError& e) {
            throw ExportError(e.message());
        }
        return;
    }
    const std::optional<ExportFormat> format = exportFormatOf(path);
    if (!format) {
        throw ExportError(Message(QUILLET_TR("CoreMessages",
                                             "Cannot export to %1: the name must end in .ics, "
                                             ".csv, .xlsx or .ods"))
                              .arg(path));
    }
    exportSheet(WorkLogSheet(sessions, clock, locale, name), path, *format,
                exportSettingsFor(locale));
}

void exportWorkLogOfProject(const std::string& projectPath, const std::string& outPath,
                            Clock& clock, const Locale& locale) {
    const std::string logPath = logPathFor(projectPath);
    const std::optional<std::string> text = logfile::read(logPath);
    if (!text) {
        throw ExportError(Message(QUILLET_TR("CoreMessages", "%1 has no work log (%2)"))
                              .arg(projectPath)
                              .arg(logPath));
    }
    const std::string stem = std::filesystem::path(projectPath).stem().string();
    exportWorkLog(WorkLog::read(*text), std::nullopt, outPath, clock, locale, stem + " log");
}

}  // namespace quillet
