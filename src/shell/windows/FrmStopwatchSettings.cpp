#include "shell/windows/FrmStopwatchSettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

#include "shell/windows/SecondaryWindow.h"

namespace quillet {

QString idleSourceText(IdleKind kind) {
    switch (kind) {
        case IdleKind::XServer:
            return FrmStopwatchSettings::tr("Idle time from the X server");
        case IdleKind::DBus:
            return FrmStopwatchSettings::tr("Idle time from the desktop (D-Bus)");
        case IdleKind::None:
            break;
    }
    return FrmStopwatchSettings::tr(
        "No idle time available on this desktop: time away cannot be noticed");
}

namespace {

// "before [box] after" on one row of the grid; the box's accessible name is the whole sentence.
QSpinBox* addSentence(QGridLayout* layout, int row, const QString& before, const QString& after,
                      int maximum, const char* name, QWidget* parent) {
    auto* lead = new QLabel(before, parent);
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, maximum);
    box->setSpecialValueText(FrmStopwatchSettings::tr("0 (never)"));
    auto* tail = new QLabel(after, parent);
    lead->setBuddy(box);
    box->setAccessibleName(QString(before).remove('&') + QStringLiteral(" ... ") + after);
    box->setAccessibleDescription(FrmStopwatchSettings::tr("0 = never"));
    layout->addWidget(lead, row, 0);
    layout->addWidget(box, row, 1);
    layout->addWidget(tail, row, 2);
    return box;
}

}  // namespace

FrmStopwatchSettings::FrmStopwatchSettings(QWidget* parent)
    : QDialog(parent, secondaryWindowFlags()) {
    setObjectName("frmStopwatchSettings");
    setWindowTitle(tr("Quillet1 - Stopwatch Settings"));
    setModal(false);

    auto* layout = new QGridLayout(this);
    spnAwayMinutes_ =
        addSentence(layout, 0, tr("Ask about time &away after"), tr("minutes without input"),
                    StopwatchGuard::kMaxAwayMinutes, "spnAwayMinutes", this);
    spnReminderHours_ =
        addSentence(layout, 1, tr("Re&mind me after the stopwatch has run for"), tr("hours"),
                    StopwatchGuard::kMaxReminderHours, "spnReminderHours", this);
    auto* lblNever = new QLabel(tr("0 = never"), this);
    lblNever->setObjectName("lblNever");
    layout->addWidget(lblNever, 2, 0, 1, 3);
    lblIdleSource_ = new QLabel(this);
    lblIdleSource_->setObjectName("lblIdleSource");
    lblIdleSource_->setWordWrap(true);
    layout->addWidget(lblIdleSource_, 3, 0, 1, 3);
    auto* lblBookTo = new QLabel(tr("&Book time to"), this);
    cboBookTo_ = new QComboBox(this);
    cboBookTo_->setObjectName("cboBookTo");
    cboBookTo_->addItems({tr("the task's row"), tr("a row per day")});
    cboBookTo_->setAccessibleName(tr("Book time to"));
    lblBookTo->setBuddy(cboBookTo_);
    layout->addWidget(lblBookTo, 4, 0);
    layout->addWidget(cboBookTo_, 4, 1, 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("btnOkay");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
    layout->addWidget(buttons, 5, 0, 1, 3);
    layout->setRowStretch(6, 1);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!onOkay || onOkay(settings())) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    placeCentred(this, 420, 180);
}

GuardSettings FrmStopwatchSettings::settings() const {
    return {spnAwayMinutes_->value(), spnReminderHours_->value(), cboBookTo_->currentIndex() == 1};
}

// Only a showing from hidden refills: restoring from minimised keeps what was typed.
void FrmStopwatchSettings::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) fill();
}

void FrmStopwatchSettings::fill() {
    const GuardSettings current = currentSettings ? currentSettings() : GuardSettings{};
    spnAwayMinutes_->setValue(current.awayMinutes);
    spnReminderHours_->setValue(current.reminderHours);
    cboBookTo_->setCurrentIndex(current.rowPerDay ? 1 : 0);
    lblIdleSource_->setText(idleSourceText(idleKind ? idleKind() : IdleKind::None));
    spnAwayMinutes_->setFocus();
    spnAwayMinutes_->selectAll();
}

}  // namespace quillet
