#include "tasks/CostTotal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <optional>
#include <span>
#include <system_error>
#include <thread>
#include <vector>

#include "ports/Ascii.h"
#include "tasks/TaskRows.h"

namespace quillet {

namespace {

constexpr int kSignificantDigits = 15;

// Below this a second thread costs more to start than it saves.
constexpr int kRowsWorthASecondThread = 100000;

constexpr int kMantissaBits = std::numeric_limits<long double>::digits;

// Every integer up to this converts to long double exactly.
constexpr std::uint64_t kExactMantissa = kMantissaBits >= 64
                                             ? std::numeric_limits<std::uint64_t>::max()
                                             : (std::uint64_t{1} << kMantissaBits) - 1;

// The largest k for which 10^k is exact in long double: 5^k must fit the mantissa, and it
// needs floor(k * log2(5)) + 1 bits (27 for 80-bit extended, 22 for double).
constexpr int kExactPowersOfTen = [] {
    int k = 0;
    while ((k + 1) * 2321928095LL / 1000000000 + 1 <= kMantissaBits) ++k;
    return k;
}();

constexpr std::array<long double, kExactPowersOfTen + 1> kPowersOfTen = [] {
    std::array<long double, kExactPowersOfTen + 1> powers{};
    long double p = 1;
    for (long double& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// Reads digits into the mantissa: false once it would pass 19 significant digits.
// Leading zeros are not significant.
[[gnu::always_inline]] inline bool readDigits(const char*& p, const char* end,
                                              std::uint64_t& mantissa, int& significant) {
    for (; p != end; ++p) {
        const auto digit = static_cast<unsigned>(*p) - '0';
        if (digit > 9) break;
        if ((mantissa | digit) != 0 && ++significant > 19) return false;
        mantissa = mantissa * 10 + digit;
    }
    return true;
}

// Up to eight bytes as one little-endian word, zero above the text, read only from the
// text itself: two loads that may overlap instead of a loop.
[[gnu::always_inline]] inline std::uint64_t loadUpToEight(const char* p, std::size_t n) {
    if (n >= 4) {
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        std::memcpy(&low, p, 4);
        std::memcpy(&high, p + n - 4, 4);
        return low | (std::uint64_t{high} << (8 * (n - 4)));
    }
    if (n >= 2) {
        std::uint16_t low = 0;
        std::uint16_t high = 0;
        std::memcpy(&low, p, 2);
        std::memcpy(&high, p + n - 2, 2);
        return low | (std::uint64_t{high} << (8 * (n - 2)));
    }
    return static_cast<unsigned char>(*p);
}

// The high bit of each byte of `word` that is zero.
[[gnu::always_inline]] inline std::uint64_t zeroBytes(std::uint64_t word) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
    return ~(((word & kLow7) + kLow7) | word | kLow7);
}

// A cost of at most eight bytes, the most common kind by far, read a word at a time: an
// optional sign, digits and at most one one-byte separator. The loop over digits costs a
// mispredicted branch at the end of each run of digits, more than all the rest. Gives the
// same digits and scale as readDecimalBytes, or false to leave the text to it.
[[gnu::always_inline]] inline bool readEightBytes(std::string_view text, char separator,
                                                  std::uint64_t& mantissa, int& scale,
                                                  bool& negative) {
    if constexpr (std::endian::native != std::endian::little) return false;
    std::size_t n = text.size();
    if (n == 0 || n > 8) return false;
    std::uint64_t word = loadUpToEight(text.data(), n);
    const auto first = static_cast<char>(word & 0xFF);
    negative = first == '-';
    if (first == '-' || first == '+') {
        word >>= 8;
        --n;
        if (n == 0) return false;
    }
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighs = 0x8080808080808080;
    const std::uint64_t inText = n == 8 ? kHighs : kHighs & ((std::uint64_t{1} << (8 * n)) - 1);
    // Digits become their values 0 to 9; any other byte becomes 10 or more.
    const std::uint64_t values = word ^ (kOnes * '0');
    const std::uint64_t notDigit =
        (((values & 0x7F7F7F7F7F7F7F7F) + kOnes * (0x80 - 10)) | values) & inText;
    const std::uint64_t separators =
        zeroBytes(word ^ (kOnes * static_cast<unsigned char>(separator))) & inText;
    if (notDigit != separators || (separators & (separators - 1)) != 0) return false;
    std::uint64_t digits = values;
    std::size_t count = n;
    scale = 0;
    if (separators != 0) {
        // Close the gap the separator leaves: the bytes after it move down one place.
        const auto at = static_cast<std::size_t>(std::countr_zero(separators)) / 8;
        const std::uint64_t below = (std::uint64_t{1} << (8 * at)) - 1;
        digits = (values & below) | ((values >> 8) & ~below);
        --count;
        scale = -static_cast<int>(count - at);
        if (count == 0) return false;  // the separator alone
    }
    // The digits moved to the top of the word, behind leading zeros, then combined in
    // pairs, fours and the eight: the first digit is the most significant.
    digits <<= 8 * (8 - count);
    digits = (digits * 10 + (digits >> 8)) & 0x00FF00FF00FF00FF;
    digits = (digits * 100 + (digits >> 16)) & 0x0000FFFF0000FFFF;
    mantissa = (digits * 10000 + (digits >> 32)) & 0xFFFFFFFF;
    return true;
}

// Any cost, a byte at a time: its digits as one integer, the power of ten to scale it by,
// and its sign. False for what is not a plain number, or too long or too far a power for
// both to be exact in long double.
[[gnu::always_inline]] inline bool readDecimalBytes(std::string_view text,
                                                    std::string_view separator,
                                                    std::uint64_t& mantissa, int& scale,
                                                    bool& negative) {
    const char* p = text.data();
    const char* const end = p + text.size();
    negative = false;
    if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    mantissa = 0;
    int significant = 0;
    const char* const intStart = p;
    if (!readDigits(p, end, mantissa, significant)) return false;
    bool anyDigit = p != intStart;
    int fractionDigits = 0;
    if (p != end && !separator.empty() && *p == separator.front() &&
        (separator.size() == 1 ||
         std::string_view(p, static_cast<std::size_t>(end - p)).starts_with(separator))) {
        p += separator.size();
        const char* const fractionStart = p;
        if (!readDigits(p, end, mantissa, significant)) return false;
        fractionDigits = static_cast<int>(p - fractionStart);
        anyDigit = anyDigit || fractionDigits > 0;
    }
    if (!anyDigit) return false;
    if (mantissa > kExactMantissa) return false;
    int exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        bool negativeExponent = false;
        if (p != end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
        const char* const exponentStart = p;
        while (p != end && isAsciiDigit(*p)) {
            // Five digits are far past any exact power: leave those to the general path.
            if (p - exponentStart == 4) return false;
            exponent = exponent * 10 + (*p++ - '0');
        }
        if (p == exponentStart) return false;
        if (negativeExponent) exponent = -exponent;
    }
    if (p != end) return false;
    scale = exponent - fractionDigits;
    return scale <= kExactPowersOfTen && scale >= -kExactPowersOfTen;
}

[[gnu::always_inline]] inline bool readShortDecimal(std::string_view text,
                                                    std::string_view separator,
                                                    long double& value) {
    // The digits as one integer m and a power of ten k. When m and 10^|k| are both exact in
    // long double, m * 10^k (or m / 10^-k) is one correctly rounded operation on exact
    // operands: the long double nearest to the decimal, which is what from_chars gives too.
    // So the sum stays identical to the general path, bit for bit.
    // Inlined into the total's loop, hence the plain out-parameter.
    std::uint64_t mantissa = 0;
    bool negative = false;
    int scale = 0;
    const bool read = (separator.size() == 1 &&
                       readEightBytes(text, separator.front(), mantissa, scale, negative)) ||
                      readDecimalBytes(text, separator, mantissa, scale, negative);
    if (!read) return false;
    const auto m = static_cast<long double>(mantissa);
    value = scale >= 0 ? m * kPowersOfTen[static_cast<std::size_t>(scale)]
                       : m / kPowersOfTen[static_cast<std::size_t>(-scale)];
    if (negative) value = -value;
    return true;
}

// Passes the cost of each row in [begin, end) that is a number to `visit`, in row order,
// leaving out total rows and empty costs; true when some cost was not a number.
template <typename Visit>
[[gnu::always_inline]] inline bool visitCosts(const CellGrid& grid, int begin, int end,
                                              const Locale& locale, Visit visit) {
    bool failed = false;
    const std::string_view separator = locale.decimalSeparator;
    for (int r = begin; r < end; ++r) {
        // An empty cost adds nothing whether or not the row is a task, so the rest of the
        // row is only looked at for rows with a cost.
        const std::string_view cost = trimBlanksAndControls(textIn(grid.storedCells(r), Cost));
        if (cost.empty() || !isTaskRow(grid, r)) continue;
        long double value = 0;
        if (readShortDecimal(cost, separator, value)) {
            visit(value);
        } else if (const std::optional<long double> slow = parseCost(cost, locale)) {
            visit(*slow);
        } else {
            failed = true;
        }
    }
    return failed;
}

}  // namespace

bool isTotalRow(const CellGrid& grid, int row) {
    return isTotalRowText(grid.cellText(Description, row));
}

std::optional<long double> parseCost(std::string_view text, const Locale& locale) {
    const std::string_view separator = locale.decimalSeparator;
    // Rebuilt in the one notation from_chars reads, whatever the locale's separator.
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    bool anyDigit = false;
    bool seenSeparator = false;
    while (i < text.size()) {
        if (isAsciiDigit(text[i])) {
            plain += text[i++];
            anyDigit = true;
        } else if (!seenSeparator && !separator.empty() && text.substr(i).starts_with(separator)) {
            plain += '.';
            i += separator.size();
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        bool exponentDigit = false;
        while (i < text.size() && isAsciiDigit(text[i])) {
            plain += text[i++];
            exponentDigit = true;
        }
        if (!exponentDigit) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    long double value = 0;
    const char* end = plain.data() + plain.size();
    const auto result = std::from_chars(plain.data(), end, value);
    // Out of range either way (overflow or underflow) is not a usable cost.
    if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return value;
}

std::optional<long double> parseCostQuickly(std::string_view text, std::string_view separator) {
    long double value = 0;
    if (!readShortDecimal(text, separator, value)) return std::nullopt;
    return value;
}

std::string formatTotal(long double value, const Locale& locale) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";

    // d.dddddddddddddde±x: the value rounded to 15 significant digits.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const bool negative = sci.front() == '-';
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (const char c : sci.substr(0, ePos)) {
        if (isAsciiDigit(c)) digits += c;
    }
    const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    const std::string& separator = locale.decimalSeparator;
    if (exponent >= kSignificantDigits || exponent < -4) {
        out += digits.front();
        if (digits.size() > 1) out += separator + digits.substr(1);
        out += 'E';
        out += std::to_string(exponent);  // "-5", never "+5" or "05"
    } else if (exponent >= 0) {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits) + separator + digits.substr(intDigits);
        }
    } else {
        out += "0" + separator + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return out;
}

CostTotal calculateTotal(const CellGrid& grid, const Locale& locale) {
    long double sum = 0;  // extended precision where the platform has it
    const int rows = grid.rowCount();
    std::vector<long double> later;
    bool laterFailed = false;
    std::exception_ptr laterError;
    // Declared after what its thread writes, so that it is joined before those go.
    std::optional<std::jthread> helper;
    int split = rows;
    if (rows > kRowsWorthASecondThread && std::thread::hardware_concurrency() > 1) {
        // The later rows are read on a second thread into a list, which is added after the
        // earlier rows: every cost is still added in row order, so the sum is the same to
        // the last bit as one thread's. A big project is mostly waiting on memory, and two
        // cores read it faster than one.
        split = 1 + (rows - 1) / 2;
        later.reserve(static_cast<std::size_t>(rows - split));
        try {
            helper.emplace([&] {
                try {
                    laterFailed =
                        visitCosts(grid, split, rows, locale,
                                   [&later](long double value) { later.push_back(value); });
                } catch (...) {
                    laterError = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            split = rows;  // no thread to be had: one does it all
        }
    }
    bool failed = visitCosts(grid, 1, split, locale, [&sum](long double value) { sum += value; });
    if (helper) {
        helper->join();
        if (laterError) std::rethrow_exception(laterError);
        for (const long double value : later) sum += value;
        failed = failed || laterFailed;
    }
    return {formatTotal(sum, locale), failed};
}

void addTotalToGrid(CellGrid& grid, const std::string& totalCaption, const std::string& todayText) {
    CellGrid::BulkUpdate bulk(grid);
    int row = 1;
    while (row < grid.rowCount() && !isTotalRow(grid, row)) ++row;
    if (row == grid.rowCount()) {
        growRows(grid, row + 1);
        grid.setCellText(0, row, std::to_string(row));
        grid.setCellText(Description, row, kTotalRowCaption);
    }
    grid.setCellText(StartDate, row, todayText);
    grid.setCellText(Cost, row, totalCaption);
    bulk.commit();
}

}  // namespace quillet
