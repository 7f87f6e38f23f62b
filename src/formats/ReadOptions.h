#pragma once

#include <cstdint>
#include <functional>

namespace quillet {

// How far a long read or write is, in percent, reported only when it moved.
using FileProgress = std::function<void(std::int16_t percent)>;

// How the readers take a file. The defaults are the program's own: the window reads with
// them, and so do the export and the task counts of Restore Backup.
struct ReadOptions {
    // A cell keeps every line of a multi-line text (a Paste makes them); otherwise only its
    // first line.
    bool multilineCells = true;
    // A delimited file that is not valid UTF-8 is read as CP437, as older programs wrote it.
    bool oemConvert = true;
    FileProgress progress = {};  // designated initializers may leave it out without a warning
    // A project file's reader tells each column whose width one of its lines set.
    std::function<void(int col)> widthRead = {};
};

}  // namespace quillet
