#include "recovery/Recovery.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>

#include "formats/FileStamp.h"
#include "formats/LogFile.h"
#include "formats/ProjectFile.h"
#include "grid/GridSnapshot.h"
#include "ports/DateTime.h"
#include "tasks/TaskRows.h"

namespace quillet {

namespace fs = std::filesystem;

namespace {
constexpr const char* kUnknownError = QUILLET_TR("CoreMessages", "unknown error");

// Times are days in a double: a millisecond's slack keeps "5 s later" from reading 4.999999.
constexpr double kSlack = 0.001;

// Seconds from `then` to `now`; a clock set back counts as long ago.
double secondsSince(double then, double now) {
    const double seconds = (now - then) * kSecondsPerDay;
    return seconds < 0 ? std::numeric_limits<double>::infinity() : seconds;
}

}  // namespace

std::string copyTime(const RecoveryCopy& copy, const Locale& locale) {
    const ClockTime time = decodeTime(copy.info.time);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d", time.hour, time.minute);
    return locale.formatDate(copy.info.time) + " " + clock;
}

namespace {

// A copy is whole when its sidecar proves it: the size and hash written after it. Copies of
// earlier versions carry no proof; the copy itself is renamed into place whole, so they are
// taken as they are.
bool isWhole(const RecoveryCopy& copy) {
    if (!copy.info.copySize) return true;
    const std::optional<FileStamp> stamp = stampFile(copy.copyPath, Links::Refuse);
    return stamp && stamp->size == *copy.info.copySize && stamp->contentHash == copy.info.copyHash;
}

// Moved aside, never deleted: the user may still want what it holds.
std::string keepDamaged(const std::string& recoveryDir, const std::string& copyPath,
                        const std::string& sidecarPath) {
    const std::string folder = recoveryDir + "/damaged";
    makePrivateDirectory(folder);
    const std::string name = fs::path(copyPath).filename().string();
    ::rename(copyPath.c_str(), (folder + "/" + name).c_str());
    ::rename(sidecarPath.c_str(),
             (folder + "/" + fs::path(sidecarPath).filename().string()).c_str());
    return folder;
}

}  // namespace

std::vector<RecoveryCopy> abandonedCopies(const std::string& recoveryDir,
                                          std::vector<Message>* damaged, const Locale* locale) {
    std::vector<RecoveryCopy> copies;
    if (recoveryDir.empty()) return copies;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(recoveryDir, ec)) {
        const fs::path& file = entry.path();
        const std::string name = file.filename().string();
        if (name.starts_with('.')) {
            removeIfDeadTemporary(file.string());
            continue;
        }
        if (!isSidecarFileName(name)) continue;
        // Only files this program wrote: a link planted here is neither read nor touched.
        if (entry.symlink_status(ec).type() != fs::file_type::regular) continue;
        const std::optional<Sidecar> info = readSidecar(file.string());
        if (!info) {
            // Without a note that reads, the copy would never be offered: kept aside, as
            // a damaged copy is.
            try {
                const std::string folder =
                    keepDamaged(recoveryDir, copyPathForSidecar(file.string()), file.string());
                if (damaged) {
                    damaged->push_back(Message(QUILLET_TR("CoreMessages",
                                                          "The recovery note %1 is damaged; it "
                                                          "and its copy were kept in %2"))
                                           .arg(name)
                                           .arg(folder));
                }
            } catch (const std::exception&) {
                // The next start tries to move it again.
            }
            continue;
        }
        if (isRunning({info->pid, info->bootId, info->startTime})) continue;
        RecoveryCopy copy;
        copy.sidecarPath = file.string();
        copy.copyPath = copyPathForSidecar(copy.sidecarPath);
        copy.info = *info;
        const fs::file_type copyType = fs::symlink_status(copy.copyPath, ec).type();
        if (copyType == fs::file_type::symlink) continue;
        if (copyType != fs::file_type::regular) {
            // Its program ended before the first copy was written.
            ::unlink(copy.sidecarPath.c_str());
            continue;
        }
        if (!isWhole(copy)) {
            try {
                const std::string folder =
                    keepDamaged(recoveryDir, copy.copyPath, copy.sidecarPath);
                if (damaged && locale) {
                    damaged->push_back(
                        Message(QUILLET_TR("CoreMessages",
                                           "The recovery copy of %1 from %2 is damaged; it was "
                                           "kept in %3"))
                            .arg(shownTitle(copy.info.title))
                            .arg(copyTime(copy, *locale))
                            .arg(folder));
                }
            } catch (const std::exception&) {
                // Not offered either way; the next start tries to move it again.
            }
            continue;
        }
        copies.push_back(std::move(copy));
    }
    std::sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.info.time > b.info.time;
    });
    return copies;
}

Message recoveryQuestion(const RecoveryCopy& copy, const Locale& locale) {
    return Message(QUILLET_TR("CoreMessages",
                              "Quillet1 did not close normally. Recover the "
                              "unsaved changes to %1 from %2?"))
        .arg(shownTitle(copy.info.title))
        .arg(copyTime(copy, locale));
}

// The table first: a sidecar left without it is cleaned up at the next start.
void discardCopy(const RecoveryCopy& copy) {
    ::unlink(copy.copyPath.c_str());
    ::unlink(copy.sidecarPath.c_str());
}

bool claimCopy(RecoveryCopy& copy) {
    auto claim = std::make_shared<UniqueFd>(
        ::open(copy.sidecarPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!*claim || ::flock(claim->get(), LOCK_EX | LOCK_NB) != 0) return false;
    // Taken over meanwhile by the one that held the claim: its sidecar went.
    struct stat info {};
    if (::fstat(claim->get(), &info) != 0 || info.st_nlink == 0) return false;
    copy.claim = std::move(claim);
    return true;
}

std::optional<RecoveryCopy> offerRecovery(const std::string& recoveryDir, Prompts& prompts,
                                          const Locale& locale) {
    std::vector<Message> damaged;
    std::vector<RecoveryCopy> copies = abandonedCopies(recoveryDir, &damaged, &locale);
    for (const Message& message : damaged) prompts.showMessage(message);
    // A copy another starting copy of the program has claimed is its to offer.
    std::erase_if(copies, [](RecoveryCopy& copy) { return !claimCopy(copy); });
    if (copies.empty()) return std::nullopt;
    const RecoveryCopy& newest = copies.front();
    // Older copies of the same project stay where they are, for a later start.
    const auto older = std::count_if(copies.begin() + 1, copies.end(), [&](const RecoveryCopy& c) {
        return c.info.path == newest.info.path && c.info.title == newest.info.title;
    });
    Message question = recoveryQuestion(newest, locale);
    if (older == 1) {
        question = Message(QUILLET_TR("CoreMessages",
                                      "Quillet1 did not close normally. Recover the unsaved "
                                      "changes to %1 from %2? (An older copy of it is kept too.)"))
                       .arg(shownTitle(newest.info.title))
                       .arg(copyTime(newest, locale));
    } else if (older > 1) {
        question = Message(QUILLET_TR("CoreMessages",
                                      "Quillet1 did not close normally. Recover the unsaved "
                                      "changes to %1 from %2? (%3 older copies of it are kept "
                                      "too.)"))
                       .arg(shownTitle(newest.info.title))
                       .arg(copyTime(newest, locale))
                       .arg(std::to_string(older));
    }
    if (prompts.askYesNo(question)) return copies.front();
    discardCopy(copies.front());
    return std::nullopt;
}

Recovery::Recovery(const RecoveryDirs& dirs, MainController& controller, Clock& clock,
                   ProcessIdentity self)
    : recoveryDir_(dirs.recovery),
      controller_(controller),
      grid_(controller.grid()),
      project_(controller.project()),
      clock_(clock),
      self_(std::move(self)),
      backups_(dirs.backups, self_) {
    if (!recoveryDir_.empty()) {
        // Named after this run; a name an older run left behind (the same process id
        // after a reboot) is not taken over.
        const std::string base = recoveryDir_ + "/" + std::to_string(self_.pid) + "-" +
                                 (self_.startTime.empty() ? "0" : self_.startTime);
        copyPath_ = copyPathFor(base);
        for (int n = 2; copyNameTaken(copyPath_); ++n)
            copyPath_ = copyPathFor(base + "-" + std::to_string(n));
        sidecarPath_ = sidecarPathFor(copyPath_);
        controller_.timer().setUntitledLogPath(logPathFor(copyPath_),
                                               [dir = recoveryDir_] { makePrivateDirectory(dir); });
    }
    project_.setObserver(this);
}

Recovery::~Recovery() {
    project_.setObserver(nullptr);
}

void Recovery::status(const Message& text) {
    if (onStatus) onStatus(text);
}

void Recovery::projectEdited() {
    const double now = clock_.now();
    if (!pending_) firstPending_ = now;
    pending_ = true;
    lastEdit_ = now;
}

void Recovery::projectClean() {
    ++generation_;
    pending_ = false;
    if (mayHaveCopy_) postRemove();
}

std::string Recovery::beforeWrite(const std::string& path) {
    return keepBackup([&] { return backups_.keep(path, clock_.now()); });
}

// A backup that cannot be made is said once as off, or each time as skipped; the command
// that wanted it goes on.
std::string Recovery::keepBackup(const std::function<std::string()>& keep) {
    try {
        return keep();
    } catch (const PrivateFolderError& e) {
        if (!backupsOffReported_) status(Message(kBackupsOff).arg(messageOf(e)));
        backupsOffReported_ = true;
    } catch (const std::exception& e) {
        status(Message(kBackupSkipped).arg(messageOf(e)));
    } catch (...) {
        status(Message(kBackupSkipped).arg(Message(kUnknownError)));
    }
    return {};
}

void Recovery::afterWrite(const std::string& path, const std::string& kept, bool succeeded) {
    try {
        if (succeeded) {
            backups_.saved(path, kept);
        } else {
            backups_.saveFailed(kept);
        }
    } catch (...) {
        // Pruning is housekeeping: the next save tries again.
    }
}

void Recovery::beforeReload(const std::string& path) {
    keepBackup([&] { return backups_.keepTable(grid_, path, clock_.now()); });
}

void Recovery::postRemove() {
    mayHaveCopy_ = false;
    queue_.post([copy = copyPath_, sidecar = sidecarPath_] {
        ::unlink(copy.c_str());
        ::unlink(sidecar.c_str());
    });
}

void Recovery::listBackups(std::function<void(std::vector<BackupListing>)> done) {
    if (project_.isUntitled()) {
        done({});
        return;
    }
    queue_.post([this, file = project_.fileName(), done = std::move(done)] {
        std::vector<BackupListing> listed;
        try {
            for (BackupVersion& version : backups_.versionsOf(file)) {
                const std::optional<int> tasks = countTasksInFile(version.path);
                listed.push_back({std::move(version), tasks});
            }
        } catch (const std::exception&) {
            // A folder that cannot be read lists what was read of it.
        }
        done(std::move(listed));
    });
}

namespace {
std::optional<Sidecar::Stopwatch> stopwatchNote(const TimedState& state) {
    if (!state.running && state.banked == 0) return std::nullopt;
    Sidecar::Stopwatch note{state.banked, std::nullopt, state.row};
    if (state.running) note.startedAt = state.startedAt;
    return note;
}
}  // namespace

void Recovery::tick() {
    collectWrite();
    // A copy on disk follows the stopwatch too: a start, a stop or a booking.
    if (!pending_ && mayHaveCopy_ && controller_.timer().timedState() != lastTimed_)
        projectEdited();
    if (exited_ || !pending_ || writing_ || copyPath_.empty()) return;
    const double now = clock_.now();
    // The log has a booking on disk the moment it is made; the table's hours follow at once.
    const bool booked = controller_.timer().bookingsMade() != bookingsCopied_;
    if (booked || due(now)) {
        bookingsCopied_ = controller_.timer().bookingsMade();
        startWrite(now);
    }
}

bool Recovery::due(double now) const {
    if (lastWrite_ && secondsSince(*lastWrite_, now) < kMinGap - kSlack) return false;
    return secondsSince(lastEdit_, now) >= kQuiet - kSlack ||
           secondsSince(firstPending_, now) >= kLatest - kSlack;
}

void Recovery::startWrite(double now) {
    auto snapshot = std::make_shared<const GridSnapshot>(grid_, lastCells_, lastBytes_);
    lastCells_ = snapshot->cellCount();
    lastBytes_ = snapshot->textBytes();
    Sidecar info{project_.fileName(), project_.title(), self_.pid, now,
                 self_.bootId,        self_.startTime};
    lastTimed_ = controller_.timer().timedState();
    info.stopwatch = stopwatchNote(lastTimed_);
    pending_ = false;
    writing_ = true;
    mayHaveCopy_ = true;
    lastWrite_ = now;
    queue_.post([this, snapshot, info, dir = recoveryDir_, copy = copyPath_, sidecar = sidecarPath_,
                 generation = generation_] {
        std::optional<Message> error;
        try {
            makePrivateDirectory(dir);
            // The sidecar first: a copy is never without one. Once the copy is whole its
            // size and hash join the sidecar, the proof that it was not cut short.
            writeSidecar(sidecar, info);
            if (const std::optional<FileStamp> written = saveCellsToFile(
                    *snapshot->toGrid(), copy, AtomicFileWriter::Privacy::Private)) {
                Sidecar proven = info;
                proven.copySize = written->size;
                proven.copyHash = written->contentHash;
                writeSidecar(sidecar, proven);
            }
        } catch (const PrivateFolderError& e) {
            error = Message(kRecoveryCopiesOff).arg(messageOf(e));
        } catch (const std::exception& e) {
            error = *e.what() ? messageOf(e) : Message(kUnknownError);
        }
        std::lock_guard lock(resultMutex_);
        writeDone_ = true;
        writeGeneration_ = generation;
        writeError_ = std::move(error);
    });
}

void Recovery::collectWrite() {
    std::optional<Message> error;
    {
        std::lock_guard lock(resultMutex_);
        if (!writeDone_) return;
        writeDone_ = false;
        // A copy that the project has since outgrown (saved, replaced) does not matter.
        if (writeGeneration_ == generation_) error = std::move(writeError_);
    }
    writing_ = false;
    if (!error) {
        failureReported_ = false;
        return;
    }
    // A folder that is not private is said once per run; nothing is written there.
    if (error->text() == kRecoveryCopiesOff) {
        if (!offReported_) status(*error);
        offReported_ = true;
        return;
    }
    // Tried again at the next change, reported once until a copy is written again.
    if (!failureReported_) status(Message(kRecoveryCopyFailed).arg(std::move(*error)));
    failureReported_ = true;
}

void Recovery::normalExit() {
    exited_ = true;
    pending_ = false;
    postRemove();
    // The untitled project's log goes with it: saved, it went along; else it was given up.
    if (!copyPath_.empty()) ::unlink(logPathFor(copyPath_).c_str());
    queue_.waitIdle();
}

void Recovery::restore(const RecoveryCopy& copy) {
    queue_.waitIdle();
    // An untitled project's work log comes along with its table.
    controller_.timer().adoptUntitledLog(logPathFor(copy.copyPath));
    controller_.openRecoveredProject(copy.copyPath, copy.info.title, copy.info.path);
    if (const auto& watch = copy.info.stopwatch) {
        controller_.timer().restoreTimedState({watch->startedAt.has_value(), watch->banked,
                                               watch->startedAt.value_or(0), watch->row});
    }
    ++generation_;
    pending_ = false;
    if (copyPath_.empty()) return;
    // This run's sidecar first, then the table moves under this run's name, then the
    // old sidecar goes: at every step some sidecar describes the table.
    Sidecar mine = copy.info;
    mine.pid = self_.pid;
    mine.bootId = self_.bootId;
    mine.startTime = self_.startTime;
    try {
        makePrivateDirectory(recoveryDir_);
        writeSidecar(sidecarPath_, mine);
        if (::rename(copy.copyPath.c_str(), copyPath_.c_str()) != 0) {
            throw MessageError(
                Message(QUILLET_TR("CoreMessages", "Cannot rename %1")).arg(copy.copyPath));
        }
        ::unlink(copy.sidecarPath.c_str());
        mayHaveCopy_ = true;
    } catch (const std::exception&) {
        // The old copy stays where it is; this run writes its own soon.
        const double now = clock_.now();
        projectEdited();
        firstPending_ = now - kLatest / kSecondsPerDay;
    }
}

}  // namespace quillet
