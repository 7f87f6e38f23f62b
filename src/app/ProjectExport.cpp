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
    CellGrid grid;
    loadCellsFromFile(grid, projectPath);
    exportTable(grid, projectPath, outPath, *format, locale);
}

}  // namespace quillet
