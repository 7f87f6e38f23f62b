#pragma once

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
};

std::string formatSidecar(const Sidecar& sidecar);
// nullopt when the text is not a sidecar; unknown keys are skipped.
std::optional<Sidecar> parseSidecar(std::string_view text);

// Written whole or not at all; throws CellGridError like any save.
void writeSidecar(const std::string& path, const Sidecar& sidecar);
// nullopt when the file cannot be read or is not a sidecar.
std::optional<Sidecar> readSidecar(const std::string& path);

}  // namespace quillet
