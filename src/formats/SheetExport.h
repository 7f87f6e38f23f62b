#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "formats/Sheet.h"
#include "ports/Locale.h"
#include "ports/Ports.h"

namespace quillet {

// An export that cannot be written; what() is the user's message.
class ExportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// How the user's conventions shape an export.
struct ExportSettings {
    // The short date pattern (Locale's letters) that date cells are shown with.
    std::string datePattern = "M/d/yyyy";
    char csvSeparator = ',';
};

// Where the decimal separator is a comma, spreadsheets expect CSV fields split by semicolons.
ExportSettings exportSettingsFor(const Locale& locale);

// The format a file name's extension asks for (case does not matter); none for any other.
std::optional<ExportFormat> exportFormatOf(std::string_view path);
// A name typed with a known extension keeps it; any other gets the chosen filter's.
std::string withExportExtension(const std::string& path, ExportFormat filter);
const char* exportExtension(ExportFormat format);

// One piece of a short date pattern: a day, month or year field, or literal text.
struct DatePatternPart {
    enum class Kind { Day, Month, Year, Literal };
    Kind kind = Kind::Literal;
    bool twoDigits = false;  // Day and Month; a year is always written with four
    std::string text;        // Literal
};
std::vector<DatePatternPart> datePatternParts(std::string_view pattern);

// Writes the sheet as a file of the given format through a temporary file beside `path`,
// renamed over it once complete: an existing file stays as it was when anything fails.
// Throws CellGridError when the file cannot be created, ExportError when it cannot be written.
void exportSheet(const Sheet& sheet, const std::string& path, ExportFormat format,
                 const ExportSettings& settings);

}  // namespace quillet
