#pragma once

#include <sys/wait.h>
#include <unistd.h>

namespace quillet::test {

// The id of a process that has ended and been reaped: a child that exits at once.
inline long deadPid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return static_cast<long>(child);
}

}  // namespace quillet::test
