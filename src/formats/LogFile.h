#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "ports/Message.h"

namespace quillet {

// A project's log lies beside it under the same name: "work.prj" keeps "work.qlog".
std::string logPathFor(const std::string& projectPath);

// A failure to read or write a log; what() is the user's message.
class LogFileError : public MessageError {
  public:
    using MessageError::MessageError;
};

// The log's file: read whole, appended to line by line and synced, so a record is on disk
// when the command that made it returns. Created readable by its owner only; a link at its
// path is never followed, and anything but a regular file is refused.
namespace logfile {

// The file's bytes, or none when there is no file.
std::optional<std::string> read(const std::string& path);
// Appends the records (whole lines), beginning the file with `header` when it is new or empty,
// then syncs. Returns the file's size before the records.
std::size_t append(const std::string& path, std::string_view header, std::string_view records);
// Writes bytes over the file's own at `offset` (an open session's sign of life), then syncs.
void overwrite(const std::string& path, std::size_t offset, std::string_view bytes);
// The log written whole to `path` (Save As takes it to the new name), replacing it atomically.
void writeWhole(const std::string& path, std::string_view bytes);

}  // namespace logfile

}  // namespace quillet
