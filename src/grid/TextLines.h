#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// Reads a text file line by line, the way every file format of the program does:
// a line ends at CR, an LF right after that CR belongs to the line end, a bare LF
// stays inside the line, and the byte 0x1A ends the file wherever it stands.
// Lines may be of any length; the file is read in large chunks and never held whole.
class TextLineReader {
  public:
    static constexpr std::size_t kDefaultChunkSize = std::size_t{256} * 1024;

    // Opens the file; isOpen() tells whether that worked.
    explicit TextLineReader(const std::string& path, std::size_t chunkSize = kDefaultChunkSize);
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }

    // Replaces `line` with the next line, without its line end. Returns false at the
    // end of the file. Throws CellGridError when the system reports a read error.
    bool readLine(std::string& line);

    // Bytes taken from the file so far (line ends included).
    std::uint64_t bytesConsumed() const { return consumed_; }
    // Size of the file when opened, or 0 when unknown.
    std::uint64_t fileSize() const { return fileSize_; }

  private:
    bool fill();

    std::string path_;
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool sawEndMark_ = false;  // 0x1A found: nothing after it counts
    bool atEnd_ = false;
    bool skipLf_ = false;  // the previous line ended at a CR
    std::uint64_t consumed_ = 0;
    std::uint64_t fileSize_ = 0;
};

// The value of the integer at the start of a text: blanks (0x20) are skipped, then
// either an optional "+" or "-" or one of the hexadecimal prefixes "$", "x", "X",
// "0x", "0X"; then digits of that base up to the first byte that is not one.
// A "-" counts only when nothing follows the digits. No digits read as 0.
// Runs of digits too long for 64 bits saturate at INT64_MAX (or -INT64_MAX).
std::int64_t leadingInteger(std::string_view text);

// leadingInteger clamped into the range of int.
int leadingInt(std::string_view text);

}  // namespace quillet
