#include "formats/XlsxWriter.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "formats/AtomicFileWriter.h"
#include "formats/CodePage.h"
#include "ports/Ascii.h"
#include "ports/ErrorText.h"

namespace quillet {

namespace {

// The characters a cell of a workbook holds (Excel's limit).
constexpr std::size_t kMaxCellCharacters = 32767;

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const {
        if (workbook) workbook_close(workbook);
    }
};

std::size_t countCharacters(std::string_view utf8) {
    std::size_t count = 0;
    for (const char ch : utf8) count += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    return count;
}

// The export's text with LF line breaks, as a workbook cell holds text.
std::string_view workbookText(std::string_view bytes, std::string& converted, std::string& out) {
    const std::string_view text = exportText(bytes, converted);
    if (text.find('\r') == std::string_view::npos) return text;
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
        } else {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        }
    }
    return out;
}

std::string cellName(int row, int col) {
    std::string letters;
    for (int n = col + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters + std::to_string(row + 1);
}

}  // namespace

std::string workbookDateFormat(std::string_view datePattern) {
    std::string format;
    for (const DatePatternPart& part : datePatternParts(datePattern)) {
        switch (part.kind) {
            case DatePatternPart::Kind::Day:
                format += part.twoDigits ? "dd" : "d";
                break;
            case DatePatternPart::Kind::Month:
                format += part.twoDigits ? "mm" : "m";
                break;
            case DatePatternPart::Kind::Year:
                format += "yyyy";
                break;
            case DatePatternPart::Kind::Literal:
                // Escaped one by one: a bare "/" would become the reader's own separator.
                for (const char ch : part.text) {
                    if (static_cast<unsigned char>(ch) < 0x80 && ch != ' ') format += '\\';
                    format += ch;
                }
                break;
        }
    }
    return format;
}

std::string workbookSheetName(std::string_view name) {
    std::string out;
    std::size_t characters = 0;
    const std::string utf8 = displayUtf8(name);
    for (std::size_t i = 0; i < utf8.size() && characters < 31;) {
        std::size_t length = 1;
        while (i + length < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + length]) & 0xC0) == 0x80)
            ++length;
        const char ch = utf8[i];
        const bool forbidden = std::string_view("[]:*?/\\").find(ch) != std::string_view::npos ||
                               static_cast<unsigned char>(ch) < 0x20;
        out += forbidden ? std::string("_") : utf8.substr(i, length);
        ++characters;
        i += length;
    }
    while (!out.empty() && out.front() == '\'') out.erase(0, 1);
    while (!out.empty() && out.back() == '\'') out.pop_back();
    return out.empty() ? std::string("Sheet1") : out;
}

namespace {

// The library reports a failure on standard error by itself as well as in what it returns;
// the user gets the export's own message instead. Standard error goes to a memory file while
// the library runs, and what else went there meanwhile (another thread's) is passed on.
class LibraryReportsHeld {
  public:
    LibraryReportsHeld() {
        std::fflush(stderr);
        held_ = ::memfd_create("quillet-xlsx", MFD_CLOEXEC);
        saved_ = held_ < 0 ? -1 : ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        if (saved_ < 0 || ::dup2(held_, STDERR_FILENO) < 0) release();
    }
    ~LibraryReportsHeld() {
        if (saved_ < 0) {
            release();
            return;
        }
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        std::string text;
        char buffer[4096];
        ::lseek(held_, 0, SEEK_SET);
        for (ssize_t got; (got = ::read(held_, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(got));
        std::string others;
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
            const std::string_view line = std::string_view(text).substr(start, end - start);
            if (!line.starts_with("[ERROR]") && !line.starts_with("[WARNING]")) others += line;
            start = end;
        }
        if (!others.empty()) {
            [[maybe_unused]] const ssize_t passed =
                ::write(STDERR_FILENO, others.data(), others.size());
        }
        release();
    }
    LibraryReportsHeld(const LibraryReportsHeld&) = delete;
    LibraryReportsHeld& operator=(const LibraryReportsHeld&) = delete;

  private:
    void release() {
        if (saved_ >= 0) ::close(saved_);
        if (held_ >= 0) ::close(held_);
        saved_ = held_ = -1;
    }
    int held_ = -1;
    int saved_ = -1;
};

Message outOfMemory(const std::string& path) {
    return Message(QUILLET_TR("CoreMessages", "Cannot write file %1: out of memory")).arg(path);
}
}  // namespace

void writeXlsx(const Sheet& sheet, const std::string& path, const ExportSettings& settings) {
    const int rows = sheet.rowCount();
    const int cols = sheet.columnCount();
    // exportSheet refused a sheet past these before.
    static_assert(LXW_ROW_MAX == 1048576 && LXW_COL_MAX == 16384);

    AtomicFileWriter out(path);
    const LibraryReportsHeld reports;
    // The library writes the temporary file by name; its own scratch files go beside it, on
    // the same disk, rather than into a /tmp that may live in memory.
    std::string scratch = std::filesystem::path(out.temporaryPath()).parent_path().string();
    if (scratch.empty()) scratch = ".";
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = scratch.data();
    std::unique_ptr<lxw_workbook, WorkbookCloser> workbook(
        workbook_new_opt(out.temporaryPath().c_str(), &options));
    if (!workbook) throw ExportError(outOfMemory(path));
    const std::string name = workbookSheetName(sheet.name());
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook.get(), name.c_str());
    lxw_format* bold = workbook_add_format(workbook.get());
    format_set_bold(bold);
    lxw_format* wrapped = workbook_add_format(workbook.get());
    format_set_text_wrap(wrapped);
    lxw_format* boldWrapped = workbook_add_format(workbook.get());
    format_set_bold(boldWrapped);
    format_set_text_wrap(boldWrapped);
    lxw_format* date = workbook_add_format(workbook.get());
    format_set_num_format(date, workbookDateFormat(settings.datePattern).c_str());
    lxw_format* boldDate = workbook_add_format(workbook.get());
    format_set_bold(boldDate);
    format_set_num_format(boldDate, workbookDateFormat(settings.datePattern).c_str());
    // Number formats by decimals shown: "0", "0.0", "0.00", ...; -1 is the general format.
    std::vector<lxw_format*> fixed(16, nullptr);
    std::vector<lxw_format*> boldFixed(16, nullptr);
    const auto numberFormat = [&](int decimals, bool heading) -> lxw_format* {
        if (decimals < 0) return heading ? bold : nullptr;
        const auto index = static_cast<std::size_t>(std::min(decimals, 15));
        lxw_format*& format = heading ? boldFixed[index] : fixed[index];
        if (!format) {
            format = workbook_add_format(workbook.get());
            const std::string digits = index > 0 ? "." + std::string(index, '0') : std::string();
            format_set_num_format(format, ("0" + digits).c_str());
            if (heading) format_set_bold(format);
        }
        return format;
    };
    if (!worksheet || !bold || !wrapped || !date) throw ExportError(outOfMemory(path));

    for (int c = 0; c < cols; ++c) {
        worksheet_set_column(worksheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             sheet.columnWidth(c), nullptr);
    }
    if (sheet.hasHeaderRow() && rows > 0) worksheet_freeze_panes(worksheet, 1, 0);

    std::string converted;
    std::string text;
    std::string terminated;
    for (int r = 0; r < rows; ++r) {
        const bool heading = r == 0 && sheet.hasHeaderRow();
        const auto row = static_cast<lxw_row_t>(r);
        for (int c = 0; c < cols; ++c) {
            const SheetCell cell = sheet.cell(r, c);
            const auto col = static_cast<lxw_col_t>(c);
            lxw_error error = LXW_NO_ERROR;
            const SheetCell::Type type = cell.storedType();
            if (type == SheetCell::Type::Number) {
                error = worksheet_write_number(worksheet, row, col, cell.value,
                                               numberFormat(cell.decimals, heading));
            } else if (type == SheetCell::Type::Date) {
                error = worksheet_write_number(worksheet, row, col, cell.value,
                                               heading ? boldDate : date);
            } else if (!cell.text.empty()) {
                const std::string_view value = workbookText(cell.text, converted, text);
                if (countCharacters(value) > kMaxCellCharacters) {
                    throw ExportError(
                        Message(QUILLET_TR("CoreMessages",
                                           "Cannot export %1: the text in cell %2 is longer than "
                                           "the 32,767 characters a workbook cell holds."))
                            .arg(path)
                            .arg(cellName(r, c)));
                }
                const bool multiline = value.find('\n') != std::string_view::npos;
                lxw_format* format =
                    heading ? (multiline ? boldWrapped : bold) : (multiline ? wrapped : nullptr);
                // The library takes C strings; one buffer serves every cell.
                terminated.assign(value);
                error = worksheet_write_string(worksheet, row, col, terminated.c_str(), format);
            } else if (heading) {
                error = worksheet_write_blank(worksheet, row, col, bold);
            }
            if (error != LXW_NO_ERROR)
                throw ExportError(cannotWriteMessage(path, lxw_strerror(error)));
        }
    }
    const lxw_error closed = workbook_close(workbook.release());
    if (closed != LXW_NO_ERROR) throw ExportError(cannotWriteMessage(path, lxw_strerror(closed)));
    // The library does not check its writes to its scratch files: one a file-size limit cut
    // is zipped as it is, into a workbook that does not open. The limit's signal, held back
    // while the export runs, tells.
    sigset_t pending;
    sigemptyset(&pending);
    if (::sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ) == 1)
        throw ExportError(cannotWriteMessage(path, errorText(EFBIG)));
    out.commit();
}

}  // namespace quillet
