#include "shell/StopwatchDriver.h"

#include <QAction>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "app/Settings.h"
#include "app/TimerRemote.h"
#include "ports/ProductInfo.h"
#include "shell/CommandRunner.h"
#include "shell/CoreMessages.h"
#include "shell/IdleSources.h"
#include "shell/MainMenu.h"
#include "shell/OnTray.h"
#include "shell/QtPorts.h"
#include "shell/TimerServer.h"
#include "shell/windows/FrmStopwatchSettings.h"
#include "shell/windows/SecondaryWindow.h"

namespace quillet {

StopwatchDriver::StopwatchDriver(MainController& controller, CommandRunner& runner, QWidget* window)
    : controller_(controller), runner_(runner), window_(window), remote_(controller) {
    pollTimer_ = new QTimer(this);
    pollTimer_->setObjectName("tmrStopwatchGuard");
    pollTimer_->setInterval(StopwatchGuard::kPollMs);
    connect(pollTimer_, &QTimer::timeout, this, &StopwatchDriver::poll);
}

StopwatchDriver::~StopwatchDriver() {
    controller_.timer().attachGuard(nullptr);  // the guard goes with this window
}

bool StopwatchDriver::runCommand(const std::function<void()>& command) {
    return runner_.run(command);
}

void StopwatchDriver::bringForward() {
    if (tray_) tray_->setApplicationVisible(true);
    window_->raise();
    window_->activateWindow();
}

void StopwatchDriver::stop() {
    pollTimer_->stop();
    server_.reset();
}

StopwatchGuard& StopwatchDriver::guard() {
    if (!guard_) {
        if (!idleSource_) idleSource_ = makeIdleSource();
        guard_ = std::make_unique<StopwatchGuard>(controller_.timer().stopWatch(),
                                                  controller_.clock(), *idleSource_);
        controller_.timer().attachGuard(guard_.get());
    }
    return *guard_;
}

void StopwatchDriver::setIdleSource(std::unique_ptr<IdleSource> source) {
    idleSource_ = std::move(source);
    if (guard_) guard_->setIdleSource(*idleSource_);
}

void StopwatchDriver::setSettingsStore(SettingsStore& store) {
    settings_ = &store;
    controller_.timer().applySettings(readGuardSettings(store));
}

void StopwatchDriver::setMenu(MainMenu& menu) {
    menu_ = &menu;
    for (std::size_t k = 0; k < menu.mnuRTimeTask.size(); ++k) {
        connect(menu.mnuRTimeTask[k], &QAction::triggered, this, [this, k] {
            if (k < recentRows_.size())
                runCommand([&c = controller_, row = recentRows_[k]] { c.timer().timeTask(row); });
        });
    }
}

void StopwatchDriver::showRecentTasks() {
    if (!menu_) return;
    recentRows_ = controller_.timer().recentTaskRows();
    for (std::size_t k = 0; k < menu_->mnuRTimeTask.size(); ++k) {
        QAction* item = menu_->mnuRTimeTask[k];
        const bool shown = k < recentRows_.size();
        const QString caption =
            shown ? CoreMessages::translate(recentTaskCaption(controller_.grid(), recentRows_[k]))
                        .replace('&', QStringLiteral("&&"))
                  : QString();
        if (item->text() != caption) item->setText(caption);
        if (item->isVisible() != shown) item->setVisible(shown);
    }
}

void StopwatchDriver::follow() {
    const HRStopWatch& watch = controller_.timer().stopWatch();
    if (watch.running() && !pollTimer_->isActive()) {
        pollTimer_->start();
    } else if (!watch.running() && pollTimer_->isActive()) {
        pollTimer_->stop();
        // The click on Stop may be what ended an absence: ask about it now.
        if (guard_ && guard_->awayNoted()) QTimer::singleShot(0, this, &StopwatchDriver::poll);
    }
    showRecentTasks();
    if (!tray_) return;
    // It changes once a minute: the tray is told only then.
    const QString hint = CoreMessages::translate(controller_.timer().trayHint());
    if (hint == trayHintShown_) return;
    trayHintShown_ = hint;
    tray_->setHint(hint);
}

void StopwatchDriver::poll() {
    StopwatchGuard& watch = guard();
    const GuardPoll result = watch.poll();
    if (!result.reminder.empty()) showReminder(result.reminder);
    if (result.extended && questionOpen_) {
        if (QMessageBox* box = questionBox())
            box->setText(CoreMessages::translate(watch.questionText()));
    }
    // Another command's window may be open: the question waits for the next poll.
    if (watch.pending() && !questionOpen_ && !runner_.busy()) askAboutTimeAway();
}

void StopwatchDriver::askAboutTimeAway() {
    questionOpen_ = true;
    bringForward();
    boxesBefore_.clear();
    for (QMessageBox* box : window_->findChildren<QMessageBox*>()) boxesBefore_.append(box);
    runCommand([this] { controller_.timer().askAboutTimeAway(*guard_); });
    questionOpen_ = false;
}

// The open question's box is the one the window did not have before it was asked.
QMessageBox* StopwatchDriver::questionBox() const {
    for (QMessageBox* box : window_->findChildren<QMessageBox*>())
        if (!boxesBefore_.contains(box)) return box;
    return nullptr;
}

void StopwatchDriver::showReminder(const Message& text) {
    QSystemTrayIcon* tray = tray_ ? tray_->systemTrayIcon() : nullptr;
    if (tray && tray->isVisible() && QSystemTrayIcon::supportsMessages()) {
        tray->showMessage(QString::fromUtf8(kProductName), CoreMessages::translate(text),
                          QSystemTrayIcon::Information);
        return;
    }
    controller_.setStatusMessage(text);
    // While a command runs (the time-away question, a long load) its own refresh shows it.
    if (!runner_.busy() && runner_.refresh) runner_.refresh();
}

void StopwatchDriver::showSettingsWindow() {
    if (!settingsWindow_) {
        settingsWindow_ = new FrmStopwatchSettings(window_);
        settingsWindow_->currentSettings = [this] {
            guard();
            return controller_.timer().settings();
        };
        settingsWindow_->idleKind = [this] { return guard().idleKind(); };
        settingsWindow_->onOkay = [this](const GuardSettings& settings) {
            return runCommand([&] {
                guard();
                controller_.timer().applySettings(settings);
                if (settings_) storeGuardSettings(controller_.timer().settings(), *settings_);
            });
        };
    }
    showOrRaise(settingsWindow_);
}

bool StopwatchDriver::listen(const QString& path) {
    server_ =
        std::make_unique<TimerServer>([this](const TimerRequest& request) { return run(request); });
    if (server_->listen(path)) return true;
    server_.reset();
    return false;
}

TimerReply StopwatchDriver::run(TimerCommand command) {
    return run(TimerRequest{command, 1, {}});
}

TimerReply StopwatchDriver::run(const TimerRequest& request) {
    if (auto refused = TimerRemote::refusal(request.command, runner_.busy(),
                                            cellEditorOpen && cellEditorOpen())) {
        return *refused;
    }
    // Status only reads: it needs no turn of its own, and answers while a box is open.
    if (request.command == TimerCommand::Status) return remote_.run(request);
    TimerReply reply = TimerRemote::busyReply();
    runner_.run([&] { reply = remote_.run(request); });
    return reply;
}

}  // namespace quillet
