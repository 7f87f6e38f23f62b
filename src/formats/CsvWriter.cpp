#include "formats/CsvWriter.h"

#include <algorithm>

#include "formats/AtomicFileWriter.h"
#include "formats/CodePage.h"

namespace quillet {

namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

void writeField(AtomicFileWriter& out, std::string_view text, char separator) {
    const bool quoted =
        text.find_first_of("\"\r\n") != text.npos || text.find(separator) != text.npos;
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
            if (isAscii(text) || isValidUtf8(text)) {
                writeField(out, text, separator);
            } else {
                converted = cp1252ToUtf8(text);
                writeField(out, converted, separator);
            }
        }
        out.write("\r\n");
    }
    out.commit();
}

}  // namespace quillet
