#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

// Appends one code point as UTF-8; a surrogate or a value past U+10FFFF becomes U+FFFD.
void appendUtf8(std::string& out, std::uint32_t cp);
bool isValidUtf8(std::string_view bytes);
// Windows-1252 bytes (files from older versions) as UTF-8.
std::string cp1252ToUtf8(std::string_view bytes);
// Cell bytes as UTF-8 for display: UTF-8 as it is, anything else read as Windows-1252.
std::string displayUtf8(std::string_view bytes);

// Appends OEM (CP437) bytes to `out` as UTF-8. Bytes below 0x80 stay as they are, so
// separators, quotes and line breaks keep their places.
void appendCp437AsUtf8(std::string_view bytes, std::string& out);

// Checks UTF-8 fed in pieces of any size, as a file is read in chunks: a sequence may
// be split between two pieces.
class Utf8Validator {
  public:
    void feed(std::string_view bytes);
    // True while everything fed so far is valid UTF-8, or a valid start of it.
    bool ok() const { return ok_; }
    // True when everything fed is valid UTF-8 and no sequence is left open.
    bool complete() const { return ok_ && need_ == 0; }

  private:
    bool ok_ = true;
    int need_ = 0;  // continuation bytes still expected
    std::uint8_t lower_ = 0x80;
    std::uint8_t upper_ = 0xBF;
};

}  // namespace quillet
