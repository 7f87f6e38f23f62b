#pragma once

#include <string>

namespace quillet {

// One run of a process: its id, and where the system tells them, the boot it ran in and
// its start time. Process ids are used again, after a reboot within minutes, so the id
// alone cannot tell whether a copy's writer still runs.
struct ProcessIdentity {
    long pid = 0;
    std::string bootId;     // empty when unknown
    std::string startTime;  // clock ticks after boot; empty when unknown
};

// The identity of a running process; boot and start time stay empty where unreadable.
ProcessIdentity identityOf(long pid);
ProcessIdentity currentProcess();

// False only when the process has surely ended: no such process, another boot, or a
// process of that id started at another time. A process of another user still counts
// as running, as does one whose details cannot be read.
bool isRunning(const ProcessIdentity& process);

}  // namespace quillet
