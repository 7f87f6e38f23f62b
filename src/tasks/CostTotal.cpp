#include "tasks/CostTotal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quillet {

namespace {

constexpr int kSignificantDigits = 15;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string_view trimBlanksAndControls(std::string_view text) {
    // Blanks and control characters are the bytes up to and including 0x20.
    auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && isTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
    return text;
}

bool isTotalRow(const CellGrid& grid, int row) {
    return trimBlanksAndControls(grid.cellText(Description, row)) == kTotalRowCaption;
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
        if (isDigit(text[i])) {
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
        while (i < text.size() && isDigit(text[i])) {
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
        if (isDigit(c)) digits += c;
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
    bool failed = false;
    for (int r = 1; r < grid.rowCount(); ++r) {
        if (isTotalRow(grid, r)) continue;
        const std::string_view cost = trimBlanksAndControls(grid.cellText(Cost, r));
        if (cost.empty()) continue;
        if (const auto value = parseCost(cost, locale)) {
            sum += *value;
        } else {
            failed = true;
        }
    }
    return {formatTotal(sum, locale), failed};
}

void addTotalToGrid(CellGrid& grid, const std::string& totalCaption, const std::string& todayText) {
    CellGrid::BulkUpdate bulk(grid);
    for (int r = 1; r < grid.rowCount(); ++r) {
        if (isTotalRow(grid, r)) {
            grid.setCellText(StartDate, r, todayText);
            grid.setCellText(Cost, r, totalCaption);
            return;
        }
    }
    grid.setRowCount(grid.rowCount() + 1);
    const int n = grid.rowCount() - 1;
    grid.setCellText(0, n, std::to_string(n));
    grid.setCellText(Description, n, kTotalRowCaption);
    grid.setCellText(StartDate, n, todayText);
    grid.setCellText(Cost, n, totalCaption);
}

}  // namespace quillet
