#pragma once

#include <QDialog>
#include <functional>

#include "ports/Ports.h"
#include "tools/StopwatchGuard.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace quillet {

// The modeless window "Stopwatch Settings": after how many minutes without input to ask about
// time away, after how many hours of running to remind, and where the idle time comes from.
// Each showing from hidden starts from the current settings; OK hands them on.
class FrmStopwatchSettings : public QDialog {
    Q_OBJECT

  public:
    explicit FrmStopwatchSettings(QWidget* parent = nullptr);

    std::function<GuardSettings()> currentSettings;
    std::function<IdleKind()> idleKind;
    // False when they were not taken; the window then stays open.
    std::function<bool(const GuardSettings&)> onOkay;

    GuardSettings settings() const;
    QSpinBox* awayMinutesBox() const { return spnAwayMinutes_; }
    QSpinBox* reminderHoursBox() const { return spnReminderHours_; }
    QLabel* idleSourceLabel() const { return lblIdleSource_; }
    QComboBox* bookToBox() const { return cboBookTo_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fill();

    QSpinBox* spnAwayMinutes_ = nullptr;
    QSpinBox* spnReminderHours_ = nullptr;
    QLabel* lblIdleSource_ = nullptr;
    QComboBox* cboBookTo_ = nullptr;
};

// What the window says about the idle source.
QString idleSourceText(IdleKind kind);

}  // namespace quillet
