// The entry of the workbook module (see WorkbookModule.h): the only symbol it exports.
#include "formats/OdsWriter.h"
#include "formats/WorkbookModule.h"
#include "formats/XlsxWriter.h"

extern "C" __attribute__((visibility("default"))) void quilletWriteWorkbook(
    const quillet::Sheet& sheet, const std::string& path, quillet::ExportFormat format,
    const quillet::ExportSettings& settings) {
    // Matches WorkbookWriter; a format other than the two workbooks never comes here.
    if (format == quillet::ExportFormat::Ods) return quillet::writeOds(sheet, path, settings);
    quillet::writeXlsx(sheet, path, settings);
}
