#pragma once

#include <array>
#include <functional>
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
    // Full month names, January first, as a period is named in reports ("December 2026").
    std::array<std::string, 12> monthNames = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};

    std::string formatDate(double dateTime) const;
    // Date in the short date order, optionally followed by a time; nullopt when invalid.
    // Blanks after a separator and the pattern's text after its last field (the
    // "." of "yyyy. MM. dd.") are accepted, so every formatDate text reads back.
    // `yearDigits`, when given, gets the digits the year was typed with: 0 when it was left out.
    std::optional<double> parseDateTime(std::string_view text, int* yearDigits = nullptr) const;
    // "mm/dd/yyyy" with each "/" replaced by the date separator.
    std::string formatMonthDayYear(double dateTime) const;
    // True when the short date pattern puts the month first, then the day.
    bool isMonthFirst() const;
    // The date of a normalised date cell, which must read back as the same day:
    // formatMonthDayYear under a month-first locale, otherwise day, month and year
    // in the locale's own order, as two, two and four digits with the separator.
    std::string formatNormalisedDate(double dateTime) const;
};

// A pattern whose year is written with four digits, whatever the locale gave.
std::string withFourDigitYear(std::string_view pattern);

// What a locale's formats decide: dates and month names, or numbers.
enum class LocaleCategory { Time, Numeric };

// The name of the locale a category's formats follow, chosen as the C library chooses it:
// LC_ALL, then the category's own variable (LC_TIME, LC_NUMERIC), then LANG, the first one
// set. LANGUAGE is not read: it lists the languages of the windows, not their formats.
// `environment` gives a variable's value, empty when unset. Empty when none is set.
std::string formatLocaleName(LocaleCategory category,
                             const std::function<std::string(const char*)>& environment);

// A name that configures no locale ("", "C", "POSIX", "C.UTF-8"): the dates then follow the
// common month/day/year.
bool isUnconfiguredLocale(std::string_view name);

}  // namespace quillet
