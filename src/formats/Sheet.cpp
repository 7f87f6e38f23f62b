#include "formats/Sheet.h"

#include <algorithm>

#include "formats/CodePage.h"

namespace quillet {

namespace {

// The digits a double holds exactly: a longer number would be shown changed.
constexpr int kMaxExactDigits = 15;
// The first date a workbook shows as that date: 1 March 1900, in days since 1899-12-30.
constexpr double kFirstWorkbookDate = 61;

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// "007" or "-00.5"; not "0", "0.5" or "0,5".
bool hasLeadingZero(std::string_view text) {
    const std::size_t first = text.find_first_of("0123456789");
    return first != text.npos && text[first] == '0' && first + 1 < text.size() &&
           isDigit(text[first + 1]);
}

// The digits from the first that is not a zero: "0.000123" has 3, "1,000.50" has 6.
int significantDigits(std::string_view text) {
    int count = 0;
    for (const char ch : text) {
        if (isDigit(ch) && (count > 0 || ch != '0')) ++count;
    }
    return count;
}

bool isXmlIllegal(std::string_view text, std::size_t i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20) return byte != '\t' && byte != '\n' && byte != '\r';
    // U+FFFE and U+FFFF: EF BF BE, EF BF BF.
    return byte == 0xEF && i + 2 < text.size() && text[i + 1] == '\xBF' &&
           (text[i + 2] == '\xBE' || text[i + 2] == '\xBF');
}

}  // namespace

SheetCell::Type SheetCell::storedType() const {
    if (type == Type::Text || !std::isfinite(value)) return Type::Text;
    if (type == Type::Number) {
        return hasLeadingZero(text) || significantDigits(text) > kMaxExactDigits ? Type::Text
                                                                                 : Type::Number;
    }
    return value < kFirstWorkbookDate || yearDigits < 4 ? Type::Text : Type::Date;
}

std::string_view exportText(std::string_view text, std::string& buffer) {
    const auto plain = [](char ch) {
        const auto byte = static_cast<unsigned char>(ch);
        return (byte >= 0x20 && byte < 0x80) || ch == '\t' || ch == '\n' || ch == '\r';
    };
    if (std::all_of(text.begin(), text.end(), plain)) return text;
    const bool utf8 = isValidUtf8(text);
    const std::string converted = utf8 ? std::string() : cp1252ToUtf8(text);
    const std::string_view source = utf8 ? text : std::string_view(converted);
    bool legal = true;
    for (std::size_t i = 0; i < source.size() && legal; ++i) legal = !isXmlIllegal(source, i);
    if (legal && utf8) return text;
    buffer.clear();
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (!isXmlIllegal(source, i)) {
            buffer += source[i];
        } else {
            buffer += "\xEF\xBF\xBD";
            if (static_cast<unsigned char>(source[i]) == 0xEF) i += 2;
        }
    }
    return buffer;
}

std::vector<DatePatternPart> datePatternParts(std::string_view pattern) {
    std::vector<DatePatternPart> parts;
    const auto literal = [&parts](std::string_view text) {
        if (text.empty()) return;
        if (parts.empty() || parts.back().kind != DatePatternPart::Kind::Literal)
            parts.push_back({});
        parts.back().text += text;
    };
    for (std::size_t i = 0; i < pattern.size();) {
        const char ch = pattern[i];
        if (ch == '\'') {
            const std::size_t end = pattern.find('\'', i + 1);
            literal(pattern.substr(i + 1, end == pattern.npos ? pattern.npos : end - i - 1));
            i = end == pattern.npos ? pattern.size() : end + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == ch) ++run;
        if (ch == 'd' || ch == 'M' || ch == 'y') {
            parts.push_back({ch == 'd'   ? DatePatternPart::Kind::Day
                             : ch == 'M' ? DatePatternPart::Kind::Month
                                         : DatePatternPart::Kind::Year,
                             run >= 2,
                             {}});
        } else {
            literal(pattern.substr(i, run));
        }
        i += run;
    }
    return parts;
}

}  // namespace quillet
