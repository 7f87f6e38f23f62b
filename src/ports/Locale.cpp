#include "ports/Locale.h"

#include <array>
#include <cctype>
#include <cstdio>

#include "ports/Ascii.h"
#include "ports/DateTime.h"

namespace quillet {

namespace {

void appendNumber(std::string& out, int value, int minDigits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", minDigits, value);
    out += buf;
}

// Order of day, month and year in the pattern, e.g. "MDY".
std::string fieldOrder(std::string_view pattern) {
    std::string order;
    bool quoted = false;
    for (char ch : pattern) {
        if (ch == '\'') quoted = !quoted;
        if (quoted) continue;
        char field = ch == 'd' ? 'D' : ch == 'M' ? 'M' : ch == 'y' ? 'Y' : 0;
        if (field && order.find(field) == std::string::npos) order += field;
    }
    if (order.size() != 3) return "MDY";
    return order;
}

// The literal text after the pattern's last field, without quotes and blanks
// around it: "." for "yyyy. MM. dd.", empty for "dd.MM.yyyy".
std::string trailingLiteral(std::string_view pattern) {
    size_t end = 0;
    bool quoted = false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '\'') quoted = !quoted;
        if (!quoted && (pattern[i] == 'd' || pattern[i] == 'M' || pattern[i] == 'y')) end = i + 1;
    }
    std::string literal;
    for (const char ch : pattern.substr(end)) {
        if (ch != '\'') literal += ch;
    }
    const size_t first = literal.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return literal.substr(first, literal.find_last_not_of(' ') - first + 1);
}

struct Cursor {
    std::string_view text;
    size_t pos = 0;

    bool atEnd() const { return pos >= text.size(); }
    void skipBlanks() {
        while (!atEnd() && text[pos] == ' ') ++pos;
    }
    bool take(std::string_view token) {
        if (token.empty() || text.substr(pos, token.size()) != token) return false;
        pos += token.size();
        return true;
    }
    // Reads 1 to maxDigits digits; returns the digit count (0: none).
    int number(int& value, int maxDigits) {
        int digits = 0;
        value = 0;
        while (!atEnd() && isAsciiDigit(text[pos]) && digits < maxDigits) {
            value = value * 10 + (text[pos] - '0');
            ++pos;
            ++digits;
        }
        if (!atEnd() && isAsciiDigit(text[pos])) return 0;  // too many digits
        return digits;
    }
};

int expandYear(int year, int digits, int currentYear) {
    if (digits > 2) return year;
    // Sliding window: the century that puts the year nearest the current one.
    int full = currentYear - currentYear % 100 + year;
    if (full > currentYear + 50) full -= 100;
    if (full <= currentYear - 50) full += 100;
    return full;
}

std::optional<double> parseTime(Cursor& cur) {
    int hour = 0, minute = 0, second = 0, ms = 0;
    if (cur.number(hour, 2) == 0) return std::nullopt;
    if (cur.take(":")) {
        if (cur.number(minute, 2) == 0) return std::nullopt;
        if (cur.take(":")) {
            if (cur.number(second, 2) == 0) return std::nullopt;
            if (cur.take(".") && cur.number(ms, 3) == 0) return std::nullopt;
        }
    } else {
        return std::nullopt;  // a lone number is not a time
    }
    cur.skipBlanks();
    auto takeCaseless = [&](std::string_view word) {
        if (cur.text.size() - cur.pos < word.size()) return false;
        for (size_t i = 0; i < word.size(); ++i) {
            if (std::toupper(static_cast<unsigned char>(cur.text[cur.pos + i])) != word[i])
                return false;
        }
        cur.pos += word.size();
        return true;
    };
    if (takeCaseless("AM")) {
        if (hour < 1 || hour > 12) return std::nullopt;
        if (hour == 12) hour = 0;
    } else if (takeCaseless("PM")) {
        if (hour < 1 || hour > 12) return std::nullopt;
        if (hour != 12) hour += 12;
    }
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    return encodeTime(hour, minute, second, ms);
}

}  // namespace

std::string withFourDigitYear(std::string_view pattern) {
    std::string out;
    bool quoted = false;
    for (size_t i = 0; i < pattern.size();) {
        const char ch = pattern[i];
        if (ch == '\'') quoted = !quoted;
        if (!quoted && ch == 'y') {
            size_t run = 0;
            while (i + run < pattern.size() && pattern[i + run] == 'y') ++run;
            out += "yyyy";
            i += run;
            continue;
        }
        out += ch;
        ++i;
    }
    return out;
}

std::string Locale::formatDate(double dateTime) const {
    const CivilDate date = decodeDate(dateTime);
    std::string out;
    const std::string_view p = shortDatePattern;
    for (size_t i = 0; i < p.size();) {
        const char ch = p[i];
        if (ch == '\'') {
            const size_t end = p.find('\'', i + 1);
            out += p.substr(i + 1, end == std::string_view::npos ? p.npos : end - i - 1);
            i = end == std::string_view::npos ? p.size() : end + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < p.size() && p[i + run] == ch) ++run;
        if (ch == 'd') {
            appendNumber(out, date.day, run >= 2 ? 2 : 1);
        } else if (ch == 'M') {
            appendNumber(out, date.month, run >= 2 ? 2 : 1);
        } else if (ch == 'y') {
            appendNumber(out, date.year, 4);
        } else {
            out.append(run, ch);
        }
        i += run;
    }
    return out;
}

std::string Locale::formatMonthDayYear(double dateTime) const {
    const CivilDate date = decodeDate(dateTime);
    std::string out;
    appendNumber(out, date.month, 2);
    out += dateSeparator;
    appendNumber(out, date.day, 2);
    out += dateSeparator;
    appendNumber(out, date.year, 4);
    return out;
}

bool Locale::isMonthFirst() const {
    return fieldOrder(shortDatePattern) == "MDY";
}

std::string Locale::formatNormalisedDate(double dateTime) const {
    if (isMonthFirst()) return formatMonthDayYear(dateTime);
    const CivilDate date = decodeDate(dateTime);
    std::string out;
    for (const char field : fieldOrder(shortDatePattern)) {
        if (!out.empty()) out += dateSeparator;
        if (field == 'D') {
            appendNumber(out, date.day, 2);
        } else if (field == 'M') {
            appendNumber(out, date.month, 2);
        } else {
            appendNumber(out, date.year, 4);
        }
    }
    return out;
}

std::optional<double> Locale::parseDateTime(std::string_view text, int* yearDigits) const {
    Cursor cur{text};
    cur.skipBlanks();
    std::array<int, 3> values{};
    std::array<int, 3> digits{};
    int count = 0;
    while (count < 3) {
        digits[count] = cur.number(values[count], 4);
        if (digits[count] == 0) return std::nullopt;
        ++count;
        if (count == 3 || !cur.take(dateSeparator)) break;
        cur.skipBlanks();
    }
    if (count < 2) return std::nullopt;
    const std::string order = fieldOrder(shortDatePattern);
    int year = currentYear, month = 0, day = 0, typedYearDigits = 0;
    int next = 0;
    for (char field : order) {
        if (field == 'Y' && count == 2) continue;  // day and month only: this year
        const int v = values[next];
        const int d = digits[next];
        ++next;
        if (field == 'Y') {
            year = v;
            typedYearDigits = d;
        } else if (field == 'M') {
            month = v;
        } else {
            day = v;
        }
    }
    year = expandYear(year, typedYearDigits == 0 ? 4 : typedYearDigits, currentYear);
    if (year < 1 || year > 9999 || month < 1 || month > 12) return std::nullopt;
    if (day < 1 || day > daysInMonth(year, month)) return std::nullopt;
    double result = encodeDate(year, month, day);
    cur.skipBlanks();
    if (cur.take(trailingLiteral(shortDatePattern))) cur.skipBlanks();
    if (!cur.atEnd()) {
        const std::optional<double> time = parseTime(cur);
        if (!time) return std::nullopt;
        cur.skipBlanks();
        if (!cur.atEnd()) return std::nullopt;
        result += *time;
    }
    if (yearDigits) *yearDigits = typedYearDigits;
    return result;
}

std::string formatLocaleName(LocaleCategory category,
                             const std::function<std::string(const char*)>& environment) {
    const char* own = category == LocaleCategory::Time ? "LC_TIME" : "LC_NUMERIC";
    for (const char* variable : {"LC_ALL", own, "LANG"}) {
        std::string name = environment(variable);
        if (!name.empty()) return name;
    }
    return {};
}

bool isUnconfiguredLocale(std::string_view name) {
    const std::string_view base = name.substr(0, name.find_first_of(".@"));
    return base.empty() || base == "C" || base == "POSIX";
}

}  // namespace quillet
