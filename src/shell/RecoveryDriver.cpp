#include "shell/RecoveryDriver.h"

namespace quillet {

RecoveryDriver::RecoveryDriver(MainController& controller, RunCommand runCommand,
                               const RecoveryDirs& dirs, Clock& clock)
    : runCommand_(std::move(runCommand)), recovery_(dirs, controller, clock) {
    recovery_.onStatus = [&controller](const Message& text) { controller.setStatusMessage(text); };
    timer_.setObjectName("RecoveryTimer");
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &RecoveryDriver::tick);
    timer_.start();
}

void RecoveryDriver::tick() {
    runCommand_([this] { recovery_.tick(); });
}

void RecoveryDriver::restore(const RecoveryCopy& copy) {
    runCommand_([this, &copy] { recovery_.restore(copy); });
}

void RecoveryDriver::normalExit() {
    timer_.stop();
    recovery_.normalExit();
}

}  // namespace quillet
