#include "grid/RowSort.h"

#include <charconv>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "grid/IntroSort.h"

namespace quillet {

namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

bool startsWith(std::string_view text, size_t pos, std::string_view token) {
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
        if (isDigit(text[i]) || text[i] == '-') {
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
    const size_t slash = text.find('/');
    if (slash == std::string_view::npos || slash == 0 || slash + 1 >= text.size()) return false;
    if (!isDigit(text[slash - 1]) || !isDigit(text[slash + 1])) return false;
    // Position in characters: UTF-8 continuation bytes do not start one.
    size_t position = 1;
    for (size_t i = 0; i < slash && position <= 3; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++position;
    }
    return position == 2 || position == 3;
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
    while (i < n && isDigit(at(i))) {
        buffer += at(i);
        ++mantissaDigits;
        i = step(i);
    }
    if (i < n && at(i) == '.') {
        size_t j = step(i);
        size_t fraction = 0;
        while (j < n && isDigit(at(j))) {
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
        if (j < n && isDigit(at(j))) {
            buffer += 'e';
            if (expNegative) buffer += '-';
            while (j < n && isDigit(at(j))) {
                buffer += at(j);
                j = step(j);
            }
            negativeExponent = expNegative;
            i = j;
        }
    }
    double value = 0;
    const auto result = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (result.ec == std::errc::result_out_of_range) value = negativeExponent ? 0.0 : HUGE_VAL;
    if (negative) value = -value;
    return {value, i >= n};
}

// Everything a comparison needs of one cell, worked out once per sort.
struct CellKey {
    std::string_view text;
    SortKind kind = SortKind::Text;
    bool readable = false;
    double number = 0;
    double date = 0;
};

template <typename T>
int threeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareKeys(const CellKey& a, const CellKey& b) {
    switch (a.kind) {
        case SortKind::Numeric:
            if (!a.readable && !b.readable) return 0;
            return threeWay(a.number, b.number);
        case SortKind::Date:
            return threeWay(a.date, b.date);
        case SortKind::Text:
            break;
    }
    return threeWay(a.text.compare(b.text), 0);
}

class KeyMaker {
  public:
    explicit KeyMaker(const Locale& locale) : locale_(locale) {}

    void setKind(CellKey& key) const { key.kind = sortKindOf(key.text, locale_); }
    void setNumber(CellKey& key) {
        const NumberReading reading = readNumber(key.text, locale_.decimalSeparator, buffer_);
        key.number = reading.value;
        key.readable = reading.readable;
    }
    void setDate(CellKey& key) const {
        if (key.text.empty()) return;
        key.date = locale_.parseDateTime(key.text).value_or(0.0);
    }

  private:
    const Locale& locale_;
    std::string buffer_;
};

// The keys of one column for every sorted row. Numbers and dates are read only
// when some cell of the column asks for that kind of comparison.
std::vector<CellKey> columnKeys(const CellGrid& grid, int col, int firstRow, int count,
                                KeyMaker& maker) {
    std::vector<CellKey> keys(static_cast<size_t>(count));
    bool anyNumeric = false;
    bool anyDate = false;
    for (int i = 0; i < count; ++i) {
        CellKey& key = keys[static_cast<size_t>(i)];
        key.text = grid.cellText(col, firstRow + i);
        maker.setKind(key);
        anyNumeric |= key.kind == SortKind::Numeric;
        anyDate |= key.kind == SortKind::Date;
    }
    for (CellKey& key : keys) {
        if (anyNumeric) maker.setNumber(key);
        if (anyDate) maker.setDate(key);
    }
    return keys;
}

// Compares two sorted rows by their ids: the sort column, then the columns to its right.
class RowCompare {
  public:
    RowCompare(const std::vector<std::vector<CellKey>>& columns, bool ascending)
        : columns_(columns), sign_(ascending ? 1 : -1) {}

    int operator()(int a, int b) const {
        for (const std::vector<CellKey>& column : columns_) {
            const int result =
                compareKeys(column[static_cast<size_t>(a)], column[static_cast<size_t>(b)]);
            if (result != 0) return result * sign_;
        }
        return 0;
    }

  private:
    const std::vector<std::vector<CellKey>>& columns_;
    int sign_;
};

}  // namespace

SortKind sortKindOf(std::string_view text, const Locale& locale) {
    if (isNumericText(text, locale)) return SortKind::Numeric;
    if (isDateText(text)) return SortKind::Date;
    return SortKind::Text;
}

int compareSortCells(std::string_view a, std::string_view b, const Locale& locale) {
    KeyMaker maker(locale);
    CellKey ka{a};
    CellKey kb{b};
    maker.setKind(ka);
    for (CellKey* key : {&ka, &kb}) {
        maker.setNumber(*key);
        maker.setDate(*key);
    }
    return compareKeys(ka, kb);
}

void sortGridRows(CellGrid& grid, const RowSortSettings& settings, const Locale& locale) {
    constexpr int kFirstRow = 1;  // the heading row never moves
    const int count = grid.rowCount() - kFirstRow;
    if (settings.column < 0 || settings.column >= grid.colCount() || count < 2) return;
    const int lastCol = settings.full ? grid.colCount() - 1 : settings.column;

    KeyMaker maker(locale);
    std::vector<std::vector<CellKey>> columns;
    columns.reserve(static_cast<size_t>(lastCol) - static_cast<size_t>(settings.column) + 1);
    for (int c = settings.column; c <= lastCol; ++c) {
        columns.push_back(columnKeys(grid, c, kFirstRow, count, maker));
    }

    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    introSortIds(order, RowCompare(columns, settings.ascending), introSortDepthLimit(count));
    columns.clear();  // the keys point into cell texts that are about to move

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
}

}  // namespace quillet
