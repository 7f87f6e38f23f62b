#pragma once

#include <cstdint>
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

// Whether a symbolic link at the path itself is followed. Files in the program's private
// folders are never reached through a link.
enum class Links { Follow, Refuse };

// The stamp of a regular file, its bytes hashed; none when there is no such file.
std::optional<FileStamp> stampFile(const std::string& path, Links links = Links::Follow);

// True when the file at `path` no longer matches `stamp`: its bytes differ. A file whose
// times or inode changed but whose bytes are the same (a sync client writing it back)
// has not changed. A missing file has not changed either: a save writes it anew.
bool changedSince(const std::string& path, const FileStamp& stamp);

}  // namespace quillet
