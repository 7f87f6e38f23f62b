#include "formats/CellText.h"

#include <algorithm>

namespace quillet {

namespace {

constexpr char kEndOfFile = '\x1A';
constexpr char kBackspace = '\b';

}  // namespace

std::string sanitizeCellText(std::string text) {
    std::erase_if(text, [](char c) { return c == kEndOfFile || c == kBackspace; });
    const bool hasCr = text.find('\r') != std::string::npos;
    const bool hasLf = text.find('\n') != std::string::npos;
    if (!hasCr && !hasLf) return text;
    std::replace(text.begin(), text.end(), '\t', ' ');
    if (hasCr && !hasLf) {
        // Written escaped, a text needs an LF (BS on disk) to be unescaped at all.
        std::string withLf;
        withLf.reserve(text.size() + static_cast<std::size_t>(std::ranges::count(text, '\r')));
        for (const char c : text) {
            withLf += c;
            if (c == '\r') withLf += '\n';
        }
        text = std::move(withLf);
    }
    return text;
}

}  // namespace quillet
