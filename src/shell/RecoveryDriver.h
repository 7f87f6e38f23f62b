#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "app/MainController.h"
#include "recovery/Recovery.h"

namespace quillet {

// Gives the recovery copies their chances to be written: once a second, between commands
// (through the window's error handler, which refuses while a command or a long load runs).
class RecoveryDriver : public QObject {
    Q_OBJECT

  public:
    // Runs a command through the window's general error handler.
    using RunCommand = std::function<void(const std::function<void()>&)>;

    RecoveryDriver(MainController& controller, RunCommand runCommand, const RecoveryDirs& dirs,
                   Clock& clock);

    Recovery& recovery() { return recovery_; }
    // Opens the copy the user chose to recover at start-up.
    void restore(const RecoveryCopy& copy);
    void normalExit();
    // One chance for a copy; the timer calls it every second.
    void tick();

  private:
    RunCommand runCommand_;
    Recovery recovery_;
    QTimer timer_;
};

}  // namespace quillet
