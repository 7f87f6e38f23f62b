#include "shell/StopwatchDriver.h"

#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "app/Settings.h"
#include "shell/CoreMessages.h"
#include "shell/IdleSources.h"
#include "shell/OnTray.h"
#include "shell/QtPorts.h"
#include "shell/TimerServer.h"
#include "shell/windows/FrmStopwatchSettings.h"
#include "shell/windows/SecondaryWindow.h"

namespace quillet {

StopwatchDriver::StopwatchDriver(MainController& controller, Window window)
    : controller_(controller), window_(std::move(window)) {
    pollTimer_ = new QTimer(this);
    pollTimer_->setObjectName("tmrStopwatchGuard");
    pollTimer_->setInterval(StopwatchGuard::kPollMs);
    connect(pollTimer_, &QTimer::timeout, this, &StopwatchDriver::poll);
}

StopwatchDriver::~StopwatchDriver() = default;

void StopwatchDriver::stop() {
    pollTimer_->stop();
    server_.reset();
}

StopwatchGuard& StopwatchDriver::guard() {
    if (!guard_) {
        if (!idleSource_) idleSource_ = makeIdleSource();
        guard_ = std::make_unique<StopwatchGuard>(controller_.stopWatch(), controller_.clock(),
                                                  *idleSource_);
        if (settings_) guard_->setSettings(readGuardSettings(*settings_));
    }
    return *guard_;
}

void StopwatchDriver::setIdleSource(std::unique_ptr<IdleSource> source) {
    idleSource_ = std::move(source);
    if (guard_) guard_->setIdleSource(*idleSource_);
}

void StopwatchDriver::setSettingsStore(SettingsStore& store) {
    settings_ = &store;
    if (guard_) guard_->setSettings(readGuardSettings(store));
}

void StopwatchDriver::follow() {
    const HRStopWatch& watch = controller_.stopWatch();
    if (watch.running() && !pollTimer_->isActive()) {
        pollTimer_->start();
    } else if (!watch.running() && pollTimer_->isActive()) {
        pollTimer_->stop();
        // The click on Stop may be what ended an absence: ask about it now.
        if (guard_ && guard_->awayNoted()) QTimer::singleShot(0, this, &StopwatchDriver::poll);
    }
    OnTray* tray = window_.tray();
    if (!tray) return;
    const QString title = window_.widget->windowTitle();
    if (!watch.running()) {
        trayMinutesShown_ = -1;
        tray->setHint(title);
        return;
    }
    const double elapsed = watch.elapsedTime();
    const auto minutes = static_cast<long>(elapsed * 1440.0);
    if (minutes == trayMinutesShown_) return;
    trayMinutesShown_ = minutes;
    tray->setHint(title + QString::fromUtf8(" \u2014 ") +
                  QString::fromStdString(elapsedClockText(elapsed)));
}

void StopwatchDriver::poll() {
    StopwatchGuard& watch = guard();
    const GuardPoll result = watch.poll();
    if (!result.reminder.empty()) showReminder(result.reminder);
    if (result.extended && questionOpen_) {
        // The open box follows: it is the one showing the question as it was asked.
        const QString before = CoreMessages::translate(questionShown_);
        questionShown_ = watch.questionText();
        for (QMessageBox* box : window_.widget->findChildren<QMessageBox*>()) {
            if (box->text() == before) box->setText(CoreMessages::translate(questionShown_));
        }
    }
    // Another command's window may be open: the question waits for the next poll.
    if (watch.pending() && !questionOpen_ && !window_.busy()) askAboutTimeAway();
}

void StopwatchDriver::askAboutTimeAway() {
    questionOpen_ = true;
    window_.bringForward();
    questionShown_ = guard_->questionText();
    runCommand([this] { controller_.askAboutTimeAway(*guard_); });
    questionOpen_ = false;
}

void StopwatchDriver::showReminder(const Message& text) {
    OnTray* icon = window_.tray();
    QSystemTrayIcon* tray = icon ? icon->systemTrayIcon() : nullptr;
    if (tray && tray->isVisible() && QSystemTrayIcon::supportsMessages()) {
        tray->showMessage(window_.widget->windowTitle(), CoreMessages::translate(text),
                          QSystemTrayIcon::Information);
        return;
    }
    controller_.setStatusMessage(text);
    window_.showStatus(text);
}

void StopwatchDriver::showSettingsWindow() {
    if (!settingsWindow_) {
        settingsWindow_ = new FrmStopwatchSettings(window_.widget);
        settingsWindow_->currentSettings = [this] { return guard().settings(); };
        settingsWindow_->idleKind = [this] { return guard().idleKind(); };
        settingsWindow_->onOkay = [this](const GuardSettings& settings) {
            return runCommand([&] {
                guard().setSettings(settings);
                if (settings_) storeGuardSettings(guard().settings(), *settings_);
            });
        };
    }
    showOrRaise(settingsWindow_);
}

bool StopwatchDriver::listen(const QString& path) {
    server_ = std::make_unique<TimerServer>([this](TimerCommand command) { return run(command); });
    if (server_->listen(path)) return true;
    server_.reset();
    return false;
}

TimerReply StopwatchDriver::run(TimerCommand command) {
    if (window_.busy())
        return {false, "Quillet1 is busy: finish what is open in its window first."};
    std::string error;
    const auto run = [&](const std::function<void()>& step) { window_.runGuarded(step, &error); };
    switch (command) {
        case TimerCommand::Start:
            run([this] { controller_.startTimer(); });
            break;
        case TimerCommand::Stop:
            run([this] { controller_.stopTimer(); });
            break;
        case TimerCommand::Toggle:
            if (controller_.stopWatch().running())
                run([this] { controller_.stopTimer(); });
            else
                run([this] { controller_.startTimer(); });
            break;
        case TimerCommand::Reset:
            run([this] { controller_.resetTimer(); });
            break;
        case TimerCommand::Book:
            run([&] { error = controller_.bookTimer().english(); });
            break;
        case TimerCommand::Status:
            break;
    }
    if (!error.empty()) return {false, error};
    const HRStopWatch& watch = controller_.stopWatch();
    return {true, timerStateText(watch.running(), watch.elapsedTime())};
}

}  // namespace quillet
