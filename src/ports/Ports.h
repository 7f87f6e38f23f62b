#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ports/Message.h"

namespace quillet {

// The outside world as the core sees it. The shell implements these with Qt;
// tests use scripted fakes.

// The file formats an export writes; the order of the export dialog's filters.
enum class ExportFormat { Xlsx, Ods, Csv };

// A path chosen in the export dialog and the filter chosen with it.
struct ExportChoice {
    std::string path;
    ExportFormat filter = ExportFormat::Xlsx;
};

// The answer to a question with Yes, No and Cancel; Esc and the window's close button
// give Cancel.
enum class Answer { Yes, No, Cancel };

class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual bool askYesNo(const Message& text) = 0;
    virtual Answer askYesNoCancel(const Message& text) = 0;
    // A question with the given buttons (captions with "&" before their access key) and a
    // Cancel button after them. The index of the button chosen, or none for Cancel, Esc and
    // the window's close button.
    virtual std::optional<std::size_t> askChoice(const Message& text,
                                                 const std::vector<Message>& buttons) = 0;
    virtual void showMessage(const Message& text) = 0;
    // An empty optional means the user cancelled. The dialog starts in startFolder, or in
    // the user's home folder when it is empty.
    virtual std::optional<std::string> chooseOpenPath(const std::string& startFolder) = 0;
    virtual std::optional<std::string> chooseSavePath(const std::string& startFolder) = 0;
    // The open dialog of Import: delimited text files first, then every file.
    virtual std::optional<std::string> chooseImportPath(const std::string& startFolder) = 0;
    // The save dialog of Export, offering `fileName` in startFolder, with one filter per
    // format. The path is as typed: the caller decides what its extension means.
    virtual std::optional<ExportChoice> chooseExportPath(const std::string& startFolder,
                                                         const std::string& fileName) = 0;
    // The save dialog of the work log's export: a calendar or a table. The path as typed, or
    // with the chosen filter's extension when it had none the caller knows.
    virtual std::optional<std::string> chooseLogExportPath(const std::string& startFolder,
                                                           const std::string& fileName) {
        const std::optional<ExportChoice> choice = chooseExportPath(startFolder, fileName);
        return choice ? std::optional<std::string>(choice->path) : std::nullopt;
    }
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Plain text; empty when the clipboard holds none.
    virtual std::string text() = 0;
    virtual void setText(const std::string& bytes) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    // Local wall-clock time as days since 1899-12-30, fraction = time of day.
    virtual double now() = 0;
    // Milliseconds since 1970-01-01 UTC: when something happened, for records that travel.
    virtual std::int64_t utcMs() = 0;
    // Milliseconds of a clock that never jumps (not the wall clock): for measuring intervals.
    virtual std::int64_t monotonicMs() = 0;
    // The local date-time of a UTC instant, by the rules of the zone at that instant.
    virtual double localFromUtc(std::int64_t utcMs) = 0;
    // The UTC instant of a local date-time (an hour that occurs twice: its first).
    virtual std::int64_t utcFromLocal(double local) = 0;
};

// Keys and their values, in the order they are written.
using SettingValues = std::vector<std::pair<std::string, std::string>>;

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // A missing value reads as "n/a".
    virtual std::string readSetting(const std::string& key) = 0;
    virtual void writeSetting(const std::string& key, const std::string& value) = 0;
    // Several values at once, in order: a store kept in a file writes it once. Fails as
    // writeSetting would, naming the first value it could not store.
    virtual void writeSettings(const SettingValues& values) {
        for (const auto& [key, value] : values) writeSetting(key, value);
    }
};

inline constexpr const char* kNotAvailable = "n/a";

// Where the desktop's idle time comes from; the settings window names it.
enum class IdleKind { XServer, DBus, None };

// How long the desktop session has gone without keyboard or mouse input.
class IdleSource {
  public:
    virtual ~IdleSource() = default;
    virtual IdleKind kind() const = 0;
    // Milliseconds since the last input, or none when it cannot be read now.
    virtual std::optional<std::int64_t> idleMs() = 0;
};

// Hands an address to the desktop, which opens it with the program registered for it:
// https: in the browser, mailto: in the mail program, file: by the file's type. Whatever
// happens after the hand-over is the desktop's business; false only says that nothing could
// take the address at all (no opener installed, none registered for its kind).
class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    virtual bool openUrl(const std::string& url) = 0;
};

// A printer that cannot start, or reports a failure while printing; what() is the user's message.
class PrintError : public MessageError {
  public:
    using MessageError::MessageError;
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

// One print job on the chosen printer, in its device units, origin at the top-left corner of
// the printable area. Text is UTF-8; a position is the top-left corner of the drawn text.
class PrintCanvas {
  public:
    virtual ~PrintCanvas() = default;
    // Throws PrintError when the job cannot start. The measures below hold once it has.
    virtual void beginJob() = 0;
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;
    virtual int charHeight() = 0;
    virtual int averageCharWidth() = 0;
    virtual TextExtent textExtent(std::string_view text) = 0;
    virtual void drawText(int x, int y, std::string_view text) = 0;
    virtual void newPage() = 0;
    // Finishes the job: the pages go to the printer.
    virtual void endJob() = 0;
    // Drops the job: nothing more is printed. A printer that cannot take the job back may still
    // print the pages drawn so far.
    virtual void abortJob() = 0;
};

}  // namespace quillet
