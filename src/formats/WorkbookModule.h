#pragma once

#include <string>
#include <vector>

#include "formats/Sheet.h"
#include "ports/Ports.h"

namespace quillet {

// The XLSX and ODS writers and their libraries (zip, compression, crypto) live in a module
// loaded on the first workbook export, so that no start of the program pays for loading them.
using WorkbookWriter = void (*)(const Sheet& sheet, const std::string& path, ExportFormat format,
                                const ExportSettings& settings);

inline constexpr const char* kWorkbookModuleName = "quillet-workbooks.so";
inline constexpr const char* kWorkbookWriterSymbol = "quilletWriteWorkbook";

// The module's writer, loaded once (from beside the program, else from its library folder).
// Throws ExportError naming `path` when the module cannot be loaded.
WorkbookWriter workbookWriter(const std::string& path);

// Where the module is looked for, in order, for a program at `programPath`.
std::vector<std::string> workbookModuleCandidates(const std::string& programPath);

}  // namespace quillet
