#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// What is known about a recovery copy or a backup, kept in a small text file beside it:
// one "key=value" line per field after a first line naming the format. Backslash, CR and
// LF in values are written as \\, \r and \n, so a value never breaks its line.
struct Sidecar {
    std::string path;   // the project's file name (empty for a project never saved)
    std::string title;  // the project's title when the copy was made
    long pid = 0;       // the process that made it
    double time = 0;    // when, in days since 1899-12-30, local time
    // Which run of that process: the boot and the process's start time in clock ticks,
    // so a process id used again after the writer died is not taken for the writer.
    std::string bootId;
    std::string startTime;
    // A recovery copy's size and content hash, written once the copy is complete: the
    // project file has no end marker, so a cut copy is told by these.
    std::optional<std::uint64_t> copySize = std::nullopt;
    std::uint64_t copyHash = 0;
    // A backup's place among the versions of its file, counting up from 1 (0: a version
    // kept before versions were counted). Clock times can go back; this cannot.
    std::uint64_t sequence = 0;
    // The stopwatch as it was when the copy was made: its banked days, when it last started
    // if it was running, and the row of its task in the copy (0: none). Older notes have none.
    struct Stopwatch {
        double banked = 0;
        std::optional<double> startedAt;
        int row = 0;
    };
    std::optional<Stopwatch> stopwatch = std::nullopt;
};

// Throws std::range_error for a time outside the years 100 to 9999.
std::string formatSidecar(const Sidecar& sidecar);
// nullopt when the text is not a sidecar (a time outside those years included); unknown
// keys are skipped.
std::optional<Sidecar> parseSidecar(std::string_view text);

// A recovery copy or a backup is a project file "<stem>.prj" with its sidecar "<stem>.info"
// beside it. Earlier runs and versions left such files on disk: the names never change.
std::string copyPathFor(std::string_view stem);
std::string sidecarPathFor(std::string_view copyPath);
std::string copyPathForSidecar(std::string_view sidecarPath);
// A name is taken while its copy or its sidecar exists.
bool copyNameTaken(const std::string& copyPath);
// File names in a folder of copies: hidden names are the atomic writer's temporary files.
bool isCopyFileName(std::string_view fileName);
bool isSidecarFileName(std::string_view fileName);
// Removes the file when it is such a temporary file, regular (a link is never followed),
// and its writer has ended: a save or copy killed midway leaves one as large as a project.
void removeIfDeadTemporary(const std::string& path);
// The same for every file in the folder.
void removeDeadTemporaries(const std::string& folder);

// Written whole or not at all; throws CellGridError like any save.
void writeSidecar(const std::string& path, const Sidecar& sidecar);
// nullopt when the file cannot be read or is not a sidecar.
std::optional<Sidecar> readSidecar(const std::string& path);

}  // namespace quillet
