#pragma once

#include <QObject>
#include <QTimer>

#include "app/MainController.h"
#include "recovery/Recovery.h"

namespace quillet {

class CommandRunner;

// Gives the recovery copies their chances to be written: once a second, between commands
// (through the window's error handler, which refuses while a command or a long load runs).
class RecoveryDriver : public QObject {
    Q_OBJECT

  public:
    RecoveryDriver(MainController& controller, CommandRunner& runner, const RecoveryDirs& dirs,
                   Clock& clock);

    Recovery& recovery() { return recovery_; }
    // Opens the copy the user chose to recover at start-up.
    void restore(const RecoveryCopy& copy);
    void normalExit();
    // One chance for a copy; the timer calls it every second.
    void tick();

  private:
    CommandRunner& runner_;
    Recovery recovery_;
    QTimer timer_;
};

}  // namespace quillet
