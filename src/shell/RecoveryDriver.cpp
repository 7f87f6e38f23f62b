#include "shell/RecoveryDriver.h"

#include "shell/CommandRunner.h"

namespace quillet {

RecoveryDriver::RecoveryDriver(MainController& controller, CommandRunner& runner,
                               const RecoveryDirs& dirs, Clock& clock)
    : runner_(runner), recovery_(dirs, controller, clock) {
    recovery_.onStatus = [&controller](const Message& text) { controller.setStatusMessage(text); };
    timer_.setObjectName("RecoveryTimer");
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &RecoveryDriver::tick);
    timer_.start();
}

void RecoveryDriver::tick() {
    runner_.run([this] { recovery_.tick(); });
}

void RecoveryDriver::restore(const RecoveryCopy& copy) {
    runner_.run([this, &copy] { recovery_.restore(copy); });
}

void RecoveryDriver::normalExit() {
    timer_.stop();
    recovery_.normalExit();
}

}  // namespace quillet
