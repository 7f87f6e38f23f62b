#include "formats/TextLines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <climits>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "formats/CodePage.h"
#include "grid/CellGrid.h"
#include "ports/ErrorText.h"

namespace quillet {

namespace {
constexpr char kEndOfFileMark = 0x1A;
constexpr std::size_t kBlock = 64;

#if defined(__SSE2__)
// Bit i is set when p[i] is the byte, for the 64 bytes from p.
std::uint64_t byteMask(const char* p, char byte) {
    const __m128i wanted = _mm_set1_epi8(byte);
    std::uint64_t mask = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const auto bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
        mask |= static_cast<std::uint64_t>(bits) << (16 * i);
    }
    return mask;
}
#endif
}  // namespace

namespace {
Message cannotReadMessage(const std::string& path, int err) {
    return Message(QUILLET_TR("CoreMessages", "Cannot read file %1: %2"))
        .arg(path)
        .arg(errorText(err));
}
}  // namespace

Message cannotOpenMessage(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        return Message(QUILLET_TR("CoreMessages", "Cannot open file %1: not a regular file"))
            .arg(path);
    }
    return Message(QUILLET_TR("CoreMessages", "Cannot open file %1")).arg(path);
}

TextLineReader::TextLineReader(const std::string& path, std::size_t chunkSize, LineEnd lineEnd,
                               std::size_t maxLineBytes)
    : path_(path),
      chunkSize_(std::max<std::size_t>(chunkSize, 16)),
      maxLineBytes_(maxLineBytes),
      buffer_(chunkSize_ + kBlock),
      lineEnd_(lineEnd == LineEnd::LineFeed ? '\n' : '\r') {
    // Opened without waiting, so a named pipe cannot block here; then checked.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat regular {};
    if (::fstat(fd, &regular) != 0 || !S_ISREG(regular.st_mode)) {
        ::close(fd);
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file_ = ::fdopen(fd, "rb");
    if (!file_) {
        ::close(fd);
        return;
    }
    // We read in chunks of our own; a second stdio buffer would only copy twice.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    // Taken before any byte is read: a file written to while it is read then differs from
    // its stamp, and its bytes are compared again.
    opened_ = stampOf(fileno(file_), 0);
    if (opened_) fileSize_ = opened_->size;
}

TextLineReader::~TextLineReader() {
    if (file_) std::fclose(file_);
}

void TextLineReader::hashChunkUpTo(std::size_t to) {
    to = std::min(to, hashLimit_);
    if (to <= hashed_) return;
    hash_.feed(buffer_.data() + hashed_, to - hashed_);
    hashed_ = to;
}

bool TextLineReader::fill() {
    if (!file_ || atEnd_ || sawEndMark_) return false;
    hashChunkUpTo(read_);
    std::size_t n = std::fread(buffer_.data(), 1, chunkSize_, file_);
    read_ = n;
    hashed_ = 0;
    if (n == 0) {
        if (std::ferror(file_)) {
            const int err = errno;
            throw CellGridError(cannotReadMessage(path_, err));
        }
        atEnd_ = true;
        return false;
    }
    // Scanned once per chunk so the per-line search only looks for CR.
    if (const void* mark = std::memchr(buffer_.data(), kEndOfFileMark, n)) {
        n = static_cast<std::size_t>(static_cast<const char*>(mark) - buffer_.data());
        sawEndMark_ = true;
        hashLimit_ = n + 1;  // the mark is hashed, nothing after it
        if (n == 0) return false;
    }
    pos_ = 0;
    end_ = n;
    maskBlock_ = SIZE_MAX;
    ++chunkNumber_;
    return true;
}

inline std::size_t TextLineReader::findLineEnd(std::size_t from) {
#if defined(__SSE2__)
    while (from < end_) {
        const std::size_t block = from & ~(kBlock - 1);
        if (block != maskBlock_) {
            mask_ = byteMask(buffer_.data() + block, lineEnd_);
            maskBlock_ = block;
            hashChunkUpTo(std::min(block + kBlock, read_));
        }
        // Bits past end_ may stem from an earlier chunk: they count as no line end.
        const std::uint64_t ahead = mask_ & (~std::uint64_t{0} << (from - block));
        if (ahead != 0) {
            return std::min(block + static_cast<std::size_t>(std::countr_zero(ahead)), end_);
        }
        from = block + kBlock;
    }
    return end_;
#else
    const void* eol = std::memchr(buffer_.data() + from, lineEnd_, end_ - from);
    return eol ? static_cast<std::size_t>(static_cast<const char*>(eol) - buffer_.data()) : end_;
#endif
}

bool TextLineReader::readLine(std::string& line) {
    std::string_view view;
    const bool read = readLine(view);
    line.assign(view);
    return read;
}

bool TextLineReader::readLine(std::string_view& line) {
    // Most lines end within the chunk they start in.
    if (pos_ < end_) {
        const std::size_t eol = findLineEnd(pos_);
        if (eol < end_) {
            line = std::string_view(buffer_.data() + pos_, eol - pos_);
            passLineEnd(eol);
            lineIsLong_ = false;
            return true;
        }
    }
    return readAcrossChunks(line);
}

bool TextLineReader::searchChunkFor(char byte) {
    if (lineIsLong_) return true;
    if (askedChunk_ != chunkNumber_ || askedByte_ != byte) {
        askedChunk_ = chunkNumber_;
        askedByte_ = byte;
        chunkHoldsAsked_ = std::memchr(buffer_.data(), byte, end_) != nullptr;
    }
    return chunkHoldsAsked_;
}

void TextLineReader::passLineEnd(std::size_t eol) {
    std::size_t next = eol + 1;
    if (lineEnd_ == '\r') {
        if (next < end_) {
            if (buffer_[next] == '\n') ++next;
        } else {
            skipLf_ = true;  // the LF may open the next chunk
        }
    }
    consumed_ += next - pos_;
    pos_ = next;
}

bool TextLineReader::readAcrossChunks(std::string_view& line) {
    line = {};
    bool readAny = false;  // part of the line is in longLine_
    for (;;) {
        if (pos_ == end_ && !fill()) {
            if (readAny) line = longLine_;
            lineIsLong_ = readAny;
            return readAny;
        }
        if (skipLf_) {
            skipLf_ = false;
            if (buffer_[pos_] == '\n') {
                ++pos_;
                ++consumed_;
                continue;
            }
        }
        const char* start = buffer_.data() + pos_;
        const std::size_t eol = findLineEnd(pos_);
        if (eol < end_) {
            const std::size_t n = eol - pos_;
            passLineEnd(eol);
            if (readAny) {
                longLine_.append(start, n);
                line = longLine_;
            } else {
                line = std::string_view(start, n);
            }
            lineIsLong_ = readAny;
            return true;
        }
        const std::size_t avail = end_ - pos_;
        if (!readAny) longLine_.clear();
        if (longLine_.size() + avail > maxLineBytes_) {
            throw CellGridError(
                Message(QUILLET_TR("CoreMessages",
                                   "Cannot read file %1: it holds a line of more than %2"))
                    .arg(path_)
                    .arg(std::to_string(maxLineBytes_) + " bytes"));
        }
        longLine_.append(start, avail);
        pos_ = end_;
        consumed_ += avail;
        readAny = true;
    }
}

void TextLineReader::rewind() {
    if (!file_) return;
    if (std::fseek(file_, 0, SEEK_SET) != 0) {
        const int err = errno;
        throw CellGridError(cannotReadMessage(path_, err));
    }
    std::clearerr(file_);
    hash_ = ContentHash();
    pos_ = end_ = read_ = hashed_ = 0;
    ++chunkNumber_;
    sawEndMark_ = atEnd_ = skipLf_ = false;
    hashLimit_ = SIZE_MAX;
    consumed_ = 0;
}

std::optional<FileStamp> TextLineReader::stamp() {
    if (!file_ || !opened_) return std::nullopt;
    hashChunkUpTo(read_);
    // After the end mark nothing counts, and nothing is read: a sparse tail of gigabytes
    // would keep the window waiting.
    const bool done = atEnd_ || sawEndMark_;
    std::vector<char> rest(done ? 0 : std::size_t{64} * 1024);
    while (!done && !atEnd_) {
        const std::size_t n = std::fread(rest.data(), 1, rest.size(), file_);
        if (n == 0) {
            if (std::ferror(file_)) {
                const int err = errno;
                throw CellGridError(cannotReadMessage(path_, err));
            }
            atEnd_ = true;
        }
        if (const void* mark = std::memchr(rest.data(), kEndOfFileMark, n)) {
            hash_.feed(rest.data(),
                       static_cast<std::size_t>(static_cast<const char*>(mark) - rest.data()) + 1);
            break;
        }
        hash_.feed(rest.data(), n);
    }
    FileStamp stamp = *opened_;
    stamp.contentHash = hash_.value();
    return stamp;
}

namespace {

// Reads a regular file chunk by chunk into visit(chunk), which returns whether to go on.
// Opened without waiting: a named pipe would otherwise block here, and a device such as
// /dev/zero never ends. Empty when the file cannot be opened or is no regular file.
template <typename Visit>
std::optional<bool> readChunks(const std::string& path, Visit visit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    std::vector<char> buffer(TextLineReader::kDefaultChunkSize);
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            throw CellGridError(cannotReadMessage(path, err));
        }
        if (got == 0) return true;
        if (!visit(std::string_view(buffer.data(), static_cast<std::size_t>(got)))) return false;
    }
}

}  // namespace

std::optional<TextFileScan> scanTextFile(const std::string& path, bool checkUtf8) {
    TextFileScan scan;
    Utf8Validator utf8;
    const std::optional<bool> read = readChunks(path, [&](std::string_view chunk) {
        const std::size_t mark = chunk.find(kEndOfFileMark);
        if (mark != std::string_view::npos) chunk = chunk.substr(0, mark);
        if (!scan.holdsCarriageReturn) {
            scan.holdsCarriageReturn = chunk.find('\r') != std::string_view::npos;
        }
        if (checkUtf8 && scan.validUtf8) {
            utf8.feed(chunk);
            scan.validUtf8 = utf8.ok();
        }
        const bool moreToLearn =
            checkUtf8 ? scan.validUtf8 || !scan.holdsCarriageReturn : !scan.holdsCarriageReturn;
        return mark == std::string_view::npos && moreToLearn;
    });
    if (!read) return std::nullopt;
    if (checkUtf8) scan.validUtf8 = scan.validUtf8 && utf8.complete();
    return scan;
}

TextLines openTextLines(const std::string& path, bool checkUtf8) {
    std::optional<TextFileScan> scan = scanTextFile(path, checkUtf8);
    if (!scan) throw CellGridError(cannotOpenMessage(path));
    auto reader = std::make_unique<TextLineReader>(path, TextLineReader::kDefaultChunkSize,
                                                   scan->holdsCarriageReturn
                                                       ? TextLineReader::LineEnd::CarriageReturn
                                                       : TextLineReader::LineEnd::LineFeed);
    if (!reader->isOpen()) throw CellGridError(cannotOpenMessage(path));
    return {*scan, std::move(reader)};
}

bool isPlainTextFile(const std::string& path) {
    bool text = true;
    bool pendingEndMark = false;  // a 0x1A ended the previous chunk: text only if last
    const std::optional<bool> read = readChunks(path, [&](std::string_view chunk) {
        const std::size_t mark = chunk.find(kEndOfFileMark);
        text = !pendingEndMark && chunk.find('\0') == std::string_view::npos &&
               (mark == std::string_view::npos || mark + 1 == chunk.size());
        pendingEndMark = mark != std::string_view::npos;
        return text;
    });
    return read.has_value() && text;
}

namespace {
int digitValue(char c, int base) {
    if (c >= '0' && c <= '9') return c - '0';
    if (base == 16) {
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    }
    return -1;
}
}  // namespace

std::int64_t leadingInteger(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    int base = 10;
    if (i < n) {
        const char c = text[i];
        if (c == '+' || c == '-') {
            negative = c == '-';
            ++i;
        } else if (c == '$' || c == 'x' || c == 'X') {
            base = 16;
            ++i;
        } else if (c == '0' && i + 1 < n && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
            base = 16;
            i += 2;
        }
    }
    constexpr std::uint64_t kMax = static_cast<std::uint64_t>(INT64_MAX);
    std::uint64_t value = 0;
    for (; i < n; ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) break;
        const auto ud = static_cast<std::uint64_t>(d);
        value = value > (kMax - ud) / static_cast<std::uint64_t>(base)
                    ? kMax
                    : value * static_cast<std::uint64_t>(base) + ud;
    }
    const auto result = static_cast<std::int64_t>(value);
    return negative && i == n ? -result : result;
}

int leadingInt(std::string_view text) {
    return static_cast<int>(std::clamp<std::int64_t>(leadingInteger(text), INT_MIN, INT_MAX));
}

}  // namespace quillet
