#pragma once

#include <string>

#include "grid/CellGrid.h"
#include "ports/Locale.h"
#include "ports/Ports.h"

namespace quillet {

// What a project is called in an export: its file's name without folder and extension, or
// the untitled project's name.
std::string exportName(const std::string& projectFile);

// Writes the task table to `path` in `format`; the table is left as it is.
void exportTable(const CellGrid& grid, const std::string& projectFile, const std::string& path,
                 ExportFormat format, const Locale& locale);

// The command line's export: reads the project file and writes `outPath` in the format its
// extension names. Throws with the user's message: an unreadable project, an unknown
// extension, a file that cannot be written.
void exportProjectFile(const std::string& projectPath, const std::string& outPath,
                       const Locale& locale);

}  // namespace quillet
