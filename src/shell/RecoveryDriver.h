#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

#include "recovery/Recovery.h"

namespace quillet {

class Form1;

// Gives the recovery copies their chances to be written: once a second, between commands
// (through the window's error handler, which refuses while a command or a long load runs).
class RecoveryDriver : public QObject {
    Q_OBJECT

  public:
    RecoveryDriver(Form1& form, const RecoveryDirs& dirs, Clock& clock);

    Recovery& recovery() { return recovery_; }
    // Opens the copy the user chose to recover at start-up.
    void restore(const RecoveryCopy& copy);
    void normalExit();
    // One chance for a copy; the timer calls it every second.
    void tick();

  private:
    Form1& form_;
    Recovery recovery_;
    QTimer timer_;
};

}  // namespace quillet
