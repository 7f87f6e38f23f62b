#include "recovery/ProcessIdentity.h"

#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <limits>

namespace quillet {

namespace {

std::string readFirstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string bootId() {
    return readFirstLine("/proc/sys/kernel/random/boot_id");
}

// Field 22 of /proc/<pid>/stat. The command name (field 2) is in parentheses and may
// hold blanks and parentheses itself, so counting starts after its last ')'.
std::string startTimeOf(long pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return {};
    std::size_t pos = close + 1;
    for (int field = 3; field <= 22; ++field) {
        pos = stat.find_first_not_of(' ', pos);
        if (pos == std::string::npos) return {};
        const auto end = stat.find(' ', pos);
        if (field == 22) return stat.substr(pos, end == std::string::npos ? end : end - pos);
        if (end == std::string::npos) return {};
        pos = end;
    }
    return {};
}

}  // namespace

ProcessIdentity identityOf(long pid) {
    return {pid, bootId(), startTimeOf(pid)};
}

ProcessIdentity currentProcess() {
    return identityOf(static_cast<long>(::getpid()));
}

bool isRunning(const ProcessIdentity& process) {
    // 0 and negative ids would address process groups, not one process.
    if (process.pid <= 0 || process.pid > std::numeric_limits<pid_t>::max()) return false;
    if (!process.bootId.empty()) {
        const std::string current = bootId();
        if (!current.empty() && current != process.bootId) return false;
    }
    if (::kill(static_cast<pid_t>(process.pid), 0) != 0 && errno == ESRCH) return false;
    if (!process.startTime.empty()) {
        const std::string started = startTimeOf(process.pid);
        if (!started.empty() && started != process.startTime) return false;
    }
    return true;
}

}  // namespace quillet
