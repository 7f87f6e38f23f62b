#include "formats/CsvWriter.h"

#include "formats/AtomicFileWriter.h"

namespace quillet {

namespace {

// What one pass over a field finds: whether it needs quotes, and whether it is printable ASCII.
struct FieldScan {
    bool quoted = false;
    bool plain = true;
};

FieldScan scanField(std::string_view text, char separator) {
    FieldScan scan;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        // One comparison for the common case; a TAB or a line break takes exportText's look.
        scan.plain &= static_cast<unsigned char>(byte - 0x20) < 0x60;
        scan.quoted |= ch == '"' || ch == '\r' || ch == '\n' || ch == separator;
    }
    return scan;
}

void writeField(AtomicFileWriter& out, std::string_view text, bool quoted) {
    if (!quoted) return out.write(text);
    out.put('"');
    for (std::size_t start = 0;;) {
        const std::size_t quote = text.find('"', start);
        out.write(text.substr(start, quote == text.npos ? text.npos : quote + 1 - start));
        if (quote == text.npos) break;
        out.put('"');
        start = quote + 1;
    }
    out.put('"');
}

}  // namespace

void writeCsv(const Sheet& sheet, const std::string& path, char separator) {
    AtomicFileWriter out(path);
    out.write("\xEF\xBB\xBF");
    const int rows = sheet.rowCount();
    const int cols = sheet.columnCount();
    std::string converted;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            if (c > 0) out.put(separator);
            const std::string_view text = sheet.text(r, c);
            const FieldScan scan = scanField(text, separator);
            if (scan.plain) {
                writeField(out, text, scan.quoted);
            } else {
                const std::string_view cleaned = exportText(text, converted);
                writeField(out, cleaned, scanField(cleaned, separator).quoted);
            }
        }
        out.write("\r\n");
    }
    out.commit();
}

}  // namespace quillet
