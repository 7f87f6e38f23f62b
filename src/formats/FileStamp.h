#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace quillet {

// What a file was when the program last read or wrote it, to notice a change by another
// program (a second window, a sync client, an editor) before writing over it.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t contentHash = 0;
};

// A fast 64-bit hash of a file's bytes: it tells changed content from the same content,
// nothing more (no one gains by forging it). The bytes may come in pieces of any size.
class ContentHash {
  public:
    // Words are mixed eight bytes at a time wherever the pieces break, so a file hashes the
    // same whether it was written in buffers or read in chunks. Inline: readers feed it block
    // by block between lines, where its chain of multiplies overlaps their work.
    void feed(const char* data, std::size_t n) {
        total_ += n;
        std::size_t i = 0;
        if (tailSize_ > 0) {
            while (tailSize_ < 8 && i < n) tail_[tailSize_++] = data[i++];
            if (tailSize_ < 8) return;
            std::uint64_t word;
            std::memcpy(&word, tail_, 8);
            mix(word);
            tailSize_ = 0;
        }
        for (; i + 8 <= n; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, data + i, 8);
            mix(word);
        }
        while (i < n) tail_[tailSize_++] = data[i++];
    }
    std::uint64_t value() const;

  private:
    void mix(std::uint64_t word) {
        state_ = (state_ ^ (word * 0x9E3779B97F4A7C15ULL)) * 0xC2B2AE3D27D4EB4FULL;
        state_ ^= state_ >> 29;
    }
    std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
    std::uint64_t total_ = 0;
    char tail_[8] = {};  // bytes of a word not yet complete
    std::size_t tailSize_ = 0;
};

// The stamp of the open file `fd` whose bytes hashed to `contentHash`, from its descriptor:
// what was read or written through it, whatever the path names meanwhile. None when it is
// not a regular file.
std::optional<FileStamp> stampOf(int fd, std::uint64_t contentHash);

// Whether a symbolic link at the path itself is followed. Files in the program's private
// folders are never reached through a link.
enum class Links { Follow, Refuse };

// The stamp of a regular file, its bytes hashed up to and with its end mark (0x1A), after
// which nothing counts; none when there is no such file.
std::optional<FileStamp> stampFile(const std::string& path, Links links = Links::Follow);

// True when the file at `path` no longer matches `stamp`: its bytes differ. A file whose
// times or inode changed but whose bytes are the same (a sync client writing it back)
// has not changed. A missing file has not changed either: a save writes it anew.
bool changedSince(const std::string& path, const FileStamp& stamp);
// True when `path` still names the stamped regular file with its size and time, without
// reading it.
bool stillAsStamped(const std::string& path, const FileStamp& stamp);

}  // namespace quillet
