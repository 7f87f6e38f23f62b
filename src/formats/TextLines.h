#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/FileStamp.h"
#include "ports/Message.h"

namespace quillet {

// Reads a text file line by line, the way every file format of the program does:
// a line ends at CR, an LF right after that CR belongs to the line end, a bare LF
// stays inside the line, and the byte 0x1A ends the file wherever it stands.
// Lines may be of any length; the file is read in large chunks and never held whole.
class TextLineReader {
  public:
    static constexpr std::size_t kDefaultChunkSize = std::size_t{256} * 1024;
    // Longer lines are refused rather than grown without end (a file of zeros).
    static constexpr std::size_t kMaxLineBytes = std::size_t{1} << 30;

    // CarriageReturn is the rule above. LineFeed is for files without any CR (written
    // on Unix): there every LF ends a line.
    enum class LineEnd { CarriageReturn, LineFeed };

    // Opens the file; isOpen() tells whether that worked.
    // Only a regular file opens: a pipe would block, a device never end.
    explicit TextLineReader(const std::string& path, std::size_t chunkSize = kDefaultChunkSize,
                            LineEnd lineEnd = LineEnd::CarriageReturn,
                            std::size_t maxLineBytes = kMaxLineBytes);
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }

    // Replaces `line` with the next line, without its line end. Returns false at the
    // end of the file. Throws CellGridError when the system reports a read error.
    bool readLine(std::string& line);
    // The same without copying a line that lies within one chunk: `line` views the
    // reader's own memory and stays valid until the next read or rewind.
    bool readLine(std::string_view& line);

    // Whether the line last read may hold `byte`: false when the chunk it lies in holds
    // none, so a rare byte costs one search per chunk instead of one per line.
    bool lineMayHold(char byte) {
        if (lineIsLong_ || askedChunk_ != chunkNumber_ || askedByte_ != byte)
            return searchChunkFor(byte);
        return chunkHoldsAsked_;
    }

    // Goes back to the start of the file.
    void rewind();

    // Bytes taken from the file so far (line ends included).
    std::uint64_t bytesConsumed() const { return consumed_; }
    // Size of the file when opened, or 0 when unknown.
    std::uint64_t fileSize() const { return fileSize_; }
    // The file as this reader took it: its details when opened and the hash of its bytes,
    // so the stamp is what was read even if another program replaced the path meanwhile.
    // Reads what is left after the last line, up to and with the end mark, and nothing after
    // it (as stampFile hashes).
    // None when the file is not open. Throws CellGridError on a read error.
    std::optional<FileStamp> stamp();

  private:
    bool fill();
    // The first line end at or after `from` in the chunk, or end_.
    std::size_t findLineEnd(std::size_t from);
    // Moves past the line end at eol, and past an LF right after a CR.
    void passLineEnd(std::size_t eol);
    bool readAcrossChunks(std::string_view& line);
    bool searchChunkFor(char byte);
    // Hashes the chunk's bytes up to `to`. The lines' scan does this block by block, so the
    // hash's chain of multiplies overlaps the parsing instead of running alone.
    void hashChunkUpTo(std::size_t to);

    std::string path_;
    std::FILE* file_ = nullptr;
    std::size_t chunkSize_;
    std::size_t maxLineBytes_;
    std::vector<char> buffer_;  // a chunk and room to read whole 64-byte blocks past it
    std::string longLine_;      // a line that spans chunks, for the string_view readLine
    char lineEnd_ = '\r';
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::size_t read_ = 0;    // bytes in the chunk, the end mark and what follows it included
    std::size_t hashed_ = 0;  // of them
    // Where the line ends lie in one 64-byte block of the chunk: lines are found by
    // their bits, so the many short lines of a block cost one scan together.
    std::size_t maskBlock_ = SIZE_MAX;
    std::uint64_t mask_ = 0;
    std::size_t chunkNumber_ = 0;  // counts fills, to tell whether askedByte_ is current
    std::size_t askedChunk_ = SIZE_MAX;
    char askedByte_ = 0;
    bool chunkHoldsAsked_ = false;
    bool lineIsLong_ = false;           // the last line was put together in longLine_
    bool sawEndMark_ = false;           // 0x1A found: nothing after it counts
    std::size_t hashLimit_ = SIZE_MAX;  // in the chunk of the mark: just past it
    bool atEnd_ = false;
    bool skipLf_ = false;  // the previous line ended at a CR
    std::uint64_t consumed_ = 0;
    std::uint64_t fileSize_ = 0;
    ContentHash hash_;  // of every byte read from the file so far
    std::optional<FileStamp> opened_;
};

// "Cannot open file " + path, and the reason when it is not a regular file (a pipe would
// block the reader, a device such as /dev/zero never ends).
Message cannotOpenMessage(const std::string& path);

// What a text file holds up to its end mark (0x1A), found in one pass over it.
struct TextFileScan {
    bool holdsCarriageReturn = false;
    bool validUtf8 = true;  // only checked when asked for
};
// Empty when the file cannot be opened or is no regular file (a pipe or a device would
// block or never end). Throws CellGridError on a read error.
// Without checkUtf8 the scan stops at the first CR.
std::optional<TextFileScan> scanTextFile(const std::string& path, bool checkUtf8);

// A text file opened by the rule every reader shares, with what the whole file holds.
struct TextLines {
    TextFileScan scan;
    std::unique_ptr<TextLineReader> reader;
};
// Lines end at CR, or at LF in a file without any CR: one written on Unix, or whose CRs
// were stripped on the way (a checkout, an editor), would otherwise read as one line.
// checkUtf8 as for scanTextFile. Throws CellGridError(cannotOpenMessage(path)) when the
// file cannot be opened or is no regular file, or on a read error.
TextLines openTextLines(const std::string& path, bool checkUtf8 = false);

// True for a regular file that reads as text: no NUL byte anywhere and no 0x1A before its
// last byte (a DOS end mark there is text). A zip-based document or another binary file
// is not. Throws CellGridError on a read error.
bool isPlainTextFile(const std::string& path);

// The value of the integer at the start of a text: blanks (0x20) are skipped, then
// either an optional "+" or "-" or one of the hexadecimal prefixes "$", "x", "X",
// "0x", "0X"; then digits of that base up to the first byte that is not one.
// A "-" counts only when nothing follows the digits. No digits read as 0.
// Runs of digits too long for 64 bits saturate at INT64_MAX (or -INT64_MAX).
std::int64_t leadingInteger(std::string_view text);

// leadingInteger clamped into the range of int.
int leadingInt(std::string_view text);

}  // namespace quillet
