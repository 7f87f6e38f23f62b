#include "recovery/RecoveryDirs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

#include "ports/ErrorText.h"

namespace quillet {

namespace {

std::string baseDir(const std::function<const char*(const char*)>& lookup, const char* variable,
                    const char* belowHome) {
    const char* value = lookup(variable);
    // Relative values are invalid and must be ignored.
    if (value && value[0] == '/') return value;
    const char* home = lookup("HOME");
    if (home && home[0] == '/') return std::string(home) + "/" + belowHome;
    return {};
}

}  // namespace

RecoveryDirs RecoveryDirs::fromEnvironment(const std::function<const char*(const char*)>& lookup) {
    const std::function<const char*(const char*)> get =
        lookup ? lookup : [](const char* name) -> const char* { return std::getenv(name); };
    RecoveryDirs dirs;
    const std::string state = baseDir(get, "XDG_STATE_HOME", ".local/state");
    const std::string data = baseDir(get, "XDG_DATA_HOME", ".local/share");
    if (!state.empty()) dirs.recovery = state + "/Quillet/recovery";
    if (!data.empty()) dirs.backups = data + "/Quillet/backups";
    return dirs;
}

namespace {
Message cannotCreateFolder(const std::string& path, int err) {
    return Message(QUILLET_TR("CoreMessages", "Cannot create folder %1: %2"))
        .arg(path)
        .arg(errorText(err));
}
}  // namespace

void makePrivateDirectory(const std::string& path) {
    if (path.empty())
        throw MessageError(QUILLET_TR("CoreMessages", "Cannot create a folder without a name"));
    // Each missing component is made in turn, so none of them is ever more open than 0700.
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && part.back() != '/' && ::mkdir(part.c_str(), 0700) != 0 &&
            errno != EEXIST) {
            const int err = errno;
            throw MessageError(cannotCreateFolder(part, err));
        }
        if (slash == std::string::npos) break;
    }
    // Not followed: a link planted here would send the user's files, and the pruning of old
    // versions, somewhere else. Checked and tightened through one descriptor, so the folder
    // cannot be swapped for a link between the check and the chmod.
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        struct stat st {};
        if (err == ELOOP || (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode))) {
            throw PrivateFolderError(path);
        }
        throw MessageError(cannotCreateFolder(path, err));
    }
    struct stat st {};
    bool isPrivate = ::fstat(fd, &st) == 0 && st.st_uid == ::geteuid();
    if (isPrivate && (st.st_mode & 07777) != 0700) {
        isPrivate =
            ::fchmod(fd, 0700) == 0 && ::fstat(fd, &st) == 0 && (st.st_mode & 07777) == 0700;
    }
    ::close(fd);
    if (!isPrivate) throw PrivateFolderError(path);
}

}  // namespace quillet
