#include "shell/RecoveryDriver.h"

#include "shell/Form1.h"

namespace quillet {

RecoveryDriver::RecoveryDriver(Form1& form, const RecoveryDirs& dirs, Clock& clock)
    : form_(form), recovery_(dirs, form.controller().grid(), form.controller().project(), clock) {
    recovery_.onStatus = [this](const std::string& text) {
        form_.controller().setStatusMessage(text);
    };
    timer_.setObjectName("RecoveryTimer");
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &RecoveryDriver::tick);
    timer_.start();
}

void RecoveryDriver::tick() {
    form_.runCommand([this] { recovery_.tick(); });
}

void RecoveryDriver::restore(const RecoveryCopy& copy) {
    form_.runCommand([this, &copy] {
        MainController& controller = form_.controller();
        recovery_.restore(copy);
        if (controller.project().takeTotalDue()) controller.mnuCalculateTotalClick();
    });
}

void RecoveryDriver::normalExit() {
    timer_.stop();
    recovery_.normalExit();
}

}  // namespace quillet
