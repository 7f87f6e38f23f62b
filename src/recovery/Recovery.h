#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/MainController.h"
#include "app/Project.h"
#include "grid/CellGrid.h"
#include "ports/Locale.h"
#include "ports/Ports.h"
#include "recovery/BackgroundQueue.h"
#include "recovery/Backups.h"
#include "recovery/ProcessIdentity.h"
#include "recovery/RecoveryDirs.h"
#include "recovery/Sidecar.h"
#include "tools/LocalSocket.h"

namespace quillet {

inline constexpr const char* kBackupSkipped = QUILLET_TR("CoreMessages", "Backup skipped: %1");
inline constexpr const char* kRecoveryCopyFailed =
    QUILLET_TR("CoreMessages", "Recovery copy not written: %1");
inline constexpr const char* kBackupsOff = QUILLET_TR("CoreMessages", "Backups are off: %1");
inline constexpr const char* kRecoveryCopiesOff =
    QUILLET_TR("CoreMessages", "Recovery copies are off: %1");

// A recovery copy that a run of the program left behind.
struct RecoveryCopy {
    std::string copyPath;     // the table, as a project file
    std::string sidecarPath;  // what it was kept for
    Sidecar info;
    // While held, no other copy of the program offers it (a lock the kernel lets go on a
    // crash too).
    std::shared_ptr<UniqueFd> claim;
};

// Claims the copy for this run: false when another run holds it, or has taken it over.
bool claimCopy(RecoveryCopy& copy);

// Copies whose program has ended, newest first. Copies of running programs (a second
// window of Quillet1) are neither listed nor touched; a dead program's sidecar without
// its copy and its unfinished temporary files are removed.
// A copy whose sidecar does not prove it whole (its size and hash) is not listed: it is moved
// to the folder "damaged" beside the copies, with a message for the user in `damaged`.
std::vector<RecoveryCopy> abandonedCopies(const std::string& recoveryDir,
                                          std::vector<Message>* damaged = nullptr,
                                          const Locale* locale = nullptr);
// When the copy was made, as the questions show it.
std::string copyTime(const RecoveryCopy& copy, const Locale& locale);
Message recoveryQuestion(const RecoveryCopy& copy, const Locale& locale);
void discardCopy(const RecoveryCopy& copy);
// Asks about the newest abandoned copy. Yes returns it, to be restored once the window
// exists; No discards it.
std::optional<RecoveryCopy> offerRecovery(const std::string& recoveryDir, Prompts& prompts,
                                          const Locale& locale);

// Keeps this run's recovery copy while the project has unsaved changes, and a backup of
// every file a save replaces. The copy is taken as a snapshot between commands and
// written on a background thread: at most kLatest seconds after a change (sooner once
// the user pauses for kQuiet seconds), and never sooner than kMinGap seconds after the
// previous one. A save, New, Open or Reopen and a normal exit remove it.
class Recovery : private ProjectObserver {
  public:
    static constexpr double kMinGap = 5;
    static constexpr double kQuiet = 2;
    static constexpr double kLatest = 25;  // leaves room for the tick and the write itself

    Recovery(const RecoveryDirs& dirs, MainController& controller, Clock& clock,
             ProcessIdentity self = currentProcess());
    ~Recovery() override;
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    // About once a second, on the user-interface thread, while no command runs.
    void tick();
    // The program closes normally: the copy goes. Returns once the files are settled.
    void normalExit();
    // Makes an abandoned copy the open project (its title and file name, unsaved) through
    // the controller's command, and takes it over as this run's copy. Throws the load's
    // error; the copy then stays.
    void restore(const RecoveryCopy& copy);

    // Told of a skipped backup and of the first failed copy after a good one.
    std::function<void(const Message&)> onStatus;

    const std::string& copyPath() const { return copyPath_; }
    const std::string& sidecarPath() const { return sidecarPath_; }
    Backups& backups() { return backups_; }
    // The kept versions of the project's file, newest first, for Restore Backup. Reading
    // each for its tasks may take a while, so it is done on the background thread, after the
    // file work queued before; `done` runs there, once. An untitled project has none.
    void listBackups(std::function<void(std::vector<BackupListing>)> done);
    // Waits for the background file work (tests; the exit).
    void waitIdle() { queue_.waitIdle(); }

  private:
    void projectEdited() override;
    void projectClean() override;
    std::string beforeWrite(const std::string& path) override;
    void afterWrite(const std::string& path, const std::string& kept, bool succeeded) override;
    void beforeReload(const std::string& path) override;
    std::string keepBackup(const std::function<std::string()>& keep);

    void collectWrite();
    bool due(double now) const;
    void startWrite(double now);
    void postRemove();
    void status(const Message& text);

    std::string recoveryDir_;
    MainController& controller_;
    CellGrid& grid_;
    Project& project_;
    Clock& clock_;
    ProcessIdentity self_;
    Backups backups_;
    std::string copyPath_;
    std::string sidecarPath_;

    bool pending_ = false;  // changes not yet in a copy
    double firstPending_ = 0;
    double lastEdit_ = 0;
    std::optional<double> lastWrite_;
    bool writing_ = false;
    bool mayHaveCopy_ = false;
    bool failureReported_ = false;
    bool offReported_ = false;         // the recovery folder is not private
    bool backupsOffReported_ = false;  // a backup folder is not private
    bool exited_ = false;
    unsigned generation_ = 0;  // moves on when the project is saved or replaced
    std::size_t lastCells_ = 0;
    std::size_t lastBytes_ = 0;
    TimedState lastTimed_;              // the stopwatch in the last copy written
    std::uint64_t bookingsCopied_ = 0;  // the timer's bookings when the last copy began

    std::mutex resultMutex_;
    bool writeDone_ = false;
    unsigned writeGeneration_ = 0;
    std::optional<Message> writeError_;

    BackgroundQueue queue_;  // last: its thread ends before the members above go
};

}  // namespace quillet
