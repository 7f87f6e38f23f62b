#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formats/Sheet.h"
#include "ports/Locale.h"
#include "ports/Ports.h"

namespace quillet {

// Where the decimal separator is a comma, spreadsheets expect CSV fields split by semicolons.
ExportSettings exportSettingsFor(const Locale& locale);

// The format a file name's extension asks for (case does not matter); none for any other.
std::optional<ExportFormat> exportFormatOf(std::string_view path);
// A name typed with a known extension keeps it; any other gets the chosen filter's.
std::string withExportExtension(const std::string& path, ExportFormat filter);
const char* exportExtension(ExportFormat format);

// Writes the sheet as a file of the given format through a temporary file beside `path`,
// renamed over it once complete: an existing file stays as it was when anything fails, and
// no temporary file is left. Temporary files that killed exports left in the folder are
// removed first. Throws ExportError with the reason when the file cannot be written, or
// for a sheet larger than a workbook (XLSX or ODS) holds.
void exportSheet(const Sheet& sheet, const std::string& path, ExportFormat format,
                 const ExportSettings& settings);

}  // namespace quillet
