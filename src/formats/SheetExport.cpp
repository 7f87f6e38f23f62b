#include "formats/SheetExport.h"

#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "formats/AtomicFileWriter.h"
#include "formats/CsvWriter.h"
#include "formats/WorkbookModule.h"
#include "ports/Ascii.h"
#include "ports/ErrorText.h"

namespace quillet {

namespace {

constexpr ExportFormat kFormats[] = {ExportFormat::Xlsx, ExportFormat::Ods, ExportFormat::Csv};

// The rows and columns of a sheet in both workbook formats (a reader of either drops the rest).
constexpr int kWorkbookRows = 1048576;
constexpr int kWorkbookColumns = 16384;

// A killed export's temporary file is older than this; a running one is written far more often.
constexpr std::chrono::minutes kLeftoverAge{5};

// A file-size limit (ulimit -f) would end the program with SIGXFSZ in the middle of the
// export; blocked on this thread, the write fails with EFBIG and the export ends with a
// message. The signal it leaves pending is taken before the mask is restored.
class FileSizeSignalBlock {
  public:
    FileSizeSignalBlock() {
        sigemptyset(&set_);
        sigaddset(&set_, SIGXFSZ);
        sigset_t old;
        blocked_ = ::pthread_sigmask(SIG_BLOCK, &set_, &old) == 0 && !sigismember(&old, SIGXFSZ);
    }
    ~FileSizeSignalBlock() {
        takePending();
        if (blocked_) ::pthread_sigmask(SIG_UNBLOCK, &set_, nullptr);
    }
    FileSizeSignalBlock(const FileSizeSignalBlock&) = delete;
    FileSizeSignalBlock& operator=(const FileSizeSignalBlock&) = delete;

    // True when a write went past the limit.
    bool takePending() {
        if (!blocked_) return false;
        const timespec now{};
        while (::sigtimedwait(&set_, nullptr, &now) == SIGXFSZ) reached_ = true;
        return reached_;
    }

  private:
    sigset_t set_{};
    bool blocked_ = false;
    bool reached_ = false;
};

[[noreturn]] void refuseCreating(const std::string& path, const CannotCreateError& error) {
    if (!error.systemError())
        throw ExportError(
            Message(QUILLET_TR("CoreMessages", "Cannot create %1: not a regular file")).arg(path));
    throw ExportError(Message(QUILLET_TR("CoreMessages", "Cannot create %1: %2"))
                          .arg(path)
                          .arg(errorText(*error.systemError())));
}

void writeSheet(const Sheet& sheet, const std::string& path, ExportFormat format,
                const ExportSettings& settings) {
    switch (format) {
        case ExportFormat::Xlsx:
        case ExportFormat::Ods:
            return workbookWriter(path)(sheet, path, format, settings);
        case ExportFormat::Csv:
            return writeCsv(sheet, path, settings.csvSeparator);
    }
}

void checkWorkbookLimits(const Sheet& sheet, const std::string& path) {
    if (sheet.rowCount() > kWorkbookRows)
        throw ExportError(Message(QUILLET_TR("CoreMessages",
                                             "Cannot export %1: a workbook sheet "
                                             "holds at most 1,048,576 rows."))
                              .arg(path));
    if (sheet.columnCount() > kWorkbookColumns)
        throw ExportError(Message(QUILLET_TR("CoreMessages",
                                             "Cannot export %1: a workbook sheet "
                                             "holds at most 16,384 columns."))
                              .arg(path));
}

}  // namespace

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
    if (format != ExportFormat::Csv) checkWorkbookLimits(sheet, path);
    const std::string folder = std::filesystem::path(path).parent_path().string();
    removeDeadWritersFiles(
        folder.empty() ? "." : folder,
        [](std::string_view target) { return exportFormatOf(target).has_value(); }, kLeftoverAge);
    FileSizeSignalBlock fileSizeSignal;
    try {
        writeSheet(sheet, path, format, settings);
    } catch (const CannotCreateError& error) {
        refuseCreating(path, error);
    } catch (const MessageError&) {
        if (fileSizeSignal.takePending())
            throw ExportError(cannotWriteMessage(path, errorText(EFBIG)));
        throw;
    }
}

}  // namespace quillet
