#include "grid/RowSort.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <compare>
#include <cstring>
#include <functional>
#include <numeric>
#include <span>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "grid/IntroSort.h"
#include "ports/Ascii.h"

namespace quillet {

namespace {

bool startsWith(std::string_view text, size_t pos, std::string_view token) {
    // Separators are mostly one byte: no call to compare for them.
    if (token.size() == 1) return text[pos] == token[0];
    return !token.empty() && text.compare(pos, token.size(), token) == 0;
}

bool isNumericText(std::string_view text, const Locale& locale) {
    if (text.empty()) return false;
    const std::string_view dec = locale.decimalSeparator;
    const std::string_view thou = locale.thousandsSeparator;
    int minus = 0;
    int decimals = 0;
    long long position = 0;  // in characters, counted from 1
    long long lastThousands = 0;
    for (size_t i = 0; i < text.size();) {
        ++position;
        if (isAsciiDigit(text[i]) || text[i] == '-') {
            if (text[i] == '-' && ++minus > 1) return false;
            ++i;
        } else if (startsWith(text, i, dec)) {
            if (++decimals > 1) return false;
            i += dec.size();
        } else if (startsWith(text, i, thou)) {
            if (position == 1) return false;
            if (lastThousands != 0 && position - lastThousands < 3) return false;
            lastThousands = position;
            i += thou.size();
        } else {
            return false;
        }
    }
    return true;
}

bool isDateText(std::string_view text) {
    // One or two characters, then the first slash; a continuation byte of UTF-8 does not
    // start a character. Stops at the third character, so a long text is not searched.
    size_t slash = 0;
    int characters = 0;
    for (; slash < text.size() && text[slash] != '/'; ++slash) {
        if ((static_cast<unsigned char>(text[slash]) & 0xC0) != 0x80 && ++characters > 2) {
            return false;
        }
    }
    if (slash == text.size() || slash == 0 || slash + 1 >= text.size()) return false;
    return isAsciiDigit(text[slash - 1]) && isAsciiDigit(text[slash + 1]);
}

// Digits with at most one decimal point, 15 digits or fewer: the digits as a whole number
// divided by a power of ten. Both are exact doubles and one division rounds correctly, so
// the value is the one from_chars gives, at a fraction of its cost (most hours and costs).
bool fastDecimal(std::string_view text, char point, double& value) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (text.size() > 16) return false;
    std::uint64_t whole = 0;
    std::size_t count = 0;
    std::size_t pointAt = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (isAsciiDigit(ch)) {
            whole = whole * 10 + static_cast<std::uint64_t>(ch - '0');
            ++count;
        } else if (ch == point && pointAt == text.size()) {
            pointAt = i;
        } else {
            return false;
        }
    }
    if (count == 0 || count > 15) return false;
    const std::size_t decimals = pointAt == text.size() ? 0 : text.size() - pointAt - 1;
    value = static_cast<double>(whole) / kPowers[decimals];
    return true;
}

struct NumberReading {
    double value = 0;
    bool readable = false;  // the whole text is a number (an empty text is 0)
};

// Reads the text as a decimal number after its first decimal separator became a
// full stop: blanks, sign, digits, fraction, exponent. A text that reads only
// partly takes the value of its readable start ("1-2" is 1, "12 kg" is 12) and
// is not readable; a text with no number at its start is 0.
NumberReading readNumber(std::string_view text, std::string_view dec, std::string& buffer) {
    if (text.empty()) return {0, true};
    double plain = 0;
    if (dec.size() == 1 && fastDecimal(text, dec[0], plain)) return {plain, true};
    const size_t decAt = dec.empty() ? std::string_view::npos : text.find(dec);
    const size_t decLen = decAt == std::string_view::npos ? 0 : dec.size();
    size_t i = 0;
    // The text's character at i, with the first separator read as '.'.
    auto at = [&](size_t pos) -> char { return pos == decAt ? '.' : text[pos]; };
    auto step = [&](size_t pos) -> size_t { return pos == decAt ? pos + decLen : pos + 1; };
    const size_t n = text.size();

    while (i < n && at(i) == ' ') i = step(i);
    bool negative = false;
    if (i < n && (at(i) == '+' || at(i) == '-')) {
        negative = at(i) == '-';
        i = step(i);
    }
    buffer.clear();
    size_t mantissaDigits = 0;
    while (i < n && isAsciiDigit(at(i))) {
        buffer += at(i);
        ++mantissaDigits;
        i = step(i);
    }
    if (i < n && at(i) == '.') {
        size_t j = step(i);
        size_t fraction = 0;
        while (j < n && isAsciiDigit(at(j))) {
            ++fraction;
            j = step(j);
        }
        if (mantissaDigits + fraction > 0) {
            if (buffer.empty()) buffer += '0';
            buffer += '.';
            for (size_t k = step(i); k < j; k = step(k)) buffer += at(k);
            mantissaDigits += fraction;
            i = j;
        }
    }
    if (mantissaDigits == 0) return {0, false};
    bool negativeExponent = false;
    if (i < n && (at(i) == 'e' || at(i) == 'E')) {
        size_t j = step(i);
        bool expNegative = false;
        if (j < n && (at(j) == '+' || at(j) == '-')) {
            expNegative = at(j) == '-';
            j = step(j);
        }
        if (j < n && isAsciiDigit(at(j))) {
            buffer += 'e';
            if (expNegative) buffer += '-';
            while (j < n && isAsciiDigit(at(j))) {
                buffer += at(j);
                j = step(j);
            }
            negativeExponent = expNegative;
            i = j;
        }
    }
    double value = 0;
    if (!fastDecimal(buffer, '.', value)) {
        const auto result = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
        if (result.ec == std::errc::result_out_of_range) value = negativeExponent ? 0.0 : HUGE_VAL;
    }
    if (negative) value = -value;
    return {value, i >= n};
}

template <typename T>
int threeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The first 16 bytes of a text as two unsigned numbers, zero-padded: comparing them
// orders texts by their unsigned bytes as far as they go, a shorter text first.
struct TextPrefix {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    auto operator<=>(const TextPrefix&) const = default;
};

TextPrefix textPrefix(std::string_view text) {
    unsigned char bytes[16] = {};
    if (!text.empty()) std::memcpy(bytes, text.data(), std::min(text.size(), sizeof bytes));
    const auto word = [&bytes](std::size_t from) {
        std::uint64_t value = 0;
        for (std::size_t i = from; i < from + 8; ++i) value = value << 8 | bytes[i];
        return value;
    };
    return {word(0), word(8)};
}

// The three orders of a comparison, on the parts worked out for them.
int compareNumbers(bool readableA, double a, bool readableB, double b) {
    if (!readableA && !readableB) return 0;
    return threeWay(a, b);
}

int compareTexts(const TextPrefix& prefixA, const TextPrefix& prefixB, std::string_view textA,
                 std::string_view textB) {
    // Most texts differ within their first 16 bytes; equal ones that short are equal.
    if (prefixA != prefixB) return prefixA < prefixB ? -1 : 1;
    if (textA.size() == textB.size() && textA.size() <= 16) return 0;
    return threeWay(textA.compare(textB), 0);
}

// What the columns of one sort share: the locale, a buffer for reading numbers, and
// the dates read so far (a project holds many tasks of the same day, and reading a
// date is slow).
struct KeyContext {
    explicit KeyContext(const Locale& l) : locale(l) {}
    const Locale& locale;
    std::string buffer;
    std::unordered_map<std::string_view, double> dates;

    double readDate(std::string_view text) {
        const auto [at, added] = dates.try_emplace(text, 0.0);
        if (added) at->second = locale.parseDateTime(text).value_or(0.0);
        return at->second;
    }
};

// The cells of one column of the sorted rows, one array per part so that the parts a
// sort reads over and over lie close together. Each part of a cell is worked out the
// first time a comparison needs it and kept for the rest of the sort, so the columns
// right of the sort column cost only as much as their ties ask for.
class ColumnKeys {
  public:
    ColumnKeys(std::size_t count, KeyContext& context)
        : context_(context), texts_(count), state_(count) {}

    void setText(std::size_t i, std::string_view text) { texts_[i] = text; }
    std::string_view text(std::size_t i) const { return texts_[i]; }
    std::size_t size() const { return texts_.size(); }

    SortKind kind(std::size_t i) {
        std::uint8_t& state = state_[i];
        if (!(state & kKindKnown)) {
            state |= static_cast<std::uint8_t>(sortKindOf(texts_[i], context_.locale)) | kKindKnown;
        }
        return static_cast<SortKind>(state & kKindMask);
    }
    // The number in the text, and whether the whole text reads as one.
    std::pair<bool, double> number(std::size_t i) {
        if (numbers_.empty()) numbers_.resize(texts_.size());
        std::uint8_t& state = state_[i];
        if (!(state & kNumberKnown)) {
            const NumberReading reading =
                readNumber(texts_[i], context_.locale.decimalSeparator, context_.buffer);
            numbers_[i] = reading.value;
            state |= kNumberKnown | (reading.readable ? kReadable : 0);
        }
        return {(state & kReadable) != 0, numbers_[i]};
    }
    double date(std::size_t i) {
        if (dates_.empty()) dates_.resize(texts_.size());
        std::uint8_t& state = state_[i];
        if (!(state & kDateKnown)) {
            if (!texts_[i].empty()) dates_[i] = context_.readDate(texts_[i]);
            state |= kDateKnown;
        }
        return dates_[i];
    }
    const TextPrefix& prefix(std::size_t i) {
        if (prefixes_.empty()) prefixes_.resize(texts_.size());
        std::uint8_t& state = state_[i];
        if (!(state & kPrefixKnown)) {
            prefixes_[i] = textPrefix(texts_[i]);
            state |= kPrefixKnown;
        }
        return prefixes_[i];
    }

    // The kind of comparison comes from cell a alone.
    int compare(std::size_t a, std::size_t b) {
        switch (kind(a)) {
            case SortKind::Numeric: {
                const auto [readableA, numberA] = number(a);
                const auto [readableB, numberB] = number(b);
                return compareNumbers(readableA, numberA, readableB, numberB);
            }
            case SortKind::Date:
                return threeWay(date(a), date(b));
            case SortKind::Text:
                break;
        }
        return compareTexts(prefix(a), prefix(b), texts_[a], texts_[b]);
    }

  private:
    // state_: the kind in the low bits, then which parts are known.
    static constexpr std::uint8_t kKindMask = 3;
    static constexpr std::uint8_t kKindKnown = 4;
    static constexpr std::uint8_t kNumberKnown = 8;
    static constexpr std::uint8_t kDateKnown = 16;
    static constexpr std::uint8_t kPrefixKnown = 32;
    static constexpr std::uint8_t kReadable = 64;

    KeyContext& context_;
    std::vector<std::string_view> texts_;
    std::vector<std::uint8_t> state_;
    // Made when first needed.
    std::vector<double> numbers_;
    std::vector<double> dates_;
    std::vector<TextPrefix> prefixes_;
};

// The keys of the sorted rows: columns[c] for column firstCol + c, index i for row
// firstRow + i.
std::vector<ColumnKeys> collectKeys(const CellGrid& grid, int firstCol, int lastCol, int firstRow,
                                    int count, KeyContext& context) {
    std::vector<ColumnKeys> columns;
    columns.reserve(static_cast<std::size_t>(lastCol - firstCol) + 1);
    for (int c = firstCol; c <= lastCol; ++c) {
        columns.emplace_back(static_cast<std::size_t>(count), context);
    }
    const auto byCol = [](const CellGrid::StoredCell& cell, int col) { return cell.col() < col; };
    for (int i = 0; i < count; ++i) {
        const std::span<const CellGrid::StoredCell> cells = grid.storedCells(firstRow + i);
        for (auto cell = std::lower_bound(cells.begin(), cells.end(), firstCol, byCol);
             cell != cells.end() && cell->col() <= lastCol; ++cell) {
            columns[static_cast<std::size_t>(cell->col() - firstCol)].setText(
                static_cast<std::size_t>(i), cell->text());
        }
    }
    return columns;
}

// A sorted row as the quicksort moves it: its id with the sort column's key, so the
// scans read the keys one after the other instead of looking each one up.
struct SortItem {
    std::uint32_t rank = 0;  // of the text among the column's texts
    double number = 0;
    double date = 0;
    int id = 0;
    SortKind kind = SortKind::Text;
    bool readable = false;
};

// Each cell's place in the byte order of the column's distinct texts, equal texts at the
// same place. Project texts repeat (the same description on many tasks, often with a long
// common start), so ordering the distinct texts once leaves the row sort to compare numbers.
std::vector<std::uint32_t> textRanks(const ColumnKeys& column) {
    const std::size_t count = column.size();
    std::vector<std::uint32_t> distinctOf(count);
    std::vector<std::uint32_t> firstCell;  // of each distinct text
    {
        // Open addressing, at most half full: a slot holds a distinct text's index + 1.
        const std::size_t mask = std::bit_ceil(2 * count) - 1;
        std::vector<std::uint32_t> slots(mask + 1);
        const std::hash<std::string_view> hash;
        for (std::size_t i = 0; i < count; ++i) {
            const std::string_view text = column.text(i);
            std::size_t slot = hash(text) & mask;
            while (slots[slot] != 0 && column.text(firstCell[slots[slot] - 1]) != text) {
                slot = (slot + 1) & mask;
            }
            if (slots[slot] == 0) {
                firstCell.push_back(static_cast<std::uint32_t>(i));
                slots[slot] = static_cast<std::uint32_t>(firstCell.size());
            }
            distinctOf[i] = slots[slot] - 1;
        }
    }

    struct Entry {
        TextPrefix prefix;
        std::uint32_t distinct;
    };
    std::vector<Entry> entries(firstCell.size());
    for (std::size_t d = 0; d < entries.size(); ++d) {
        entries[d] = {textPrefix(column.text(firstCell[d])), static_cast<std::uint32_t>(d)};
    }
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        return compareTexts(a.prefix, b.prefix, column.text(firstCell[a.distinct]),
                            column.text(firstCell[b.distinct])) < 0;
    });
    // firstCell becomes the rank of each distinct text.
    for (std::size_t r = 0; r < entries.size(); ++r) {
        firstCell[entries[r].distinct] = static_cast<std::uint32_t>(r);
    }
    entries = {};
    for (std::uint32_t& d : distinctOf) d = firstCell[d];
    return distinctOf;
}

// The sort column's keys, worked out in row order: the texts are then read one after
// the other rather than in the sort's random order. Numbers, dates and ranks are
// worked out only when some cell of the column compares that way.
std::vector<SortItem> sortItems(ColumnKeys& column) {
    const std::size_t count = column.size();
    std::vector<SortItem> items(count);
    bool anyNumeric = false;
    bool anyDate = false;
    bool anyText = false;
    for (std::size_t i = 0; i < count; ++i) {
        SortItem& item = items[i];
        item.id = static_cast<int>(i);
        item.kind = column.kind(i);
        anyNumeric |= item.kind == SortKind::Numeric;
        anyDate |= item.kind == SortKind::Date;
        anyText |= item.kind == SortKind::Text;
    }
    for (std::size_t i = 0; i < count; ++i) {
        SortItem& item = items[i];
        if (anyNumeric) std::tie(item.readable, item.number) = column.number(i);
        if (anyDate) item.date = column.date(i);
    }
    if (anyText) {
        const std::vector<std::uint32_t> ranks = textRanks(column);
        for (std::size_t i = 0; i < count; ++i) items[i].rank = ranks[i];
    }
    return items;
}

// Compares two sorted rows: the sort column, then the columns to its right.
class RowCompare {
  public:
    RowCompare(std::vector<ColumnKeys>& columns, bool ascending)
        : columns_(columns), sign_(ascending ? 1 : -1) {}

    int operator()(const SortItem& a, const SortItem& b) const {
        // The quicksort compares its pivot with itself; every column would say equal.
        if (a.id == b.id) return 0;
        const auto ia = static_cast<std::size_t>(a.id);
        const auto ib = static_cast<std::size_t>(b.id);
        int result = 0;
        switch (a.kind) {
            case SortKind::Numeric:
                result = compareNumbers(a.readable, a.number, b.readable, b.number);
                break;
            case SortKind::Date:
                result = threeWay(a.date, b.date);
                break;
            case SortKind::Text:
                result = threeWay(a.rank, b.rank);
                break;
        }
        for (std::size_t c = 1; result == 0 && c < columns_.size(); ++c) {
            result = columns_[c].compare(ia, ib);
        }
        return result * sign_;
    }

  private:
    std::vector<ColumnKeys>& columns_;
    int sign_;
};

}  // namespace

SortKind sortKindOf(std::string_view text, const Locale& locale) {
    if (isNumericText(text, locale)) return SortKind::Numeric;
    if (isDateText(text)) return SortKind::Date;
    return SortKind::Text;
}

int compareSortCells(std::string_view a, std::string_view b, const Locale& locale) {
    KeyContext context(locale);
    ColumnKeys keys(2, context);
    keys.setText(0, a);
    keys.setText(1, b);
    return keys.compare(0, 1);
}

void sortGridRows(CellGrid& grid, const RowSortSettings& settings, const Locale& locale) {
    constexpr int kFirstRow = 1;  // the heading row never moves
    const int count = grid.rowCount() - kFirstRow;
    if (settings.column < 0 || settings.column >= grid.colCount() || count < 2) return;
    const int lastCol = settings.full ? grid.colCount() - 1 : settings.column;

    KeyContext context(locale);
    std::vector<ColumnKeys> columns =
        collectKeys(grid, settings.column, lastCol, kFirstRow, count, context);
    std::vector<SortItem> items = sortItems(columns.front());
    introSort(items, RowCompare(columns, settings.ascending), introSortDepthLimit(count));
    columns.clear();  // the keys point into cell texts that are about to move
    std::vector<int> order(static_cast<size_t>(count));
    for (std::size_t p = 0; p < order.size(); ++p) order[p] = items[p].id;
    items = {};

    // Position p receives the row that started at order[p]: one exchange per row
    // out of place, and listeners hear one change at the end.
    CellGrid::BulkUpdate bulk(grid);
    std::vector<int> rowAt(static_cast<size_t>(count));
    std::vector<int> placeOf(static_cast<size_t>(count));
    std::iota(rowAt.begin(), rowAt.end(), 0);
    std::iota(placeOf.begin(), placeOf.end(), 0);
    for (int p = 0; p < count; ++p) {
        const int wanted = order[static_cast<size_t>(p)];
        const int q = placeOf[static_cast<size_t>(wanted)];
        if (q == p) continue;
        grid.exchangeRows(kFirstRow + p, kFirstRow + q);
        const int displaced = rowAt[static_cast<size_t>(p)];
        rowAt[static_cast<size_t>(q)] = displaced;
        placeOf[static_cast<size_t>(displaced)] = q;
        rowAt[static_cast<size_t>(p)] = wanted;
        placeOf[static_cast<size_t>(wanted)] = p;
    }
    bulk.commit();
}

}  // namespace quillet
