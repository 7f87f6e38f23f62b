#include "formats/Sheet.h"

namespace quillet {

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
