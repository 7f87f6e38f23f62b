#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "grid/CellGrid.h"
#include "ports/Locale.h"
#include "ports/Message.h"
#include "ports/Ports.h"
#include "tasks/TaskTiming.h"
#include "tasks/WorkLog.h"
#include "tasks/WorkLogPage.h"
#include "tools/HRStopWatch.h"
#include "tools/StopwatchGuard.h"

namespace quillet {

// The stopwatch as a recovery copy keeps it: its banked days, when it last started (while
// running), and the row of its task (0: none).
struct TimedState {
    bool running = false;
    double banked = 0;
    double startedAt = 0;
    int row = 0;
    bool operator==(const TimedState&) const = default;
};

// Runs a change of the table as one named step of the history; the tag comes back when the
// step is undone or redone.
class StepRunner {
  public:
    virtual ~StepRunner() = default;
    virtual void runStep(Message name, const std::function<void()>& change, std::uint64_t tag) = 0;
};

// The stopwatch and everything about what it times: the task it is bound to, the recent
// tasks, the booking rule and the project's work log, where every session is on disk from
// the moment it begins. The Timer menu's commands, the tray's and the remote control's all
// land here.
class TaskTimer : private CellGridListener {
  public:
    TaskTimer(CellGrid& grid, StepRunner& steps, Prompts& prompts, Clock& clock,
              const Locale& locale);
    ~TaskTimer() override;
    TaskTimer(const TaskTimer&) = delete;
    TaskTimer& operator=(const TaskTimer&) = delete;

    // A note for the status line (a booking, a lost task, a log that cannot be written).
    std::function<void(const Message&)> onStatus;
    // The log changed: a record was made, or another project's log was read.
    std::function<void()> onLogChanged;

    HRStopWatch& stopWatch() { return stopWatch_; }
    const HRStopWatch& stopWatch() const { return stopWatch_; }
    const WorkLog& log() const { return log_; }
    const std::string& logPath() const { return logPath_; }
    const Message& timerText() const { return timerText_; }

    // Started from zero on a task row, the stopwatch times that task: bookings go to it
    // wherever the selection is, and it follows its row through sorts, deletions of other rows,
    // undo and redo. A reset or the loss of its row ends the binding; a booking keeps it.
    void startTimer();
    // For clients of the first remote protocol: a start from zero times no task, as it did.
    void startTimerForNoTask();
    void stopTimer();
    void resetTimer();
    // Books the stopwatch's time to the timed (else the selected) task's Hours and restarts it
    // from zero.
    void addTimerToHours();
    // The same, with a refusal's message returned instead of shown (empty when booked).
    Message bookTimer();
    // The timer's tick: the display, and the running session's sign of life once a minute.
    void updateStopWatchDisplay();
    // Time This Task: books what the stopwatch holds to its task (unbound, asks where it
    // goes), then times the selected task from zero.
    void timeThisTask();
    void timeTask(int row);
    // For another process: nothing is asked, a refusal is returned (empty when started).
    Message timeTaskNumbered(const std::string& number);

    // The row of the timed task, or -1.
    int boundRow() const;
    // "Timing task 2: Write report"; empty while no task is timed.
    Message timingText() const;
    // "Timed today 2.75 h · Week 14.5 h": the log's sessions by when the work happened, the
    // running one included, booked or not.
    Message dayWeekText();
    // The same while the stopwatch is in use or the log has time this week; else empty.
    Message dayWeekStatus();
    // "task 2: Write report" for the remote status; empty while no task is timed.
    std::string timedTaskReply() const;
    // The remote status while a session cut off by a crash waits for its question.
    std::string interruptedReply() const;
    // The last five timed tasks still in the table, the latest first.
    std::vector<int> recentTaskRows() const;
    BookTo bookTo() const { return bookTo_; }
    void setBookTo(BookTo to) { bookTo_ = to; }
    // The stopwatch's settings: time away and reminders for the guard, and where bookings go.
    // The one place they are applied; a guard attached later takes them too.
    const GuardSettings& settings() const { return settings_; }
    void applySettings(const GuardSettings& settings);
    void attachGuard(StopwatchGuard* guard);
    // The tray icon's hint: "Quillet1 — 1 h 05 min — Write report" while the stopwatch runs
    // (the minute as the status bar counts it), the program's name otherwise.
    Message trayHint() const;
    const Message& lastBooking() const { return lastBooking_; }
    // Counts the bookings made: a recovery copy takes each at once, not after a pause.
    std::uint64_t bookingsMade() const { return bookingsMade_; }

    TimedState timedState() const;
    // Puts back what a recovery copy kept: the banked time and the task. A stopwatch that was
    // running is not run on: the time the program was down is the log's question.
    void restoreTimedState(const TimedState& state);
    void askAboutTimeAway(StopwatchGuard& guard);
    // The closing question about time not booked; false when the user cancelled. Then the
    // running session ends.
    bool askAboutUnbookedTime();
    void closing();

    // The project now lives at `projectPath` (empty: untitled). A new project switches logs
    // and asks about a session a crash cut off; the same project under a new name (Save As)
    // takes its log along.
    void followProject(const std::string& projectPath, int generation);
    // Where an untitled project's log is kept (beside its recovery copy; empty: in memory),
    // and what makes its folder before the first record is written there.
    void setUntitledLogPath(std::string path, std::function<void()> makeFolder = {});
    // The next untitled project is recovered work: its log is the one at `path` (beside the
    // copy it was kept with), taken over as this run's.
    void adoptUntitledLog(std::string path) { adoptLog_ = std::move(path); }
    // The Work Log window: the sessions of the local days [fromDay, toDay), and its
    // corrections. Each correction returns its refusal, or empty text when made; one that
    // changes a booked session's length changes its task's Hours by the difference, in one
    // step of the history.
    std::vector<LogPageDay> logPage(double fromDay, double toDay);
    // The time worked in the local days [fromDay, toDay), sessions begun before included.
    std::int64_t timedInDays(double fromDay, double toDay);
    // A session of the log is this stopwatch's, running now.
    bool sessionRunning() const { return open_.has_value(); }
    Message changeSession(LogId session, double startLocal, double endLocal);
    // Asks first; Yes deletes.
    Message deleteSession(LogId session);
    // Work done without the stopwatch: a session on task row `row`, added to its Hours.
    Message addSession(int row, double startLocal, double endLocal);
    // "I started 15 minutes ago": the running session and the stopwatch go back.
    Message startedEarlier(int minutes);
    // Writes the log where the user chooses, as a calendar or a table.
    void exportLog();

    // Undo and redo of a step this timer made.
    void stepUndone(std::uint64_t tag);
    void stepRedone(std::uint64_t tag);

    // While one lives the table is being reloaded from its file: the timed task is looked for
    // again by its Task # and description afterwards.
    class Reloading {
      public:
        explicit Reloading(TaskTimer& timer);
        ~Reloading();
        Reloading(const Reloading&) = delete;
        Reloading& operator=(const Reloading&) = delete;

      private:
        TaskTimer& timer_;
    };

  private:
    struct BookingNote {
        LogId booking;
        double days = 0;  // what the stopwatch held
        std::vector<LogId> sessions;
        std::int64_t hundredths = 0;
        TaskName task;
        int rowMark = -1;
        bool undone = false;
    };

    struct TimedMs {
        std::int64_t today = 0;
        std::int64_t week = 0;
    };
    TimedMs timedTodayAndWeek();
    Message dayWeekTextOf(const TimedMs& timed) const;
    void runSession(LogId id, std::int64_t start);
    void moveRunningStart(std::int64_t start);
    // A correction of the log made with a step of the history, to take back and do again.
    struct Correction {
        enum class Kind { Change, Delete, Add };
        Kind kind = Kind::Change;
        LogId session;
        std::int64_t oldStart = 0, oldEnd = 0, newStart = 0, newEnd = 0;
        std::int64_t hundredths = 0;  // Add: what it booked
        TaskName task;
        LogId booking;
    };
    void applyCorrection(const Correction& correction, bool forward);
    // The row that holds a session's booked hours, or -1.
    int bookedRow(const WorkSession& session) const;
    // Changes the Hours of the session's task by `hundredths` as one step that takes the
    // correction back on undo; the refusal, or empty text.
    Message correctHours(const WorkSession& session, std::int64_t hundredths,
                         const Correction& correction);
    void gridChanged(const GridChange& change) override;
    // Without flushNow the records wait for the command's own flush: a switch of task books
    // and starts anew with one sync.
    Message bookRow(int row, bool flushNow = true);
    // Books `days` to the row as one step of the history; the refusal, or empty when booked.
    Message bookStep(int row, double days, std::uint64_t tag, BookingResult& result);
    void recordBooking(std::uint64_t tag, double days, std::vector<LogId> sessions, int row);
    Message switchTo(int row, bool mayAsk);
    void bind(int row);
    void unbind();
    void bindingLost();
    TaskName boundTask() const;
    int rowOfTask(const TaskName& task) const;
    LogId newId();
    std::int64_t utcNow() { return clock_.utcMs(); }
    // The running session begins or ends in the log (when the stopwatch starts or stops).
    void openSession();
    void closeSession();
    // The records made by a command go to the file together, with one sync.
    void flush();
    void readLog();
    void askAboutInterrupted();
    void note(const Message& text);

    CellGrid& grid_;
    StepRunner& steps_;
    Prompts& prompts_;
    Clock& clock_;
    const Locale& locale_;
    HRStopWatch stopWatch_;
    int boundMark_ = -1;
    bool bound_ = false;
    TaskName boundName_;  // to find it again, and for the note when its row goes
    std::vector<int> recentMarks_;
    BookTo bookTo_ = BookTo::TaskRow;
    GuardSettings settings_;
    StopwatchGuard* guard_ = nullptr;
    Message lastBooking_;
    Message timerText_;
    int reloading_ = 0;
    bool lostWhileReloading_ = false;

    WorkLog log_;
    std::string logPath_;
    std::string untitledLogPath_;
    std::string adoptLog_;
    std::function<void()> makeUntitledFolder_;
    std::string projectPath_;
    int generation_ = -1;
    std::string pending_;        // records not yet on disk
    std::optional<LogId> open_;  // the session this stopwatch is running
    std::int64_t openStartUtc_ = 0;
    std::int64_t openStartMono_ = 0;
    std::int64_t lastSeenMono_ = 0;
    std::int64_t lastClosedEnd_ = 0;    // of the session this stopwatch ended last
    std::vector<LogId> held_;           // closed sessions the stopwatch holds, unbooked
    std::optional<LogId> interrupted_;  // a crash's session, not yet decided
    std::map<std::uint64_t, BookingNote> bookings_;
    std::map<std::uint64_t, Correction> corrections_;
    std::uint64_t nextTag_ = 1;
    std::uint64_t bookingsMade_ = 0;
    std::mt19937 random_;
    LogId lastId_;
    bool logFailed_ = false;
};

}  // namespace quillet
