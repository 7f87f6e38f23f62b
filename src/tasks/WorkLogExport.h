#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/Sheet.h"
#include "ports/Locale.h"
#include "ports/Ports.h"
#include "tasks/WorkLog.h"

namespace quillet {

// A session as an export writes it: a deleted one is left out, an open one ends at its last
// sign of life (or now, while this run times it), a session timed for no task takes the task
// it was booked to.
struct ExportedSession {
    LogId id;
    std::int64_t start = 0;  // UTC milliseconds
    std::int64_t end = 0;
    TaskName task;
};
std::vector<ExportedSession> exportedSessions(const WorkLog& log, std::optional<LogId> running,
                                              std::int64_t now);

// "Task 2: Write report", the calendar's summary of a session; never translated.
std::string sessionSummary(const TaskName& task);

// iCalendar (RFC 5545): one event per session, its UID the session's id, times in UTC.
std::string workLogCalendar(const std::vector<ExportedSession>& sessions);

// The sessions as a table: Date, Start, End, Hours, Task #, Description, in local time.
class WorkLogSheet : public Sheet {
  public:
    WorkLogSheet(const std::vector<ExportedSession>& sessions, Clock& clock, const Locale& locale,
                 std::string name);
    std::string_view name() const override { return name_; }
    int rowCount() const override { return static_cast<int>(rows_.size()) + 1; }
    int columnCount() const override { return kColumns; }
    double columnWidth(int col) const override;
    bool hasHeaderRow() const override { return true; }
    SheetCell cell(int row, int col) const override;

  private:
    static constexpr int kColumns = 6;
    struct Row {
        double day = 0;
        std::int64_t hundredths = 0;
        std::string texts[kColumns];
    };
    std::string name_;
    std::vector<Row> rows_;
};

// Writes the log to `path` by its extension: .ics as a calendar, .csv, .xlsx or .ods as a
// table. Throws ExportError with the user's message.
void exportWorkLog(const WorkLog& log, std::optional<LogId> running, const std::string& path,
                   Clock& clock, const Locale& locale, const std::string& name);

// The command line's --export-log: the log beside the project file.
void exportWorkLogOfProject(const std::string& projectPath, const std::string& outPath,
                            Clock& clock, const Locale& locale);

}  // namespace quillet
