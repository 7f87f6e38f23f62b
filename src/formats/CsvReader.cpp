#include "formats/CsvReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

#include "formats/CellText.h"
#include "formats/CodePage.h"
#include "formats/ProjectFile.h"
#include "formats/TextLines.h"

namespace quillet {

namespace {

constexpr char kQuote = '"';
constexpr int kRowReserve = 1000;
constexpr std::uint64_t kTypicalFieldBytes = 8;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kCandidateCount = std::size(kCsvSeparatorCandidates);

using Counts = std::array<std::int64_t, kCandidateCount>;

// Where the first odd run of `byte` followed by another byte ends, or the line's last
// byte when a run reaches the end; npos when neither exists.
std::size_t nextRunEnd(std::string_view line, char byte, std::size_t from) {
    const std::size_t n = line.size();
    while (from < n) {
        const std::size_t start = line.find(byte, from);
        if (start == std::string_view::npos) return std::string_view::npos;
        std::size_t end = start + 1;
        while (end < n && line[end] == byte) ++end;
        if (end == n || (end - start) % 2 == 1) return end - 1;
        from = end;
    }
    return std::string_view::npos;
}

Counts runCounts(std::string_view line) {
    Counts counts{};
    for (std::size_t i = 0; i < kCandidateCount; ++i) {
        counts[i] = csvRunCount(line, kCsvSeparatorCandidates[i]);
    }
    return counts;
}

Counts plainCounts(std::string_view line) {
    Counts counts{};
    for (std::size_t i = 0; i < kCandidateCount; ++i) {
        counts[i] = std::count(line.begin(), line.end(), kCsvSeparatorCandidates[i]);
    }
    return counts;
}

std::optional<char> chooseSeparator(const Counts& run1, const Counts& run2, const Counts& plain1,
                                    const Counts& plain2) {
    std::optional<char> separator;
    std::int64_t best = 0;
    // A later candidate must beat the best strictly, so ties go to the earlier one.
    const auto sameInBothLines = [&](const Counts& a, const Counts& b) {
        for (std::size_t i = 0; i < kCandidateCount; ++i) {
            if (b[i] == a[i] && a[i] > best) {
                separator = kCsvSeparatorCandidates[i];
                best = a[i];
            }
        }
    };
    sameInBothLines(run1, run2);
    if (best == 0) sameInBothLines(plain1, plain2);
    if (best == 0) {
        for (std::size_t i = 0; i < kCandidateCount; ++i) {
            if (plain1[i] > best || plain2[i] > best) {
                separator = kCsvSeparatorCandidates[i];
                best = std::max(plain1[i], plain2[i]);
            }
        }
    }
    return separator;
}

// A field's text as the cell keeps it: every LF becomes CR LF, and in a quoted field
// (or the last one) every run of quotes becomes one quote. mayHoldLf: false when the
// whole line holds no LF, which spares a search in every field. The field itself when
// nothing changes, else the text built once in `buffer`.
std::string_view cellText(std::string_view field, bool collapseQuotes, bool mayHoldLf,
                          std::string& buffer) {
    const char* in = field.data();
    const std::size_t n = field.size();
    const bool quotes = collapseQuotes && std::memchr(in, kQuote, n) != nullptr;
    const bool lineFeeds = mayHoldLf && std::memchr(in, '\n', n) != nullptr;
    if (!quotes && !lineFeeds) return field;
    const auto extra = lineFeeds ? static_cast<std::size_t>(std::count(in, in + n, '\n')) : 0;
    buffer.resize(n + extra);
    char* out = buffer.data();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = in[i];
        if (quotes && c == kQuote && i > 0 && in[i - 1] == kQuote) continue;
        if (c == '\n') *out++ = '\r';
        *out++ = c;
    }
    buffer.resize(static_cast<std::size_t>(out - buffer.data()));
    return buffer;
}

// True when a line holds a byte that sanitizeCellText may change.
bool needsCleaning(std::string_view line) {
    for (const char c : line) {
        if (c == '\n' || c == '\r' || c == '\b' || c == '\x1A') return true;
    }
    return false;
}

// Where a quoted field whose text starts at `from` closes within the line: the first
// odd run of quotes. Unlike nextRunEnd, an even run at the line's end is a quote inside
// the field, which a line break then continues.
std::size_t closingQuote(std::string_view line, std::size_t from) {
    const std::size_t close = nextRunEnd(line, kQuote, from);
    if (close == line.size() - 1 && line.back() == kQuote) {
        std::size_t start = close;
        while (start > from && line[start - 1] == kQuote) --start;
        if ((close + 1 - start) % 2 == 0) return std::string_view::npos;
    }
    return close;
}

// Walks the fields of a line from `from` (a field's start when atFieldStart, else inside
// one) and returns where the text of a quoted field begins whose closing quote the line
// does not hold, or npos when the line ends outside quotes. Fields are found as
// LineStore::store finds them.
std::size_t openQuotedField(std::string_view line, std::size_t from, bool atFieldStart,
                            std::optional<char> separator) {
    std::size_t i = from;
    for (;;) {
        if (atFieldStart && i < line.size() && line[i] == kQuote) {
            const std::size_t close = closingQuote(line, i + 1);
            if (close == std::string_view::npos) return i + 1;
            i = close + 1;
        }
        atFieldStart = true;
        const std::size_t pos = separator ? line.find(*separator, i) : std::string_view::npos;
        if (pos == std::string_view::npos) return std::string_view::npos;
        i = pos + 1;
    }
}

[[noreturn]] void refuseTooLarge(const std::string& path) {
    throw CellGridError(Message(QUILLET_TR("CoreMessages",
                                           "Cannot open file %1: it holds more than the %2 "
                                           "columns or %3 rows a project can have"))
                            .arg(path)
                            .arg(std::to_string(CellGrid::kMaxColumns))
                            .arg(std::to_string(CellGrid::kMaxRows)));
}

[[noreturn]] void refuseTooManyCells(const std::string& path) {
    throw CellGridError(Message(QUILLET_TR("CoreMessages",
                                           "Cannot open file %1: it holds more "
                                           "than the %2 cells a project can have"))
                            .arg(path)
                            .arg(std::to_string(CellGrid::kMaxCells)));
}

class LineStore {
  public:
    LineStore(CellGrid& grid, std::optional<char> separator, const std::string& path)
        : grid_(grid), separator_(separator), path_(path) {}

    // The grid's rows were cut to the lines read (see widen).
    bool rowsCut() const { return rowsCut_; }

    // Splits one line into the cells of row r.
    void store(std::string_view rest, int r) {
        int c = 0;
        const bool lf = rest.find('\n') != std::string_view::npos;
        clean_ = !needsCleaning(rest);
        if (separator_) {
            const char sep = *separator_;
            std::size_t pos;
            while ((pos = rest.find(sep)) != std::string_view::npos) {
                std::string_view text;
                if (!rest.empty() && rest.front() == kQuote) {
                    rest.remove_prefix(1);
                    const std::size_t close = nextRunEnd(rest, kQuote, 0);
                    if (close == std::string_view::npos) {
                        // Unclosed: the field stays empty and the rest of the line is kept.
                        const std::size_t again = rest.find(sep);
                        if (again != std::string_view::npos) pos = again;
                    } else {
                        const std::string_view quoted = rest.substr(0, close);
                        rest.remove_prefix(close + 1);
                        const std::size_t again = rest.find(sep);
                        // Text between the closing quote and the next separator (or the
                        // line's end) belongs to the field, as spreadsheets read it.
                        const std::string_view tail = rest.substr(0, again);
                        if (tail.empty()) {
                            text = cellText(quoted, true, lf, buffer_);
                        } else {
                            joined_.assign(cellText(quoted, true, lf, buffer_));
                            joined_ += cellText(tail, false, lf, buffer_);
                            text = joined_;
                        }
                        pos = again == std::string_view::npos ? rest.size() : again;
                    }
                } else {
                    text = cellText(rest.substr(0, pos), false, lf, buffer_);
                }
                put(c, r, text);
                rest.remove_prefix(std::min(pos + 1, rest.size()));
                ++c;
                if (c >= grid_.colCount()) widen(c, r);
            }
        }
        // A line ending in the separator stores nothing more: that cell keeps its text.
        if (rest.empty()) return;
        if (rest.front() == kQuote) rest.remove_prefix(1);
        if (!rest.empty() && rest.back() == kQuote) rest.remove_suffix(1);
        put(c, r, cellText(rest, true, lf, buffer_));
        if (grid_.colCount() < c + 1) widen(c + 1, r);
    }

  private:
    // `text` may view the line or buffer_: it is stored before either changes.
    void put(int c, int r, std::string_view text) {
        if (c >= CellGrid::kMaxColumns) refuseTooLarge(path_);
        // Each line checks its rows against the cell limit first; only a wider line can
        // pass it here.
        if (c >= grid_.colCount() && CellGrid::exceedsCellLimit(c + 1, r + 1)) {
            refuseTooManyCells(path_);
        }
        // Only text the project file can give back enters a cell.
        if (clean_) {
            grid_.rawSetCellText(c, r, text);
        } else {
            grid_.rawSetCellText(c, r, sanitizeCellText(std::string(text)));
        }
    }

    // Rows past the lines read so far (the reserve, or rows the grid had) give way to a
    // wider line: the count ends at the number of lines, and put() has checked their cells.
    void widen(int cols, int r) {
        if (CellGrid::exceedsCellLimit(cols, grid_.rowCount())) {
            grid_.setRowCount(r + 1);
            rowsCut_ = true;
        }
        grid_.setColCount(cols);
    }

    CellGrid& grid_;
    std::optional<char> separator_;
    const std::string& path_;
    std::string buffer_;
    std::string joined_;  // a quoted field and the text after its closing quote
    bool clean_ = true;   // the line holds nothing sanitizeCellText would change
    bool rowsCut_ = false;
};

// The share of the file read so far, reported only when the percentage moves.
class ByteProgress {
  public:
    ByteProgress(const FileProgress& report, std::uint64_t fileSize)
        : report_(report), size_(fileSize) {}
    void update(std::uint64_t done) {
        if (!report_) return;
        const std::uint64_t percent =
            size_ == 0 ? 100 : std::min<std::uint64_t>(100, (done * 100 + size_ / 2) / size_);
        if (static_cast<int>(percent) == last_) return;
        last_ = static_cast<int>(percent);
        report_(static_cast<std::int16_t>(percent));
    }

  private:
    const FileProgress& report_;
    std::uint64_t size_;
    int last_ = -1;
};

}  // namespace

std::int64_t csvRunCount(std::string_view line, char separator) {
    std::int64_t count = 0;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = nextRunEnd(line, separator, from);
        if (at == std::string_view::npos) return count;
        ++count;
        from = at + 1;
    }
}

std::optional<char> detectCsvSeparator(std::string_view line1, std::string_view line2) {
    return chooseSeparator(runCounts(line1), runCounts(line2), plainCounts(line1),
                           plainCounts(line2));
}

std::optional<FileStamp> loadCellsFromCsv(CellGrid& grid, const std::string& path,
                                          const ReadOptions& options,
                                          std::optional<char> csvSeparator) {
    const TextLines file = openTextLines(path, options.oemConvert);
    TextLineReader& reader = *file.reader;
    const bool lfLines = !file.scan.holdsCarriageReturn;
    // Today's files are UTF-8 and are taken as they are; only others are old OEM text.
    const bool fromOem = options.oemConvert && !file.scan.validUtf8;
    const auto dropMark = [](std::string_view line) {
        if (line.starts_with(kByteOrderMark)) {
            line.remove_prefix(kByteOrderMark.size());
        }
        return line;
    };

    std::optional<char> separator = csvSeparator;
    if (!separator) {
        std::string_view line;
        const bool hasFirst = reader.readLine(line);
        line = hasFirst ? dropMark(line) : std::string_view();
        const Counts run1 = runCounts(line);
        const Counts plain1 = plainCounts(line);
        if (!hasFirst || !reader.readLine(line)) line = {};
        separator = chooseSeparator(run1, runCounts(line), plain1, plainCounts(line));
        reader.rewind();
    }

    CellGrid::BulkUpdate bulk(grid);
    LineStore cells(grid, separator, path);
    // A guess at the fields to come, so the store's table rarely grows by copying.
    grid.reserveCells(static_cast<std::size_t>(reader.fileSize() / kTypicalFieldBytes));
    ByteProgress progress(options.progress, reader.fileSize());
    std::string converted;
    std::string continued;
    std::int64_t physicalLines = 0;
    int r = 0;
    bool grown = false;
    try {
        std::string_view line;
        while (reader.readLine(line)) {
            if (r >= CellGrid::kMaxRows) refuseTooLarge(path);
            if (r == 0) line = dropMark(line);
            // With LF line ends a line break inside a quoted field continues the field;
            // files with CRs keep their own rule, where a bare LF never ends a line.
            if (lfLines && line.find(kQuote) != std::string_view::npos &&
                openQuotedField(line, 0, true, separator) != std::string_view::npos) {
                continued.assign(line);
                bool open = true;
                std::string_view next;
                while (open && reader.readLine(next)) {
                    if (++physicalLines >= CellGrid::kMaxRows) refuseTooLarge(path);
                    // Only the new text can close the field: a quote run never spans the
                    // line break, and the search never goes back over what was joined.
                    const std::size_t from = continued.size() + 1;
                    continued += '\n';
                    continued += next;
                    const std::size_t close = closingQuote(continued, from);
                    open = close == std::string_view::npos ||
                           openQuotedField(continued, close + 1, false, separator) !=
                               std::string_view::npos;
                }
                line = continued;
            }
            ++physicalLines;
            if (CellGrid::exceedsCellLimit(grid.colCount(), r + 1)) refuseTooManyCells(path);
            if (fromOem) {
                converted.clear();
                appendCp437AsUtf8(line, converted);
                line = converted;
            }
            // Rows come a thousand at a time, as far as the store's limits let them (this
            // line's row is within them, checked above); the surplus is cut once at the end.
            if (r >= grid.rowCount()) {
                const std::int64_t room = std::min<std::int64_t>(
                    CellGrid::kMaxRows, CellGrid::kMaxCells / grid.colCount());
                grid.setRowCount(static_cast<int>(std::min<std::int64_t>(r + kRowReserve, room)));
                grown = true;
            }
            cells.store(line, r);
            ++r;
            progress.update(reader.bytesConsumed());
        }
    } catch (...) {
        if (grown || cells.rowsCut()) grid.setRowCount(r);
        throw;
    }
    grid.setRowCount(r);
    progress.update(reader.fileSize());
    std::optional<FileStamp> stamp = reader.stamp();
    grid.cellsChanged({0, 0, grid.colCount(), grid.rowCount()});
    bulk.commit();
    return stamp;
}

}  // namespace quillet
