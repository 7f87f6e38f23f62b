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

// A private directory for the files a target writes, in memory where possible,
// removed when the fuzzer exits.
inline const std::filesystem::path& scratchDir() {
    static const std::filesystem::path dir = [] {
        std::error_code ec;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, ec)) base = std::filesystem::temp_directory_path();
        std::filesystem::path d = base / ("quillet-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchDir(), ignored);
        });
        return d;
    }();
    return dir;
}

inline std::string scratchFile(const char* name) {
    return (scratchDir() / name).string();
}

}  // namespace quillet::fuzz
