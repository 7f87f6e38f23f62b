#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/CellGrid.h"
#include "recovery/ProcessIdentity.h"

namespace quillet {

// One kept version of a project file.
struct BackupVersion {
    std::string path;
    double time = 0;          // the save that replaced it (days since 1899-12-30, local time)
    std::uintmax_t size = 0;  // in bytes
};

// A kept version as Restore Backup lists it, with the tasks it holds (none when it cannot
// be read).
struct BackupListing {
    BackupVersion version;
    std::optional<int> tasks;
};

// Earlier versions of project files: before a save replaces a file, the bytes it holds
// are copied into a folder of that project's own below `dir`, as
// "<name> <yyyy-mm-dd hh-mm-ss.mmm>.prj" with a sidecar ".info" beside it.
class Backups {
  public:
    static constexpr int kVersionsKept = 10;
    // Copying files larger than this at every save would make each save slow: they are
    // kept at most once a day.
    static constexpr std::uintmax_t kLargeProject = 100'000'000;

    Backups(std::string dir, ProcessIdentity self, std::uintmax_t largeProject = kLargeProject);

    // Keeps a copy of what `path` holds now, at `now` (days since 1899-12-30, local time).
    // Returns the copy's path, or empty text when none was due (no such file; the same
    // bytes as the newest version; a large project backed up less than a day ago).
    // Throws std::exception with the reason when the copy failed.
    std::string keep(const std::string& path, double now);
    // Keeps the table as a version of `path`, before it is replaced by what another program
    // wrote there (the same naming and pruning as keep). Empty text when the newest version
    // already holds the same bytes. Throws std::exception with the reason when it failed.
    std::string keepTable(const CellGrid& table, const std::string& path, double now);
    // The save that `kept` was made for succeeded: the oldest versions beyond kVersionsKept
    // go, never `kept` itself.
    void saved(const std::string& path, const std::string& kept);
    // It failed: the copy goes, so failed saves never push older versions out.
    void saveFailed(const std::string& kept);

    // The folder that holds the versions of the file `path`: its name and a code of its
    // full path, so two "work.prj" in different folders keep their versions apart.
    std::string folderFor(const std::string& path) const;

    // The versions kept of the file `path`, newest first; none when nothing was kept.
    std::vector<BackupVersion> versionsOf(const std::string& path) const;

  private:
    void dropOldVersions(const std::string& folder, const std::string& justMade) const;
    std::string newVersionPath(const std::string& folder, const std::string& path,
                               double now) const;
    void writeVersionSidecar(const std::string& copy, const std::string& path, double now,
                             std::uint64_t sequence) const;
    bool keptRecently(const std::string& folder, double now) const;

    std::string dir_;
    ProcessIdentity self_;
    std::uintmax_t largeProject_;
};

// "yyyy-mm-dd hh-mm-ss.mmm": sorts as the times do and is a valid file name everywhere.
std::string fileNameTime(double dateTime);
// The time a version's file name ("<name> <fileNameTime>.prj") carries; nullopt for a name
// that carries none.
std::optional<double> timeInFileName(std::string_view fileName);

}  // namespace quillet
