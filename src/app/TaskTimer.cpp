#include "app/TaskTimer.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <utility>

#include "app/Project.h"
#include "app/ProjectExport.h"
#include "formats/LogFile.h"
#include "ports/ProductInfo.h"
#include "tasks/Summary.h"
#include "tasks/TaskRow.h"
#include "tasks/TaskRows.h"
#include "tasks/TimerHours.h"
#include "tasks/WorkLogExport.h"

namespace quillet {

namespace {

constexpr std::int64_t kMsPerDay = 86400000;
constexpr std::int64_t kSeenEveryMs = 60000;
// A session whose process still runs and showed life this recently is another copy's.
constexpr std::int64_t kAliveWithinMs = 3 * kSeenEveryMs;
constexpr std::size_t kProblemsShown = 5;
// Two clocks disagree by less than this from one session to the next.
constexpr std::int64_t kSeamMs = 1000;

bool processRuns(long pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// "09:12", with the date in front when it is not the day given.
std::string whenText(double local, double today, const Locale& locale) {
    std::string text = clockText(local);
    if (std::floor(local) != today) text = locale.formatDate(std::floor(local)) + " " + text;
    return text;
}

}  // namespace

TaskTimer::TaskTimer(CellGrid& grid, StepRunner& steps, Prompts& prompts, Clock& clock,
                     const Locale& locale)
    : grid_(grid),
      steps_(steps),
      prompts_(prompts),
      clock_(clock),
      locale_(locale),
      stopWatch_(clock),
      random_(std::random_device{}()) {
    boundMark_ = grid_.addRowMark(-1);
    grid_.addListener(this);
}

TaskTimer::~TaskTimer() {
    grid_.removeListener(this);
}

void TaskTimer::note(const Message& text) {
    if (onStatus) onStatus(text);
}

// Ids sort by when they were made, also when the clock was set back since the last one: a
// correction must come after what it corrects.
LogId TaskTimer::newId() {
    LogId id{utcNow(), static_cast<std::uint32_t>(random_())};
    const LogId floor = std::max(lastId_, log_.latestId());
    if (id <= floor) {
        id = floor;
        if (++id.random == 0) ++id.ms;
    }
    lastId_ = id;
    return id;
}

TaskName TaskTimer::boundTask() const {
    const int row = boundRow();
    if (row < 0) return {};
    return {taskNumberText(grid_, row), taskDescriptionText(grid_, row)};
}

int TaskTimer::rowOfTask(const TaskName& task) const {
    if (task.number.empty() && task.description.empty()) return -1;
    for (int row = 1; row < grid_.rowCount(); ++row) {
        if (isTaskRow(grid_, row) && taskNumberText(grid_, row) == task.number &&
            taskDescriptionText(grid_, row) == task.description)
            return row;
    }
    return -1;
}

// --- the log -------------------------------------------------------------------------------

void TaskTimer::openSession() {
    if (open_ || !stopWatch_.running()) return;
    const LogId id = newId();
    // Right after the session before (a booking, a switch), the steady clock it ended by may
    // run a millisecond ahead of the wall clock: the two never overlap for that.
    std::int64_t start = utcNow();
    if (start < lastClosedEnd_ && lastClosedEnd_ - start < kSeamMs) start = lastClosedEnd_;
    pending_ += log_.startSession(id, boundTask(), start, static_cast<long>(::getpid()));
    runSession(id, start);
}

// The session runs for this stopwatch since `start`, measured on from there by the steady
// clock; it shows life at the next minute.
void TaskTimer::runSession(LogId id, std::int64_t start) {
    const std::int64_t mono = clock_.monotonicMs();
    open_ = id;
    openStartUtc_ = start;
    openStartMono_ = mono - std::max<std::int64_t>(0, utcNow() - start);
    lastSeenMono_ = mono;
}

// The session's end is its start plus what the steady clock measured: a clock set meanwhile
// does not stretch it.
void TaskTimer::closeSession() {
    if (!open_) return;
    const std::int64_t end =
        openStartUtc_ + std::max<std::int64_t>(0, clock_.monotonicMs() - openStartMono_);
    pending_ += log_.endSession(newId(), *open_, end);
    lastClosedEnd_ = end;
    held_.push_back(*open_);
    open_.reset();
}

void TaskTimer::flush() {
    if (pending_.empty()) return;
    if (onLogChanged) onLogChanged();
    // Without a file yet (an untitled project before its recovery folder is known) the
    // records wait.
    if (logPath_.empty()) return;
    std::string records = std::move(pending_);
    pending_.clear();
    try {
        if (logPath_ == untitledLogPath_ && makeUntitledFolder_) makeUntitledFolder_();
        const std::size_t at = logfile::append(logPath_, WorkLog::headerLine(), records);
        for (std::size_t from = 0; from < records.size();) {
            const std::size_t end = records.find('\n', from);
            log_.noteAppendedAt(at + from, std::string_view(records).substr(from, end - from + 1));
            from = end + 1;
        }
        logFailed_ = false;
    } catch (const MessageError& e) {
        // Tried again with the next records; said once, not on every tick.
        pending_ = records + pending_;
        if (!logFailed_) note(e.message());
        logFailed_ = true;
    }
}

void TaskTimer::readLog() {
    log_ = WorkLog();
    if (logPath_.empty()) return;
    std::optional<std::string> text;
    try {
        text = logfile::read(logPath_);
    } catch (const LogFileError& e) {
        prompts_.showMessage(e.message());
        return;
    }
    if (!text) return;
    std::vector<LogProblem> problems;
    log_ = WorkLog::read(*text, &problems);
    if (problems.empty()) return;
    std::string lines;
    for (std::size_t k = 0; k < problems.size() && k < kProblemsShown; ++k)
        lines += "\n" + std::to_string(problems[k].line) + ": " + problems[k].reason;
    if (problems.size() > kProblemsShown) lines += "\n…";
    prompts_.showMessage(Message(QUILLET_TR("CoreMessages",
                                            "Some lines of the work log %1 could not be read and "
                                            "were skipped; the rest is kept:%2"))
                             .arg(logPath_)
                             .arg(lines));
}

void TaskTimer::followProject(const std::string& projectPath, int generation) {
    const std::string path = projectPath.empty() ? untitledLogPath_ : logPathFor(projectPath);
    if (generation == generation_ && projectPath == projectPath_) return;
    const bool sameProject = generation == generation_;
    generation_ = generation;
    projectPath_ = projectPath;
    if (sameProject && path == logPath_) return;
    if (sameProject) {
        // Saved under a new name: the log goes along, and its records keep their places.
        try {
            if (!logPath_.empty()) {
                if (auto bytes = logfile::read(logPath_)) logfile::writeWhole(path, *bytes);
            }
        } catch (const MessageError& e) {
            note(e.message());
        }
        logPath_ = path;
        return;
    }
    // Another project: the running session ends in the old log and goes on, for no task yet,
    // in the new one. What the stopwatch holds stays on it.
    closeSession();
    flush();
    held_.clear();
    bookings_.clear();
    corrections_.clear();
    interrupted_.reset();
    if (projectPath.empty() && !path.empty()) {
        // An untitled project's log is this run's: recovered work brings its own, a fresh
        // project starts an empty one (the one before was saved with its file, or given up).
        if (!adoptLog_.empty())
            ::rename(adoptLog_.c_str(), path.c_str());
        else if (path == logPath_)
            ::unlink(path.c_str());
    }
    adoptLog_.clear();
    logPath_ = path;
    readLog();
    if (onLogChanged) onLogChanged();
    openSession();
    flush();
    askAboutInterrupted();
}

// --- a session cut off by a crash ------------------------------------------------------------

void TaskTimer::askAboutInterrupted() {
    interrupted_.reset();
    const std::int64_t now = utcNow();
    for (const LogId id : log_.openSessions()) {
        // Another copy of the program may be timing it: it shows life every minute.
        if ((open_ && *open_ == id) ||
            (processRuns(log_.pidOf(id)) && now - log_.seen(id) < kAliveWithinMs))
            continue;
        interrupted_ = id;
        break;
    }
    if (!interrupted_) return;
    const WorkSession s = *log_.session(*interrupted_);
    const TaskName task = log_.taskOf(s);
    const std::int64_t seen = std::max(log_.seen(s.id), s.start);
    const double today = std::floor(clock_.now());
    const std::string from = whenText(clock_.localFromUtc(s.start), today, locale_);
    const std::string until = whenText(clock_.localFromUtc(seen), today, locale_);
    Message question =
        task.number.empty()
            ? Message(QUILLET_TR("CoreMessages",
                                 "The stopwatch was running from %1 until Quillet1 stopped "
                                 "(last seen %2)."))
                  .arg(from)
                  .arg(until)
            : Message(QUILLET_TR("CoreMessages",
                                 "Task %1 \u201c%2\u201d was being timed from %3 until Quillet1 "
                                 "stopped (last seen %4)."))
                  .arg(task.number)
                  .arg(task.description)
                  .arg(from)
                  .arg(until);
    // Resume only onto a stopwatch with nothing of its own.
    const bool mayResume = !stopWatch_.running() && stopWatch_.elapsedTime() == 0.0;
    std::vector<Message> buttons;
    if (mayResume) buttons.push_back(QUILLET_TR("CoreMessages", "&Resume"));
    buttons.push_back(Message(QUILLET_TR("CoreMessages", "&Book until %1")).arg(until));
    buttons.push_back(QUILLET_TR("CoreMessages", "&Discard"));
    std::optional<std::size_t> choice = prompts_.askChoice(question, buttons);
    if (!choice) return;  // asked again with the project's next opening
    if (!mayResume) ++*choice;
    const LogId id = *interrupted_;
    interrupted_.reset();
    const int row = rowOfTask(task);
    switch (*choice) {
        case 0: {  // Resume: the session is this stopwatch's again, from its start
            const std::int64_t running = std::max<std::int64_t>(0, utcNow() - s.start);
            stopWatch_.restore(true, 0.0, clock_.now() - static_cast<double>(running) / kMsPerDay);
            runSession(id, s.start);
            lastSeenMono_ -= kSeenEveryMs;  // a sign of life at once
            if (row >= 1) bind(row);
            updateStopWatchDisplay();
            break;
        }
        case 1: {  // Book until the last sign of life
            pending_ += log_.endSession(newId(), id, seen);
            const double days = static_cast<double>(seen - s.start) / kMsPerDay;
            if (row < 1) {
                flush();
                note(Message(QUILLET_TR("CoreMessages",
                                        "Task %1 is not in the table: the time stays in the "
                                        "work log, unbooked"))
                         .arg(task.number));
                break;
            }
            const std::uint64_t tag = nextTag_++;
            BookingResult result;
            if (Message refusal = bookStep(row, days, tag, result); !refusal.empty()) {
                flush();
                prompts_.showMessage(refusal);
                break;
            }
            recordBooking(tag, days, {id}, result.row);
            break;
        }
        default:  // Discard
            pending_ += log_.deleteSession(newId(), id);
            break;
    }
    flush();
}

std::string TaskTimer::interruptedReply() const {
    if (!interrupted_) return {};
    const WorkSession* s = log_.session(*interrupted_);
    if (!s) return {};
    const TaskName& task = log_.taskOf(*s);
    std::string text = "interrupted";
    if (!task.number.empty()) {
        text += " task " + task.number;
        if (!task.description.empty()) text += ": " + task.description;
    }
    return text + " since " + utcText(s->start) + ", last seen " +
           utcText(std::max(log_.seen(s->id), s->start)) +
           " (Quillet1 stopped; answer its question in the window)";
}

// --- the commands --------------------------------------------------------------------------

// The display is not refreshed here: the next tick shows the running time.
void TaskTimer::startTimer() {
    const bool fromZero = !stopWatch_.running() && stopWatch_.elapsedTime() == 0.0;
    if (fromZero && isTaskRow(grid_, grid_.currentRow())) bind(grid_.currentRow());
    startTimerForNoTask();
}

void TaskTimer::startTimerForNoTask() {
    timerStartCommand(stopWatch_);
    openSession();
    flush();
}

void TaskTimer::stopTimer() {
    closeSession();
    timerText_ = timerStopCommand(stopWatch_);
    flush();
}

void TaskTimer::resetTimer() {
    closeSession();
    held_.clear();
    timerText_ = timerResetCommand(stopWatch_);
    unbind();
    flush();
}

void TaskTimer::addTimerToHours() {
    const Message refusal = bookTimer();
    if (!refusal.empty()) prompts_.showMessage(refusal);
}

Message TaskTimer::bookTimer() {
    return bookRow(bound_ ? boundRow() : grid_.currentRow());
}

// The stopwatch's time goes to the row (or a row of its day) as one step; it then runs on
// from zero for the same task, so a second booking cannot go to whatever row is selected.
// The log closes the running session there, books it with the held ones and begins anew.
Message TaskTimer::bookRow(int row, bool flushNow) {
    const double days = stopWatch_.elapsedTime();
    const std::uint64_t tag = nextTag_++;
    BookingResult result;
    if (Message refusal = bookStep(row, days, tag, result); !refusal.empty()) return refusal;
    const bool running = stopWatch_.running();
    closeSession();
    recordBooking(tag, days, std::exchange(held_, {}), result.row);
    timerText_ = timerRestartCommand(stopWatch_);
    if (running) openSession();
    if (flushNow) flush();
    return {};
}

Message TaskTimer::bookStep(int row, double days, std::uint64_t tag, BookingResult& result) {
    const double today = std::floor(clock_.now());
    steps_.runStep(
        QUILLET_TR("CoreMessages", "Add Timer to Task Hours"),
        [&] {
            result = bookTime(grid_, row, days * kSecondsPerDay, locale_, locale_.formatDate(today),
                              static_cast<int>(today), bookTo_);
        },
        tag);
    if (!result.hours.added()) return result.hours.message;
    note(result.hours.message);
    lastBooking_ = result.hours.message;
    return {};
}

void TaskTimer::recordBooking(std::uint64_t tag, double days, std::vector<LogId> sessions,
                              int row) {
    BookingNote booked;
    booked.booking = newId();
    booked.days = days;
    booked.sessions = std::move(sessions);
    booked.hundredths = hundredthsOfHour(days * kSecondsPerDay);
    booked.task = {taskNumberText(grid_, row), taskDescriptionText(grid_, row)};
    booked.rowMark = grid_.addRowMark(row);
    pending_ += log_.book(booked.booking, booked.sessions, booked.hundredths, booked.task);
    bookings_.emplace(tag, std::move(booked));
    ++bookingsMade_;
}

// Undo takes the hours back and gives the time to the stopwatch, for the same task, as it
// was before the booking; with the stopwatch busy on another task the time stays in the log,
// unbooked.
void TaskTimer::stepUndone(std::uint64_t tag) {
    if (const auto correction = corrections_.find(tag); correction != corrections_.end()) {
        applyCorrection(correction->second, false);
        return;
    }
    const auto it = bookings_.find(tag);
    if (it == bookings_.end() || it->second.undone) return;
    BookingNote& booked = it->second;
    booked.undone = true;
    pending_ += log_.unbook(newId(), booked.booking);
    const int row = grid_.markedRow(booked.rowMark);
    const bool free = boundRow() < 0 && !stopWatch_.running() && stopWatch_.elapsedTime() == 0.0;
    if ((row >= 1 && row == boundRow()) || free) {
        if (free && row >= 1) bind(row);
        stopWatch_.addTime(booked.days);
        held_.insert(held_.begin(), booked.sessions.begin(), booked.sessions.end());
        timerText_ = stopWatchDisplayText(stopWatch_);
    } else {
        note(Message(QUILLET_TR("CoreMessages",
                                "The stopwatch times another task: the %1 taken back stays in "
                                "the work log, unbooked"))
                 .arg(heldTimeText(booked.days)));
    }
    flush();
}

void TaskTimer::stepRedone(std::uint64_t tag) {
    if (const auto correction = corrections_.find(tag); correction != corrections_.end()) {
        applyCorrection(correction->second, true);
        return;
    }
    const auto it = bookings_.find(tag);
    if (it == bookings_.end() || !it->second.undone) return;
    BookingNote& booked = it->second;
    booked.undone = false;
    booked.booking = newId();
    pending_ += log_.book(booked.booking, booked.sessions, booked.hundredths, booked.task);
    const int row = grid_.markedRow(booked.rowMark);
    if (row >= 1 && row == boundRow() && stopWatch_.elapsedTime() >= booked.days) {
        stopWatch_.deduct(booked.days);
        std::erase_if(held_, [&](LogId id) {
            return std::find(booked.sessions.begin(), booked.sessions.end(), id) !=
                   booked.sessions.end();
        });
        timerText_ = stopWatchDisplayText(stopWatch_);
    }
    flush();
}

void TaskTimer::timeThisTask() {
    timeTask(grid_.currentRow());
}

void TaskTimer::timeTask(int row) {
    const Message refusal = isTaskRow(grid_, row) ? switchTo(row, true) : kSelectTaskRowFirst;
    if (!refusal.empty()) prompts_.showMessage(refusal);
}

Message TaskTimer::timeTaskNumbered(const std::string& number) {
    for (int row = 1; row < grid_.rowCount(); ++row) {
        if (isTaskRow(grid_, row) && taskNumberText(grid_, row) == number)
            return switchTo(row, false);
    }
    return Message(QUILLET_TR("CoreMessages", "There is no task %1")).arg(number);
}

Message TaskTimer::switchTo(int row, bool mayAsk) {
    const int from = boundRow();
    if (from == row) {
        startTimerForNoTask();  // its own task: it runs on
        return {};
    }
    const double elapsed = stopWatch_.elapsedTime();
    // Less than a hundredth of an hour books nothing.
    if (hundredthsOfHour(elapsed * kSecondsPerDay) > 0) {
        if (from >= 1) {
            if (Message refusal = bookRow(from, false); !refusal.empty()) return refusal;
        } else if (!mayAsk) {
            return QUILLET_TR("CoreMessages",
                              "The stopwatch holds time for no task: book it or reset it first");
        } else {
            switch (unboundAnswer(
                prompts_.askChoice(unboundQuestion(elapsed, grid_, row), unboundButtons()))) {
                case UnboundAnswer::Cancel:
                    return {};
                case UnboundAnswer::AddToNew:
                    if (Message refusal = bookRow(row, false); !refusal.empty()) return refusal;
                    break;
                case UnboundAnswer::Discard:
                    break;
            }
        }
    }
    closeSession();
    held_.clear();
    stopWatch_.stop();
    stopWatch_.reset();
    bind(row);
    stopWatch_.start();
    openSession();
    flush();
    timerText_ = stopWatchDisplayText(stopWatch_);
    return {};
}

bool TaskTimer::askAboutUnbookedTime() {
    const double elapsed = stopWatch_.elapsedTime();
    if (!holdsAMinute(elapsed)) return true;
    const std::optional<std::size_t> button =
        prompts_.askChoice(closingQuestion(elapsed, grid_, boundRow()), closingButtons());
    switch (closingAnswer(button)) {
        case ClosingAnswer::Cancel:
            return false;
        case ClosingAnswer::DontAdd:
            return true;
        case ClosingAnswer::Add:
            break;
    }
    const Message refusal = bookTimer();
    if (refusal.empty()) return true;
    prompts_.showMessage(refusal);
    return false;
}

// The window closes: the running session ends where it is.
void TaskTimer::closing() {
    closeSession();
    flush();
}

void TaskTimer::updateStopWatchDisplay() {
    timerText_ = stopWatchDisplayText(stopWatch_);
    if (!open_) return;
    const std::int64_t mono = clock_.monotonicMs();
    if (mono - lastSeenMono_ < kSeenEveryMs) return;
    lastSeenMono_ = mono;
    const std::int64_t seen = openStartUtc_ + std::max<std::int64_t>(0, mono - openStartMono_);
    log_.markSeen(*open_, seen);
    const std::optional<std::size_t> offset = log_.seenOffset(*open_);
    if (!offset || logPath_.empty()) return;
    try {
        logfile::overwrite(logPath_, *offset, utcText(seen));
    } catch (const LogFileError& e) {
        if (!logFailed_) note(e.message());
        logFailed_ = true;
    }
}

// --- the Work Log window ---------------------------------------------------------------------

namespace {
constexpr const char* kNoSuchSession =
    QUILLET_TR("CoreMessages", "That session is no longer in the work log");
constexpr const char* kEndsBeforeStart =
    QUILLET_TR("CoreMessages", "A session cannot end before it starts");

std::int64_t hundredthsOfMs(std::int64_t ms) {
    return hundredthsOfHour(static_cast<double>(ms) / 1000.0);
}
}  // namespace

std::vector<LogPageDay> TaskTimer::logPage(double fromDay, double toDay) {
    return quillet::logPage(log_, fromDay, toDay, clock_, open_);
}

std::int64_t TaskTimer::timedInDays(double fromDay, double toDay) {
    return log_.timedBetween(clock_.utcFromLocal(fromDay), clock_.utcFromLocal(toDay), utcNow(),
                             open_);
}

int TaskTimer::bookedRow(const WorkSession& session) const {
    const WorkBooking* booking = log_.bookingOf(session);
    if (!booking) return -1;
    for (const auto& [tag, note] : bookings_) {
        if (note.booking == booking->id) {
            const int row = grid_.markedRow(note.rowMark);
            if (row >= 1) return row;
        }
    }
    return rowOfTask(log_.taskName(booking->task));
}

Message TaskTimer::correctHours(const WorkSession& session, std::int64_t hundredths,
                                const Correction& correction) {
    const int row =
        correction.kind == Correction::Kind::Add ? rowOfTask(correction.task) : bookedRow(session);
    if (row < 1) {
        const WorkBooking* booking = log_.bookingOf(session);
        return Message(QUILLET_TR("CoreMessages",
                                  "Task %1 is not in the table: its Hours cannot follow the "
                                  "change"))
            .arg(booking ? log_.taskName(booking->task).number : correction.task.number);
    }
    const std::uint64_t tag = nextTag_++;
    TimerHoursResult result;
    steps_.runStep(
        QUILLET_TR("CoreMessages", "Change Work Log"),
        [&] { result = changeHours(grid_, row, hundredths, locale_); }, tag);
    if (!result.added()) return result.message;
    note(result.message);
    corrections_.emplace(tag, correction);
    applyCorrection(correction, true);
    return {};
}

void TaskTimer::applyCorrection(const Correction& c, bool forward) {
    switch (c.kind) {
        case Correction::Kind::Change:
            pending_ += log_.changeSession(newId(), c.session, forward ? c.newStart : c.oldStart,
                                           forward ? c.newEnd : c.oldEnd);
            break;
        case Correction::Kind::Delete:
            pending_ += forward ? log_.deleteSession(newId(), c.session)
                                : log_.undeleteSession(newId(), c.session);
            break;
        case Correction::Kind::Add:
            if (!log_.session(c.session)) {
                pending_ += log_.addSession(c.session, c.task, c.newStart, c.newEnd);
            } else {
                pending_ += forward ? log_.undeleteSession(newId(), c.session)
                                    : log_.deleteSession(newId(), c.session);
            }
            if (forward) {
                pending_ += log_.book(newId(), {c.session}, c.hundredths, c.task);
            } else if (const WorkSession* s = log_.session(c.session); s && s->booking) {
                pending_ += log_.unbook(newId(), log_.bookingOf(*s)->id);
            }
            break;
    }
    flush();
}

Message TaskTimer::changeSession(LogId id, double startLocal, double endLocal) {
    const WorkSession* found = log_.session(id);
    if (!found || found->deleted) return kNoSuchSession;
    const WorkSession s = *found;
    const std::int64_t start = clock_.utcFromLocal(startLocal);
    if (open_ && *open_ == id) {
        // The running session ends now: only its start moves, earlier or later.
        if (start > utcNow()) return kEndsBeforeStart;
        moveRunningStart(start);
        return {};
    }
    const std::int64_t end = clock_.utcFromLocal(endLocal);
    if (end < start) return kEndsBeforeStart;
    if (!s.closed) pending_ += log_.endSession(newId(), id, std::max(log_.seen(id), s.start));
    const std::int64_t oldEnd = s.closed ? s.end : std::max(log_.seen(id), s.start);
    const Correction correction{
        Correction::Kind::Change, id, s.start, oldEnd, start, end, 0, {}, {}};
    const std::int64_t difference = hundredthsOfMs(end - start) - hundredthsOfMs(oldEnd - s.start);
    if (s.booking && difference != 0) return correctHours(s, difference, correction);
    applyCorrection(correction, true);
    return {};
}

Message TaskTimer::deleteSession(LogId id) {
    const WorkSession* found = log_.session(id);
    if (!found || found->deleted) return kNoSuchSession;
    if (open_ && *open_ == id) {
        return QUILLET_TR("CoreMessages",
                          "The stopwatch is timing this session: stop it before deleting it");
    }
    const WorkSession s = *found;
    const TaskName& task = log_.taskOf(s);
    const double startLocal = clock_.localFromUtc(s.start);
    const double endLocal =
        clock_.localFromUtc(s.closed ? s.end : std::max(log_.seen(id), s.start));
    Message question =
        Message(QUILLET_TR("CoreMessages", "Delete the session of task %1 on %2 from %3 to %4?"))
            .arg(task.number.empty() ? task.description : task.number)
            .arg(locale_.formatDate(std::floor(startLocal)))
            .arg(clockText(startLocal))
            .arg(clockText(endLocal));
    question = Message(QUILLET_TR("CoreMessages", "%1 %2"))
                   .arg(std::move(question))
                   .arg(s.booking ? Message(QUILLET_TR("CoreMessages",
                                                       "Its time also comes off the task's "
                                                       "Hours; Undo puts it back."))
                                  : Message(QUILLET_TR("CoreMessages",
                                                       "It is not booked: this cannot be "
                                                       "undone.")));
    if (!prompts_.askYesNo(question)) return {};
    const Correction correction{Correction::Kind::Delete, id, 0, 0, 0, 0, 0, {}, {}};
    const std::int64_t booked = s.closed ? hundredthsOfMs(s.end - s.start) : 0;
    if (s.booking && booked != 0) return correctHours(s, -booked, correction);
    applyCorrection(correction, true);
    return {};
}

Message TaskTimer::addSession(int row, double startLocal, double endLocal) {
    if (!isTaskRow(grid_, row)) return kSelectTaskRowFirst;
    const std::int64_t start = clock_.utcFromLocal(startLocal);
    const std::int64_t end = clock_.utcFromLocal(endLocal);
    if (end <= start) return kEndsBeforeStart;
    Correction correction{Correction::Kind::Add,
                          newId(),
                          0,
                          0,
                          start,
                          end,
                          hundredthsOfMs(end - start),
                          {taskNumberText(grid_, row), taskDescriptionText(grid_, row)},
                          {}};
    WorkSession none;
    return correctHours(none, correction.hundredths, correction);
}

Message TaskTimer::startedEarlier(int minutes) {
    if (!open_) return QUILLET_TR("CoreMessages", "The stopwatch is not running");
    if (minutes <= 0) return {};
    moveRunningStart(openStartUtc_ - std::int64_t{minutes} * 60000);
    return {};
}

// The running session begins at `start`, earlier or later, and the stopwatch moves with it.
void TaskTimer::moveRunningStart(std::int64_t start) {
    const std::int64_t back = openStartUtc_ - start;
    openStartUtc_ = start;
    openStartMono_ -= back;
    pending_ += log_.changeSession(newId(), *open_, start, 0);
    if (back > 0)
        stopWatch_.addTime(static_cast<double>(back) / kMsPerDay);
    else
        stopWatch_.deduct(static_cast<double>(-back) / kMsPerDay);
    timerText_ = stopWatchDisplayText(stopWatch_);
    flush();
}

void TaskTimer::exportLog() {
    const std::string name = exportName(projectPath_) + " log";
    const std::string folder = projectPath_.empty()
                                   ? std::string()
                                   : std::filesystem::path(projectPath_).parent_path().string();
    const std::optional<std::string> path = prompts_.chooseLogExportPath(folder, name + ".ics");
    if (!path) return;
    exportWorkLog(log_, open_, *path, clock_, locale_, name);
    note(Message(QUILLET_TR("CoreMessages", "Exported to %1")).arg(*path));
}

// --- settings and the tray -----------------------------------------------------------------

void TaskTimer::applySettings(const GuardSettings& settings) {
    settings_ = settings;
    bookTo_ = settings.rowPerDay ? BookTo::RowPerDay : BookTo::TaskRow;
    if (guard_) {
        guard_->setSettings(settings);
        settings_ = guard_->settings();  // within the guard's bounds
    }
}

void TaskTimer::attachGuard(StopwatchGuard* guard) {
    guard_ = guard;
    if (guard_) applySettings(settings_);
}

Message TaskTimer::trayHint() const {
    const Message name = Message::verbatim(kProductName);
    if (!stopWatch_.running()) return name;
    Message hint = Message(QUILLET_TR("CoreMessages", "%1 \u2014 %2"))
                       .arg(name)
                       .arg(elapsedHoursMinutesText(stopWatch_.elapsedTime()));
    // The task by its description, which says more than its number.
    const int row = boundRow();
    const std::string task = row < 0 ? std::string() : taskDescriptionText(grid_, row);
    if (task.empty()) return hint;
    return Message(QUILLET_TR("CoreMessages", "%1 \u2014 %2")).arg(std::move(hint)).arg(task);
}

// --- the binding ---------------------------------------------------------------------------

void TaskTimer::bind(int row) {
    grid_.setRowMark(boundMark_, row);
    bound_ = grid_.markedRow(boundMark_) >= 0;
    if (!bound_) return;
    boundName_ = {taskNumberText(grid_, row), taskDescriptionText(grid_, row)};
    // The latest first, each task once.
    for (auto it = recentMarks_.begin(); it != recentMarks_.end();) {
        if (grid_.markedRow(*it) == row || grid_.markedRow(*it) < 0) {
            grid_.removeRowMark(*it);
            it = recentMarks_.erase(it);
        } else {
            ++it;
        }
    }
    recentMarks_.insert(recentMarks_.begin(), grid_.addRowMark(row));
    constexpr std::size_t kRecentTasks = 5;
    while (recentMarks_.size() > kRecentTasks) {
        grid_.removeRowMark(recentMarks_.back());
        recentMarks_.pop_back();
    }
}

void TaskTimer::unbind() {
    bound_ = false;
    grid_.setRowMark(boundMark_, -1);
}

int TaskTimer::boundRow() const {
    return bound_ ? grid_.markedRow(boundMark_) : -1;
}

// The timed row went with a deletion or a load, or was emptied (row 1 is never removed):
// it is no longer the task, and the time stays, for no task.
void TaskTimer::gridChanged(const GridChange& change) {
    if (!bound_) return;
    const int row = grid_.markedRow(boundMark_);
    if (row >= 0 && change.kind == GridChange::Kind::Cells &&
        (row < change.rect.top || row > change.rect.bottom))
        return;
    if (row >= 0 && isTaskRow(grid_, row)) {
        boundName_ = {taskNumberText(grid_, row), taskDescriptionText(grid_, row)};
        return;
    }
    if (reloading_ > 0) {
        lostWhileReloading_ = true;
        return;
    }
    bindingLost();
}

void TaskTimer::bindingLost() {
    unbind();
    note(Message(QUILLET_TR("CoreMessages",
                            "Task %1 is gone from the table: the stopwatch keeps its time, for "
                            "no task"))
             .arg(boundName_.number));
}

TaskTimer::Reloading::Reloading(TaskTimer& timer) : timer_(timer) {
    if (timer_.reloading_++ == 0) timer_.lostWhileReloading_ = false;
}

TaskTimer::Reloading::~Reloading() {
    if (--timer_.reloading_ > 0 || !timer_.lostWhileReloading_) return;
    timer_.lostWhileReloading_ = false;
    const int row = timer_.rowOfTask(timer_.boundName_);
    if (row >= 1) {
        timer_.grid_.setRowMark(timer_.boundMark_, row);
        timer_.bound_ = true;
    } else {
        timer_.bindingLost();
    }
}

Message TaskTimer::timingText() const {
    const int row = boundRow();
    return row < 0 ? Message() : quillet::timingText(grid_, row);
}

std::string TaskTimer::timedTaskReply() const {
    const int row = boundRow();
    return row < 0 ? std::string() : timedTaskReplyText(grid_, row);
}

// --- today and this week -------------------------------------------------------------------

// Local days and weeks, each measured between its local midnights in UTC: a day of a change
// of summer time has its 23 or 25 hours.
TaskTimer::TimedMs TaskTimer::timedTodayAndWeek() {
    const double today = std::floor(clock_.now());
    const IsoWeek week = isoWeekOf(static_cast<int>(today));
    const double monday = mondayOfIsoWeek(week.year, week.week);
    const std::int64_t now = utcNow();
    const auto timed = [&](double fromDay, double toDay) {
        return log_.timedBetween(clock_.utcFromLocal(fromDay), clock_.utcFromLocal(toDay), now,
                                 open_);
    };
    return {timed(today, today + 1), timed(monday, monday + 7)};
}

Message TaskTimer::dayWeekText() {
    return dayWeekTextOf(timedTodayAndWeek());
}

Message TaskTimer::dayWeekTextOf(const TimedMs& timed) const {
    return quillet::dayWeekText(static_cast<long double>(timed.today) / 3600000.0L,
                                static_cast<long double>(timed.week) / 3600000.0L, locale_);
}

Message TaskTimer::dayWeekStatus() {
    const bool inUse = stopWatch_.running() || stopWatch_.elapsedTime() != 0.0 || bound_;
    const TimedMs timed = timedTodayAndWeek();
    return inUse || timed.week > 0 ? dayWeekTextOf(timed) : Message();
}

std::vector<int> TaskTimer::recentTaskRows() const {
    std::vector<int> rows;
    for (const int mark : recentMarks_)
        if (const int row = grid_.markedRow(mark); row >= 1) rows.push_back(row);
    return rows;
}

TimedState TaskTimer::timedState() const {
    return {stopWatch_.running(), stopWatch_.accumulated(), stopWatch_.startedAt(),
            std::max(0, boundRow())};
}

void TaskTimer::restoreTimedState(const TimedState& state) {
    // A session the log's question resumed keeps running; the banked time joins it.
    if (stopWatch_.running()) {
        stopWatch_.addTime(state.banked);
    } else {
        stopWatch_.restore(false, state.banked, 0.0);
    }
    if (!bound_ && state.row >= 1 && isTaskRow(grid_, state.row)) bind(state.row);
    timerText_ = stopWatchDisplayText(stopWatch_);
}

void TaskTimer::setUntitledLogPath(std::string path, std::function<void()> makeFolder) {
    untitledLogPath_ = std::move(path);
    makeUntitledFolder_ = std::move(makeFolder);
    if (generation_ < 0 || !projectPath_.empty() || !logPath_.empty()) return;
    logPath_ = untitledLogPath_;
    flush();
}

// Time away taken off the stopwatch is taken out of the session too: it ends when the user
// left, and (the stopwatch running on) a new one begins when they came back.
void TaskTimer::askAboutTimeAway(StopwatchGuard& guard) {
    if (!guard.pending()) return;
    const Absence absence = *guard.pending();
    const std::optional<std::size_t> choice =
        prompts_.askChoice(guard.questionText(), guard.answerButtons());
    constexpr AwayAnswer kByButton[] = {AwayAnswer::Keep, AwayAnswer::Remove,
                                        AwayAnswer::StopAtLeave};
    const AwayAnswer answer =
        choice && *choice < std::size(kByButton) ? kByButton[*choice] : AwayAnswer::Keep;
    if (answer != AwayAnswer::Keep && open_) {
        const double local = clock_.now();
        const std::int64_t now = utcNow();
        const auto utcOf = [&](double at) {
            return now - static_cast<std::int64_t>(std::llround((local - at) * kMsPerDay));
        };
        const LogId session = *open_;
        const std::int64_t left = std::max(openStartUtc_, utcOf(absence.leftAt));
        pending_ += log_.endSession(newId(), session, left);
        held_.push_back(session);
        open_.reset();
        guard.answer(answer);
        if (stopWatch_.running()) {
            // Runs on from the return.
            const LogId id = newId();
            const std::int64_t back = std::min(now, std::max(left, utcOf(absence.backAt)));
            pending_ += log_.startSession(id, boundTask(), back, static_cast<long>(::getpid()));
            runSession(id, back);
        }
        flush();
    } else {
        guard.answer(answer);
    }
    timerText_ = stopWatchDisplayText(stopWatch_);
}

}  // namespace quillet
