#include "formats/RtfReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "formats/CodePage.h"
#include "ports/Ascii.h"

namespace quillet {

namespace {

int hexValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

// Groups whose text is not part of the document's visible text.
bool isSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 32> kWords = {"fonttbl",
                                                                "colortbl",
                                                                "stylesheet",
                                                                "info",
                                                                "pict",
                                                                "object",
                                                                "header",
                                                                "headerl",
                                                                "headerr",
                                                                "headerf",
                                                                "footer",
                                                                "footerl",
                                                                "footerr",
                                                                "footerf",
                                                                "footnote",
                                                                "fldinst",
                                                                "listtable",
                                                                "listoverridetable",
                                                                "rsidtbl",
                                                                "generator",
                                                                "xmlnstbl",
                                                                "themedata",
                                                                "colorschememapping",
                                                                "datastore",
                                                                "latentstyles",
                                                                "filetbl",
                                                                "revtbl",
                                                                "pgdsctbl",
                                                                "author",
                                                                "operator",
                                                                "title",
                                                                "listtext"};
    return std::find(kWords.begin(), kWords.end(), word) != kWords.end();
}

class RtfReader {
  public:
    explicit RtfReader(std::string_view in) : in_(in) {}

    std::string run() {
        out_.reserve(in_.size());
        while (pos_ < in_.size()) {
            const char ch = in_[pos_];
            if (ch == '{') {
                ++pos_;
                openGroup();
            } else if (ch == '}') {
                ++pos_;
                if (!closeGroup()) break;  // the document's outer group ended
            } else if (ch == '\\') {
                ++pos_;
                controlSequence();
            } else {
                ++pos_;
                if (ch == '\r' || ch == '\n') continue;  // line breaks of the RTF source
                character(ch);
            }
        }
        flushSurrogate();
        return std::move(out_);
    }

  private:
    struct Group {
        bool skip = false;
        int uc = 1;
    };
    // Deeper nesting shares the innermost state instead of growing the stack.
    static constexpr size_t kMaxDepth = 256;

    Group& top() { return stack_.back(); }

    void openGroup() {
        pendingSkip_ = 0;
        if (stack_.size() >= kMaxDepth) {
            ++overflow_;
            return;
        }
        stack_.push_back(stack_.empty() ? Group{} : top());
        groupStart_ = true;
    }

    // False when the outermost group closed.
    bool closeGroup() {
        pendingSkip_ = 0;
        groupStart_ = false;
        if (overflow_ > 0) {
            --overflow_;
            return true;
        }
        if (stack_.size() <= 1) return false;
        stack_.pop_back();
        return true;
    }

    bool skipping() const { return !stack_.empty() && stack_.back().skip; }

    // Characters after \uN that stand in for it in readers without Unicode.
    bool consumeFallback() {
        if (pendingSkip_ <= 0) return false;
        --pendingSkip_;
        return true;
    }

    void character(char ch) {
        groupStart_ = false;
        if (consumeFallback()) return;
        emit(std::string_view(&ch, 1));
    }

    void emit(std::string_view text) {
        if (skipping()) return;
        flushSurrogate();
        out_ += text;
    }

    void emitCodePoint(std::uint32_t cp) {
        if (skipping()) return;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            flushSurrogate();
            highSurrogate_ = cp;
            return;
        }
        if (cp >= 0xDC00 && cp <= 0xDFFF && highSurrogate_ != 0) {
            cp = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (cp - 0xDC00);
            highSurrogate_ = 0;
        }
        flushSurrogate();
        appendUtf8(out_, cp);
    }

    void flushSurrogate() {
        if (highSurrogate_ != 0) {
            highSurrogate_ = 0;
            appendUtf8(out_, 0xFFFD);
        }
    }

    void controlSequence() {
        if (pos_ >= in_.size()) return;  // a trailing backslash
        const char ch = in_[pos_];
        if (!isAsciiLetter(ch)) {
            ++pos_;
            controlSymbol(ch);
            return;
        }
        const size_t start = pos_;
        while (pos_ < in_.size() && isAsciiLetter(in_[pos_]) && pos_ - start < 32) ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        while (pos_ < in_.size() && isAsciiLetter(in_[pos_])) ++pos_;  // an overlong word
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            isAsciiDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && isAsciiDigit(in_[pos_])) {
            hasParam = true;
            if (param < 100000000000LL) param = param * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting blank
        controlWord(word, hasParam, param);
    }

    void controlSymbol(char ch) {
        const bool atGroupStart = groupStart_;
        groupStart_ = false;
        switch (ch) {
            case '\\':
            case '{':
            case '}':
                if (!consumeFallback()) emit(std::string_view(&ch, 1));
                return;
            case '*':
                if (atGroupStart && !stack_.empty() && overflow_ == 0) top().skip = true;
                return;
            case '\'': {
                int value = -1;
                if (pos_ + 1 < in_.size()) {
                    const int hi = hexValue(in_[pos_]);
                    const int lo = hexValue(in_[pos_ + 1]);
                    if (hi >= 0 && lo >= 0) {
                        value = hi * 16 + lo;
                        pos_ += 2;
                    }
                }
                if (value < 0 || consumeFallback()) return;
                const char byte = static_cast<char>(value);
                emit(std::string_view(&byte, 1));
                return;
            }
            case '~':
                if (!consumeFallback()) emit(" ");
                return;
            case '_':
                if (!consumeFallback()) emit("-");
                return;
            case '\r':
            case '\n':
                if (!consumeFallback()) emit("\r\n");
                return;
            default:
                consumeFallback();  // \- and unknown symbols show nothing
                return;
        }
    }

    void controlWord(std::string_view word, bool hasParam, long long param) {
        const bool atGroupStart = groupStart_;
        groupStart_ = false;
        if (word == "bin") {
            // Raw bytes follow; none of them is markup.
            const size_t count = hasParam && param > 0 ? static_cast<size_t>(param) : 0;
            pos_ += std::min(count, in_.size() - pos_);
            return;
        }
        if (atGroupStart && isSkippedDestination(word)) {
            if (!stack_.empty() && overflow_ == 0) top().skip = true;
            return;
        }
        if (word == "uc") {
            if (!stack_.empty() && overflow_ == 0)
                top().uc = static_cast<int>(std::clamp(param, 0LL, 16LL));
            return;
        }
        if (word == "u" && hasParam) {
            long long v = param;
            if (v < 0) v += 65536;
            emitCodePoint(v >= 0 && v <= 0xFFFF ? static_cast<std::uint32_t>(v) : 0xFFFDu);
            pendingSkip_ = stack_.empty() ? 1 : top().uc;
            return;
        }
        if (consumeFallback()) return;
        if (word == "par" || word == "line" || word == "sect" || word == "page") {
            emit("\r\n");
        } else if (word == "tab") {
            emit("\t");
        } else if (word == "emdash") {
            emit("\xE2\x80\x94");
        } else if (word == "endash") {
            emit("\xE2\x80\x93");
        } else if (word == "bullet") {
            emit("\xE2\x80\xA2");
        } else if (word == "lquote") {
            emit("\xE2\x80\x98");
        } else if (word == "rquote") {
            emit("\xE2\x80\x99");
        } else if (word == "ldblquote") {
            emit("\xE2\x80\x9C");
        } else if (word == "rdblquote") {
            emit("\xE2\x80\x9D");
        }
    }

    std::string_view in_;
    size_t pos_ = 0;
    std::string out_;
    std::vector<Group> stack_;
    size_t overflow_ = 0;
    int pendingSkip_ = 0;
    bool groupStart_ = false;
    std::uint32_t highSurrogate_ = 0;
};

}  // namespace

bool isRtfDocument(std::string_view text) {
    return text.substr(0, 5) == "{\\rtf";
}

std::string rtfToPlainText(std::string_view rtf) {
    return RtfReader(rtf).run();
}

}  // namespace quillet
