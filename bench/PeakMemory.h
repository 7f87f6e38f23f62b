#pragma once

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <string>

namespace quillet::bench {

inline long statusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string name;
    long value = -1;
    while (in >> name) {
        if (name == field) {
            in >> value;
            return value;
        }
        in.ignore(1 << 12, '\n');
    }
    return -1;
}

// Memory a piece of work takes above the resident memory before it, in kB.
struct MemoryUse {
    long peakKb = 0;  // the high-water mark while it ran
    long keptKb = 0;  // what it still holds when it calls measure()
};

// Runs `work` in a forked child whose peak mark is reset first, so neither earlier
// benchmarks nor the allocator's cache count. `work` calls measure() while it still
// holds what it built.
inline MemoryUse memoryUseOf(
    const std::function<void(const std::function<void()>& measure)>& work) {
    int fds[2];
    if (::pipe(fds) != 0) return {-1, -1};
    const pid_t child = ::fork();
    if (child == 0) {
        ::malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";  // reset VmHWM to VmRSS
        const long before = statusKb("VmRSS:");
        MemoryUse use;
        work([&] { use = {statusKb("VmHWM:") - before, statusKb("VmRSS:") - before}; });
        [[maybe_unused]] auto n = ::write(fds[1], &use, sizeof use);
        ::_exit(0);
    }
    MemoryUse use;
    [[maybe_unused]] auto n = ::read(fds[0], &use, sizeof use);
    ::waitpid(child, nullptr, 0);
    ::close(fds[0]);
    ::close(fds[1]);
    return use;
}

}  // namespace quillet::bench
