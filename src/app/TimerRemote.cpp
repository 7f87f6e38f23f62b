#include "app/TimerRemote.h"

#include <exception>
#include <string>

#include "app/MainController.h"

namespace quillet {

TimerReply TimerRemote::busyReply() {
    return {false, "Quillet1 is busy: finish what is open in its window first."};
}

std::optional<TimerReply> TimerRemote::refusal(TimerCommand command, bool commandRunning,
                                               bool cellEditorOpen) {
    if (command == TimerCommand::Status) return std::nullopt;
    if (commandRunning) return busyReply();
    if (command == TimerCommand::Book && cellEditorOpen)
        return TimerReply{false,
                          "Quillet1 is busy: a cell is being edited in its window; "
                          "finish the edit first."};
    return std::nullopt;
}

// The first version knows no tasks: its start times no task, its replies name none and a
// booking answers with the state, as they always did.
TimerReply TimerRemote::run(const TimerRequest& request) {
    const bool tasks = request.version >= 2;
    const auto start = [&] {
        tasks ? controller_.timer().startTimer() : controller_.timer().startTimerForNoTask();
    };
    std::string error;
    std::string booked;
    try {
        switch (request.command) {
            case TimerCommand::Start:
                if (!tasks || request.task.empty())
                    start();
                else
                    error = controller_.timer().timeTaskNumbered(request.task).english();
                break;
            case TimerCommand::Stop:
                controller_.timer().stopTimer();
                break;
            case TimerCommand::Toggle:
                if (controller_.timer().stopWatch().running())
                    controller_.timer().stopTimer();
                else
                    start();
                break;
            case TimerCommand::Reset:
                controller_.timer().resetTimer();
                break;
            case TimerCommand::Book:
                error =
                    controller_.timer().bookTimer().english();  // replies are a protocol: English
                if (error.empty() && tasks) booked = controller_.timer().lastBooking().english();
                break;
            case TimerCommand::Status:
                break;
        }
    } catch (const std::exception& e) {
        error = e.what();
    } catch (...) {
        error = "An unexpected error occurred.";
    }
    if (!error.empty()) return {false, error};
    if (!booked.empty()) return {true, booked};
    const HRStopWatch& watch = controller_.timer().stopWatch();
    // A session a crash cut off is not "stopped": it waits for the user's answer.
    if (std::string interrupted = controller_.timer().interruptedReply();
        !interrupted.empty() && !watch.running() && watch.elapsedTime() == 0.0)
        return {true, interrupted};
    std::string state = timerStateText(watch.running(), watch.elapsedTime());
    if (const std::string task = controller_.timer().timedTaskReply(); tasks && !task.empty())
        state += " " + task;
    return {true, state};
}

TimerReply TimerRemote::run(TimerCommand command) {
    return run(TimerRequest{command, 1, {}});
}

}  // namespace quillet
