#pragma once

#include <QString>
#include <string>

#include "tools/TimerProtocol.h"

namespace quillet {

// What `quillet --timer CMD` prints and how it exits.
struct TimerClientResult {
    int exitCode = 0;    // 0 done, 1 refused or no answer, 3 no Quillet1 running
    std::string output;  // one line, without its newline
};

inline constexpr int kTimerNotRunningExit = 3;

// Sends one command to the Quillet1 listening at path and waits for its reply. Needs no
// display and no event loop of its own.
TimerClientResult sendTimerCommand(TimerCommand command, const QString& path,
                                   int timeoutMs = 10000);
// The same for a request of either version.
TimerClientResult sendTimerRequest(const TimerRequest& request, const QString& path,
                                   int timeoutMs = 10000);

}  // namespace quillet
