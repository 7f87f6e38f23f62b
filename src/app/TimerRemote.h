#pragma once

#include <optional>

#include "tools/TimerProtocol.h"

namespace quillet {

class MainController;

// What the running program answers to the stopwatch commands of another process
// (`quillet --timer ...`): each runs the Timer menu's command, and a refusal or failure comes
// back in the reply instead of a message box, since no one may be at the window to close it.
class TimerRemote {
  public:
    explicit TimerRemote(MainController& controller) : controller_(controller) {}

    // The reply while another command runs in the window (a box or a long load is open).
    static TimerReply busyReply();
    // What keeps a command from running now, if anything: status only reads and is always
    // answered; while a command runs in the window the others wait, and while a cell's
    // editor is open a booking waits too, since it would write Hours under the user's typing.
    static std::optional<TimerReply> refusal(TimerCommand command, bool commandRunning,
                                             bool cellEditorOpen);
    // Runs one command; never throws. The reply names the stopwatch's state after it.
    TimerReply run(TimerCommand command);
    // A request of either version. The second times tasks: a start from zero times the
    // selected task (or the one named), the state names the timed task, and a booking replies
    // with what it added.
    TimerReply run(const TimerRequest& request);

  private:
    MainController& controller_;
};

}  // namespace quillet
