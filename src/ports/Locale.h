#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// The user's date and number conventions. The shell fills one from the system
// locale; tests build a fixed one so they never depend on the machine.
struct Locale {
    // Pattern letters: d, dd, M, MM, yy, yyyy; anything else is literal ('…' quotes).
    std::string shortDatePattern = "M/d/yyyy";
    std::string dateSeparator = "/";
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
    // Two-digit years are read within 50 years of this one.
    int currentYear = 2026;

    std::string formatDate(double dateTime) const;
    // Date in the short date order, optionally followed by a time; nullopt when invalid.
    std::optional<double> parseDateTime(std::string_view text) const;
    // "mm/dd/yyyy" with each "/" replaced by the date separator.
    std::string formatMonthDayYear(double dateTime) const;
};

// A pattern whose year is written with four digits, whatever the locale gave.
std::string withFourDigitYear(std::string_view pattern);

}  // namespace quillet
