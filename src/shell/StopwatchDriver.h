#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "app/MainController.h"
#include "tools/StopwatchGuard.h"
#include "tools/TimerProtocol.h"

class QTimer;
class QWidget;

namespace quillet {

class FrmStopwatchSettings;
class OnTray;
class TimerServer;

// The watch over the stopwatch in the window: polls the guard while the stopwatch runs,
// asks about time away, shows reminders and the tray's hint, keeps the settings window and
// answers stopwatch commands from other processes.
class StopwatchDriver : public QObject {
    Q_OBJECT

  public:
    // What the driver needs of the main window.
    struct Window {
        QWidget* widget = nullptr;  // parent of the settings window and the question's box
        // The general error handler; with error given, a failure's message goes there.
        std::function<bool(const std::function<void()>&, std::string*)> runGuarded;
        std::function<bool()> busy;  // another command runs
        std::function<void()> bringForward;
        std::function<OnTray*()> tray;
        std::function<void(const Message&)> showStatus;
    };

    StopwatchDriver(MainController& controller, Window window);
    ~StopwatchDriver() override;

    StopwatchGuard& guard();
    QTimer* pollTimer() const { return pollTimer_; }
    void setIdleSource(std::unique_ptr<IdleSource> source);
    void setSettingsStore(SettingsStore& store);
    FrmStopwatchSettings* settingsWindow() const { return settingsWindow_; }
    void showSettingsWindow();

    bool listen(const QString& path);
    TimerReply run(TimerCommand command);

    // Starts or stops the polling and updates the tray's hint as the stopwatch runs or stops.
    void follow();
    // No more polling nor commands from outside: the window closes.
    void stop();

  public slots:
    void poll();

  private:
    bool runCommand(const std::function<void()>& command) {
        return window_.runGuarded(command, nullptr);
    }
    void askAboutTimeAway();
    void showReminder(const Message& text);

    MainController& controller_;
    Window window_;
    std::unique_ptr<IdleSource> idleSource_;
    std::unique_ptr<StopwatchGuard> guard_;
    SettingsStore* settings_ = nullptr;
    QTimer* pollTimer_ = nullptr;
    FrmStopwatchSettings* settingsWindow_ = nullptr;
    std::unique_ptr<TimerServer> server_;
    bool questionOpen_ = false;
    Message questionShown_;       // the open question's text, to follow an extension
    long trayMinutesShown_ = -1;  // the hint changes once a minute, not with every tick
};

}  // namespace quillet
