#include "formats/SheetExport.h"

#include <algorithm>
#include <filesystem>

#include "formats/CsvWriter.h"
#include "formats/OdsWriter.h"
#include "formats/XlsxWriter.h"
#include "ports/Ascii.h"

namespace quillet {

namespace {
constexpr ExportFormat kFormats[] = {ExportFormat::Xlsx, ExportFormat::Ods, ExportFormat::Csv};
}

ExportSettings exportSettingsFor(const Locale& locale) {
    ExportSettings settings;
    settings.datePattern = withFourDigitYear(locale.shortDatePattern);
    settings.csvSeparator = locale.decimalSeparator == "," ? ';' : ',';
    return settings;
}

const char* exportExtension(ExportFormat format) {
    switch (format) {
        case ExportFormat::Xlsx:
            return ".xlsx";
        case ExportFormat::Ods:
            return ".ods";
        case ExportFormat::Csv:
            return ".csv";
    }
    return "";
}

std::optional<ExportFormat> exportFormatOf(std::string_view path) {
    const std::string extension = std::filesystem::path(path).extension().string();
    for (const ExportFormat format : kFormats) {
        const std::string_view wanted = exportExtension(format);
        if (extension.size() == wanted.size() &&
            std::equal(extension.begin(), extension.end(), wanted.begin(),
                       [](char a, char b) { return toAsciiLower(a) == b; }))
            return format;
    }
    return std::nullopt;
}

std::string withExportExtension(const std::string& path, ExportFormat filter) {
    if (exportFormatOf(path)) return path;
    return path + exportExtension(filter);
}

void exportSheet(const Sheet& sheet, const std::string& path, ExportFormat format,
                 const ExportSettings& settings) {
    switch (format) {
        case ExportFormat::Xlsx:
            return writeXlsx(sheet, path, settings);
        case ExportFormat::Ods:
            return writeOds(sheet, path, settings);
        case ExportFormat::Csv:
            return writeCsv(sheet, path, settings.csvSeparator);
    }
}

}  // namespace quillet
