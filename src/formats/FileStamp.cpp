#include "formats/FileStamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace quillet {

namespace {

struct Meta {
    std::uint64_t device, inode, size;
    std::int64_t modifiedNs;
};

std::optional<Meta> metaOf(const struct stat& st) {
    if (!S_ISREG(st.st_mode)) return std::nullopt;
    return Meta{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                static_cast<std::uint64_t>(st.st_size),
                static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

// The same file with the same size and time as stamped.
bool sameDetails(const Meta& meta, const FileStamp& stamp) {
    return meta.device == stamp.device && meta.inode == stamp.inode && meta.size == stamp.size &&
           meta.modifiedNs == stamp.modifiedNs;
}

std::optional<Meta> metaOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return std::nullopt;
    return metaOf(st);
}

constexpr char kEndMark = 0x1A;

std::optional<std::uint64_t> hashOf(int fd) {
    ContentHash hash;
    std::vector<char> buffer(std::size_t{1} << 20);
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) return hash.value();
        // Nothing after the end mark is part of the file for any reader: a tail of gigabytes
        // there is never read.
        if (const void* mark =
                std::memchr(buffer.data(), kEndMark, static_cast<std::size_t>(got))) {
            hash.feed(buffer.data(),
                      static_cast<std::size_t>(static_cast<const char*>(mark) - buffer.data()) + 1);
            return hash.value();
        }
        hash.feed(buffer.data(), static_cast<std::size_t>(got));
    }
}

int openForReading(const std::string& path, Links links = Links::Follow) {
    const int noFollow = links == Links::Refuse ? O_NOFOLLOW : 0;
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | noFollow);
}

}  // namespace

std::uint64_t ContentHash::value() const {
    ContentHash last = *this;
    for (std::size_t i = 0; i < tailSize_; ++i)
        last.mix(static_cast<unsigned char>(tail_[i]) | 0x100);
    std::uint64_t h = last.state_ ^ total_;
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    return h;
}

std::optional<FileStamp> stampOf(int fd, std::uint64_t contentHash) {
    const std::optional<Meta> meta = metaOf(fd);
    if (!meta) return std::nullopt;
    return FileStamp{meta->device, meta->inode, meta->size, meta->modifiedNs, contentHash};
}

std::optional<FileStamp> stampFile(const std::string& path, Links links) {
    const int fd = openForReading(path, links);
    if (fd < 0) return std::nullopt;
    std::optional<FileStamp> stamp;
    if (const std::optional<Meta> meta = metaOf(fd)) {
        if (const std::optional<std::uint64_t> hash = hashOf(fd)) {
            stamp = FileStamp{meta->device, meta->inode, meta->size, meta->modifiedNs, *hash};
        }
    }
    ::close(fd);
    return stamp;
}

bool changedSince(const std::string& path, const FileStamp& stamp) {
    const int fd = openForReading(path);
    if (fd < 0) return false;
    bool changed = false;
    if (const std::optional<Meta> meta = metaOf(fd)) {
        // Only a file whose details moved but whose size did not is read again, to compare
        // its bytes: a replacement of another size (perhaps gigabytes) is never read here.
        if (meta->size != stamp.size) {
            changed = true;
        } else if (!sameDetails(*meta, stamp)) {
            const std::optional<std::uint64_t> hash = hashOf(fd);
            changed = !hash || *hash != stamp.contentHash;
        }
    }
    ::close(fd);
    return changed;
}

bool stillAsStamped(const std::string& path, const FileStamp& stamp) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    const std::optional<Meta> meta = metaOf(st);
    return meta && sameDetails(*meta, stamp);
}

}  // namespace quillet
