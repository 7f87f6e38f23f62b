#include "formats/ProjectFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>
#include <optional>
#include <span>

#include "formats/AtomicFileWriter.h"
#include "formats/TextLines.h"
#include "ports/Ascii.h"

namespace quillet {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kMaxWidthDigits = 255;

void writeNumber(AtomicFileWriter& out, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.write(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

// 0x1A ends the file for every reader: writing one would lose the rest of the
// project, so the writer leaves it out even if a cell holds one.
constexpr char kEndOfFile = '\x1A';

void writeEscaped(AtomicFileWriter& out, std::string_view text) {
    const bool hasCr = text.find('\r') != std::string_view::npos;
    if (!hasCr && text.find(kEndOfFile) == std::string_view::npos) {
        out.write(text);
        return;
    }
    for (const char c : text) {
        if (c == kEndOfFile) continue;
        out.put(hasCr && c == '\r' ? '\t' : hasCr && c == '\n' ? '\b' : c);
    }
}

// Writes one cell line, "col,row,text" and CR LF, into the writer's buffer, copying
// the text once while looking for the bytes that need escaping. False, with nothing
// written, when the line is too long for that or its text needs escaping.
bool writePlainCellLine(AtomicFileWriter& out, int col, std::string_view rowPart,
                        std::string_view text) {
    constexpr std::size_t kMaxColumnDigits = 11;
    const std::size_t most = kMaxColumnDigits + rowPart.size() + text.size() + kLineEnd.size();
    if (most > out.bufferSize()) return false;
    char* const start = out.room(most);
    char* p = std::to_chars(start, start + kMaxColumnDigits, col).ptr;
    p = std::copy(rowPart.begin(), rowPart.end(), p);
    bool special = false;
    for (const char c : text) {
        *p++ = c;
        special |= (c == '\r') | (c == kEndOfFile);
    }
    if (special) return false;
    p = std::copy(kLineEnd.begin(), kLineEnd.end(), p);
    out.advance(static_cast<std::size_t>(p - start));
    return true;
}

// Reports a percentage only when it moved, as a progress dialog wants it.
class ProgressReporter {
  public:
    ProgressReporter(const FileProgress& report, int rowCount)
        : report_(report), rowCount_(rowCount) {}
    void row(std::int64_t row) {
        if (!report_) return;
        const std::int16_t percent = progressPercent(row, rowCount_);
        if (last_ == percent) return;
        last_ = percent;
        report_(percent);
    }

  private:
    const FileProgress& report_;
    int rowCount_;
    int last_ = INT_MIN;  // nothing reported yet
};

// Splits at the first comma: the part before it, and the rest after it. Without a
// comma the part is empty and the rest is the whole text.
std::pair<std::string_view, std::string_view> splitAtComma(std::string_view text) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) return {std::string_view(), text};
    return {text.substr(0, comma), text.substr(comma + 1)};
}

void readHeader(CellGrid& grid, std::string_view header, const std::string& path) {
    const auto [before, after] = splitAtComma(header);
    const std::int64_t cols = leadingInteger(before);
    const std::int64_t rows = leadingInteger(after);
    if (cols > CellGrid::kMaxColumns || rows > CellGrid::kMaxRows) {
        throw CellGridError(
            Message(QUILLET_TR("CoreMessages",
                               "Cannot open file %1: it asks for a grid of %2 columns and %3 "
                               "rows, more than the %4 columns and %5 rows a project can have"))
                .arg(path)
                .arg(std::to_string(cols))
                .arg(std::to_string(rows))
                .arg(std::to_string(CellGrid::kMaxColumns))
                .arg(std::to_string(CellGrid::kMaxRows)));
    }
    if (CellGrid::exceedsCellLimit(cols, rows)) {
        throw CellGridError(
            Message(QUILLET_TR("CoreMessages",
                               "Cannot open file %1: it asks for a grid of %2 columns and %3 "
                               "rows, more than the %4 cells a project can have"))
                .arg(path)
                .arg(std::to_string(cols))
                .arg(std::to_string(rows))
                .arg(std::to_string(CellGrid::kMaxCells)));
    }
    // Negative counts become 1 through the grid's own clamps. The count that shrinks
    // goes first, so the grid never passes through counts larger than the file's.
    const int newCols = static_cast<int>(std::max<std::int64_t>(cols, 0));
    const int newRows = static_cast<int>(std::max<std::int64_t>(rows, 0));
    if (newCols > grid.colCount()) {
        grid.setRowCount(newRows);
        grid.setColCount(newCols);
    } else {
        grid.setColCount(newCols);
        grid.setRowCount(newRows);
    }
}

// The column whose width the line set, or -1.
int readWidthLine(CellGrid& grid, std::string_view line) {
    // Counted as the format always has: the index runs from the fourth byte up to
    // the first comma, the width is read from at most 255 bytes after it.
    const auto comma = line.find(',');
    const std::size_t p = comma == std::string_view::npos ? 0 : comma + 1;
    const std::string_view indexText = p > 4 ? line.substr(3, p - 4) : std::string_view();
    const std::string_view widthText = line.substr(p, kMaxWidthDigits);
    const std::int64_t col = leadingInteger(indexText);
    if (col < 0 || col >= grid.colCount()) return -1;
    grid.setColWidth(static_cast<int>(col), leadingInt(widthText));
    return static_cast<int>(col);
}

// A cell line's column or row in its usual form, decimal digits and a comma: the
// value, with the field and its comma taken off `rest`. False for anything else,
// which the leading-integer rule then reads.
bool readPlainNumber(std::string_view& rest, std::int64_t& value) {
    constexpr std::size_t kMaxDigits = 9;  // far past any count, and no overflow
    std::size_t i = 0;
    std::int64_t v = 0;
    while (i < rest.size() && i <= kMaxDigits && rest[i] >= '0' && rest[i] <= '9') {
        v = v * 10 + (rest[i] - '0');
        ++i;
    }
    if (i == 0 || i > kMaxDigits || i == rest.size() || rest[i] != ',') return false;
    value = v;
    rest.remove_prefix(i + 1);
    return true;
}

// The shortest cell line, "0,0,x" and its CR.
constexpr std::uint64_t kShortestCellLine = 6;

}  // namespace

std::int16_t progressPercent(std::int64_t row, std::int64_t rowCount) {
    const std::int64_t den = std::max<std::int64_t>(1, rowCount - 1);
    const std::int64_t num = std::clamp<std::int64_t>(row, 0, INT64_MAX / 100) * 100;
    std::int64_t q = num / den;
    const std::int64_t twiceRemainder = (num % den) * 2;
    if (twiceRemainder > den || (twiceRemainder == den && q % 2 != 0)) ++q;
    return static_cast<std::int16_t>(std::min<std::int64_t>(q, INT16_MAX));
}

std::string escapeLineBreaks(std::string_view text) {
    std::string result(text);
    if (result.find('\r') == std::string::npos) return result;
    for (char& c : result) {
        if (c == '\r')
            c = '\t';
        else if (c == '\n')
            c = '\b';
    }
    return result;
}

std::string unescapeLineBreaks(std::string_view text, bool multilineCells) {
    if (text.find('\b') == std::string_view::npos) return std::string(text);
    std::string result(text);
    for (char& c : result) {
        if (c == '\t')
            c = '\r';
        else if (c == '\b')
            c = '\n';
    }
    if (!multilineCells) {
        const auto cr = result.find('\r');
        if (cr != std::string::npos) result.resize(cr);
    }
    return result;
}

std::optional<FileStamp> saveCellsToFile(const CellGrid& grid, const std::string& path,
                                         AtomicFileWriter::Privacy privacy,
                                         const FileProgress& report) {
    AtomicFileWriter out(path, privacy);
    const int cols = grid.colCount();
    const int rows = grid.rowCount();
    writeNumber(out, cols);
    out.put(',');
    writeNumber(out, rows);
    out.write(kLineEnd);
    for (int c = 0; c < cols; ++c) {
        out.write("cw ");
        writeNumber(out, c);
        out.put(',');
        writeNumber(out, grid.colWidth(c));
        out.write(kLineEnd);
    }
    ProgressReporter progress(report, rows);
    char rowPart[24];  // ",row," written after each column
    for (int r = 0; r < rows; ++r) {
        // Only the stored texts: an empty cell writes nothing, so a wide grid of few
        // cells saves as fast as a narrow one.
        const std::span<const CellGrid::StoredCell> cells = grid.storedCells(r);
        if (!cells.empty()) {
            rowPart[0] = ',';
            char* end = std::to_chars(rowPart + 1, rowPart + sizeof rowPart - 1, r).ptr;
            *end++ = ',';
            const std::string_view rowText(rowPart, static_cast<std::size_t>(end - rowPart));
            for (const CellGrid::StoredCell& cell : cells) {
                if (cell.col() >= cols) break;
                if (writePlainCellLine(out, cell.col(), rowText, cell.text())) continue;
                writeNumber(out, cell.col());
                out.write(rowText);
                writeEscaped(out, cell.text());
                out.write(kLineEnd);
            }
        }
        progress.row(r);
    }
    out.commit();
    return out.stamp();
}

bool isForeignFile(const std::string& path) {
    // Without waiting: only a regular file can be someone's data to lose.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    char start[64];
    struct stat st {};
    ssize_t got = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) got = ::read(fd, start, sizeof start);
    ::close(fd);
    if (got <= 0) return false;
    const std::string_view head(start, static_cast<std::size_t>(got));
    // The header as Save writes it: digits, a comma, digits, then the line end.
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < head.size() && isAsciiDigit(head[i])) ++i;
        return i > from;
    };
    const bool header = digits() && i < head.size() && head[i++] == ',' && digits() &&
                        i < head.size() && (head[i] == '\r' || head[i] == '\n');
    return !header;
}

std::optional<FileStamp> loadCellsFromFile(CellGrid& grid, const std::string& path,
                                           const ReadOptions& options) {
    const TextLines file = openTextLines(path);
    TextLineReader& reader = *file.reader;

    // Lines are views into the reader's blocks; only a cell's text is copied, once,
    // into the grid.
    std::string_view line;
    if (!reader.readLine(line)) return reader.stamp();  // an empty file changes nothing
    // The header is checked before the grid changes at all.
    CellGrid::BulkUpdate bulk(grid);
    if (!line.empty()) readHeader(grid, line, path);

    const int cols = grid.colCount();
    const int rows = grid.rowCount();
    // Room for as many rows and cells as the file can hold, so the tables never
    // grow by copying; what a typical file leaves unused is never touched.
    const std::uint64_t mostCells = reader.fileSize() / kShortestCellLine;
    grid.reserveRows(static_cast<int>(std::min<std::uint64_t>(rows, mostCells + 1)));
    grid.reserveCells(static_cast<std::size_t>(
        std::min(mostCells, static_cast<std::uint64_t>(rows) * static_cast<std::uint64_t>(cols))));
    ProgressReporter progress(options.progress, rows);
    std::string unescaped;
    while (reader.readLine(line)) {
        if (line.starts_with("cw")) {
            const int col = readWidthLine(grid, line);
            if (col >= 0 && options.widthRead) options.widthRead(col);
            continue;
        }
        std::int64_t col = 0;
        std::int64_t row = 0;
        std::string_view text = line;
        if (!readPlainNumber(text, col) || !readPlainNumber(text, row)) {
            const auto [colText, afterCol] = splitAtComma(line);
            const auto [rowText, rest] = splitAtComma(afterCol);
            col = leadingInteger(colText);
            row = leadingInteger(rowText);
            text = rest;
        }
        // Lines outside the grid are ignored, and give no progress either.
        if (col < 0 || col >= cols || row < 0 || row >= rows) continue;
        if (reader.lineMayHold('\b') && text.find('\b') != std::string_view::npos) {
            unescaped = unescapeLineBreaks(text, options.multilineCells);
            text = unescaped;
        }
        grid.rawSetCellText(static_cast<int>(col), static_cast<int>(row), text);
        progress.row(row);
    }
    std::optional<FileStamp> stamp = reader.stamp();
    grid.cellsChanged({0, 0, grid.colCount(), grid.rowCount()});
    bulk.commit();
    return stamp;
}

}  // namespace quillet
