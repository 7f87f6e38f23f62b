#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/FileStamp.h"
#include "grid/CellGrid.h"

namespace quillet {

// Writes a file so that it is replaced whole or not at all: the bytes go to a
// temporary file beside the target, which is flushed to disk and renamed over the
// target by commit(). Until then the old file stays as it was; a failure or a
// writer destroyed without commit() removes the temporary file. The temporary
// file is readable by its owner only until commit() gives it the old file's
// owner and permissions (a new file gets those of any newly created file).
// Temporary files that earlier saves of the same target left behind when their
// process died are removed first.
// The process that writes a temporary file of this writer, named ".<name>.saving-<pid>-<n>";
// nullopt for any other name. Other folders' clean-ups find killed writers' files by it.
std::optional<long> temporaryFileWriter(std::string_view fileName);

// Why a writer could not start: the target is not a regular file (no error number), or the
// system's error number. Its message stays "Cannot Create " + path.
class CannotCreateError : public CellGridError {
  public:
    CannotCreateError(Message message, std::optional<int> systemError)
        : CellGridError(std::move(message)), systemError_(systemError) {}
    const std::optional<int>& systemError() const { return systemError_; }

  private:
    std::optional<int> systemError_;
};

// Removes from `folder` the temporary files of this writer that a killed process left: those
// whose target `whose` accepts, whose writer is no longer running, and that nothing wrote for
// `age` (a writer on another machine sharing the folder has a process this one cannot see).
void removeDeadWritersFiles(const std::string& folder,
                            const std::function<bool(std::string_view target)>& whose,
                            std::chrono::seconds age);

class AtomicFileWriter {
  public:
    // Shared: the user's own files. Private: the program's copies of the user's data
    // (recovery copies, backups, their sidecars): created 0600, and a link at the path is
    // replaced, never followed.
    enum class Privacy { Shared, Private };

    // Throws CannotCreateError("Cannot Create " + path) when the target cannot be written.
    explicit AtomicFileWriter(const std::string& path, Privacy privacy = Privacy::Shared);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes) {
        if (bytes.size() <= buffer_.size() - used_) {
            std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
            used_ += bytes.size();
        } else {
            writeSlow(bytes);
        }
    }
    void put(char c) {
        if (used_ == buffer_.size()) flushBuffer();
        buffer_[used_++] = c;
    }
    // Room for up to `size` bytes (at most bufferSize()) to be written in place; the
    // bytes count once advance() takes them.
    char* room(std::size_t size) {
        if (size > buffer_.size() - used_) flushBuffer();
        return buffer_.data() + used_;
    }
    void advance(std::size_t size) { used_ += size; }
    std::size_t bufferSize() const { return buffer_.size(); }

    // Flushes, syncs and renames over the target. A failure throws CellGridError
    // naming the path and leaves the target untouched.
    void commit();
    // After commit(): the file as written, from its own descriptor and the bytes that went
    // through it, so a file another program put there after the rename is not taken for it.
    const std::optional<FileStamp>& stamp() const { return stamp_; }

    const std::string& temporaryPath() const { return tempPath_; }

    // Lets a test stand in for the system's write(2), e.g. to fail half-way.
    using WriteFunction = std::function<ssize_t(int fd, const void* data, std::size_t size)>;
    class ScopedWriteHook {
      public:
        explicit ScopedWriteHook(WriteFunction hook);
        ~ScopedWriteHook();
        ScopedWriteHook(const ScopedWriteHook&) = delete;
        ScopedWriteHook& operator=(const ScopedWriteHook&) = delete;

      private:
        WriteFunction previous_;
    };

  private:
    void writeSlow(std::string_view bytes);
    void flushBuffer();
    void startWriteBack();
    void writeAll(const char* data, std::size_t size);
    [[noreturn]] void fail(int err);
    void discard();
    void applyFinalPermissions();

    std::string path_;    // as the caller gave it, for messages
    std::string target_;  // the file actually replaced (symbolic links resolved)
    std::string tempPath_;
    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    std::size_t written_ = 0;  // bytes handed to the file so far
    ContentHash hash_;         // of those bytes
    std::optional<FileStamp> stamp_;
    std::size_t writeBackStart_ = 0;  // where the next write-back hint starts
    bool committed_ = false;
    bool keepOwner_ = false;  // the target existed: keep its owner and group
    uid_t uid_ = 0;
    gid_t gid_ = 0;
    mode_t mode_ = 0600;  // given at commit()
};

}  // namespace quillet
