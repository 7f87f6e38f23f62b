#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace quillet::fuzz {

// A broken promise of the code under test: report it and let libFuzzer keep the input.
#define QUILLET_FUZZ_CHECK(ok, what) ::quillet::fuzz::check((ok), (what), __FILE__, __LINE__)

inline void check(bool ok, const char* what, const char* file, int line) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", what, file, line);
    std::abort();
}

// A file of this process for one input, in memory where possible, removed when
// the input is done: libFuzzer ends without running exit handlers, so nothing
// may be left for later.
class ScratchFile {
  public:
    explicit ScratchFile(const char* name) : path_(folder() + std::to_string(::getpid()) + name) {}
    ~ScratchFile() { ::unlink(path_.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }

  private:
    static std::string folder() {
        static const std::string prefix = [] {
            std::error_code ec;
            std::filesystem::path base = "/dev/shm";
            if (!std::filesystem::is_directory(base, ec))
                base = std::filesystem::temp_directory_path();
            return (base / "quillet-fuzz-").string();
        }();
        return prefix;
    }

    std::string path_;
};

}  // namespace quillet::fuzz
