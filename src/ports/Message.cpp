#include "ports/Message.h"

namespace quillet {

std::string substituteArgs(const std::string& text, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '%' && k + 1 < text.size() && text[k + 1] >= '1' && text[k + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[k + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++k;
                continue;
            }
        }
        out += text[k];
    }
    return out;
}

std::string Message::english() const {
    if (verbatim_ || args_.empty()) return text_;
    std::vector<std::string> texts;
    texts.reserve(args_.size());
    for (const Message& a : args_) texts.push_back(a.english());
    return substituteArgs(text_, texts);
}

}  // namespace quillet
