#include "app/ProjectExport.h"

#include <filesystem>

#include "app/Project.h"
#include "formats/ProjectFile.h"
#include "formats/SheetExport.h"
#include "tasks/TaskSheet.h"

namespace quillet {

std::string exportName(const std::string& projectFile) {
    const std::string stem = std::filesystem::path(projectFile).stem().string();
    return stem.empty() ? std::string(kUntitledProject) : stem;
}

void exportTable(const CellGrid& grid, const std::string& projectFile, const std::string& path,
                 ExportFormat format, const Locale& locale) {
    const TaskSheet sheet(grid, exportName(projectFile), locale);
    exportSheet(sheet, path, format, exportSettingsFor(locale));
}

void exportProjectFile(const std::string& projectPath, const std::string& outPath,
                       const Locale& locale) {
    const std::optional<ExportFormat> format = exportFormatOf(outPath);
    if (!format) {
        throw ExportError(Message(QUILLET_TR("CoreMessages",
                                             "Cannot export to %1: the name must "
                                             "end in .xlsx, .ods or .csv"))
                              .arg(outPath));
    }
    // The window reads any text file as a table, but here nobody would see the junk it
    // makes of notes or a CSV file: exporting it would be a failure reported as success.
    std::error_code error;
    const bool empty = std::filesystem::is_regular_file(projectPath, error) &&
                       std::filesystem::file_size(projectPath, error) == 0;
    if (empty || isForeignFile(projectPath)) {
        throw ExportError(Message(QUILLET_TR("CoreMessages",
                                             "Cannot export %1: it does not look like a "
                                             "project file"))
                              .arg(projectPath));
    }
    CellGrid grid;
    loadCellsFromFile(grid, projectPath);
    exportTable(grid, projectPath, outPath, *format, locale);
}

}  // namespace quillet
