#pragma once

#include <functional>
#include <optional>
#include <string>

#include "formats/FileStamp.h"
#include "formats/ReadOptions.h"
#include "grid/CellGrid.h"
#include "ports/Ports.h"

namespace quillet {

inline constexpr const char* kConversionError =
    QUILLET_TR("CoreMessages", "Error converting file to new format...");

// Rewrites an old project file, whose first line holds a BEL, in place: every BEL
// becomes a TAB and every line ends in CR LF; other bytes stay as they are. The new
// text goes to a uniquely named file beside it that is synced and renamed over the
// original, so the original is never lost and no file of the user's is touched.
// Any failure leaves the original as it was and only shows kConversionError.
// Only a text file is converted (no NUL, no 0x1A before its last byte): a binary file with a
// BEL early on (a zip-based document) is read as it is. keepOriginal runs just before the
// original is replaced (a backup keeps it). True when the file was converted.
bool convertIfOldFormat(const std::string& path, Prompts& prompts,
                        const std::function<void(const std::string&)>& keepOriginal = {});

// The part of File > Import between the open dialog and taking over the project:
// makes `fresh` an empty grid shaped like `current` (its column count and widths; 2 rows,
// 1 fixed), converts an old file and reads the path into `fresh` with the CSV reader. `current` is
// not changed, so on an exception (the reader's CellGridError, with the user's message) the open
// project stays as it was; on return the caller makes `fresh` the project. Returns true when an old
// file was converted on the way; `stamp` (when given) receives the file as read.
bool importOldFile(const std::string& path, const CellGrid& current, CellGrid& fresh,
                   const ReadOptions& options, Prompts& prompts,
                   const std::function<void(const std::string&)>& keepOriginal = {},
                   std::optional<FileStamp>* stamp = nullptr);

}  // namespace quillet
