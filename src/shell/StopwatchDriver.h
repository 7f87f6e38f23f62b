#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "app/MainController.h"
#include "app/TimerRemote.h"
#include "tools/StopwatchGuard.h"
#include "tools/TimerProtocol.h"

class QMessageBox;
class QTimer;
class QWidget;

namespace quillet {

class CommandRunner;
class MainMenu;
class FrmStopwatchSettings;
class OnTray;
class TimerServer;

// The watch over the stopwatch in the window: polls the guard while the stopwatch runs,
// asks about time away, shows reminders and the tray's hint, keeps the settings window and
// answers stopwatch commands from other processes.
class StopwatchDriver : public QObject {
    Q_OBJECT

  public:
    // `window` parents the settings window and the question's box; commands run through
    // `runner`.
    StopwatchDriver(MainController& controller, CommandRunner& runner, QWidget* window);
    ~StopwatchDriver() override;

    StopwatchGuard& guard();
    QTimer* pollTimer() const { return pollTimer_; }
    void setIdleSource(std::unique_ptr<IdleSource> source);
    void setSettingsStore(SettingsStore& store);
    FrmStopwatchSettings* settingsWindow() const { return settingsWindow_; }
    void showSettingsWindow();
    // The tray icon for the hint and the reminders; none while there is no icon.
    void setTray(OnTray* tray) { tray_ = tray; }

    // The tray's recent tasks run Time This Task on their rows.
    void setMenu(MainMenu& menu);

    bool listen(const QString& path);
    TimerReply run(TimerCommand command);
    TimerReply run(const TimerRequest& request);
    // True while the grid's in-place editor is open.
    std::function<bool()> cellEditorOpen;

    // Starts or stops the polling and updates the tray's hint as the stopwatch runs or stops.
    void follow();
    // No more polling nor commands from outside: the window closes.
    void stop();

  public slots:
    void poll();

  private:
    bool runCommand(const std::function<void()>& command);
    void bringForward();
    void askAboutTimeAway();
    QMessageBox* questionBox() const;
    void showReminder(const Message& text);
    void showRecentTasks();

    MainController& controller_;
    CommandRunner& runner_;
    QWidget* window_;
    TimerRemote remote_;
    OnTray* tray_ = nullptr;
    std::unique_ptr<IdleSource> idleSource_;
    std::unique_ptr<StopwatchGuard> guard_;
    SettingsStore* settings_ = nullptr;
    QTimer* pollTimer_ = nullptr;
    FrmStopwatchSettings* settingsWindow_ = nullptr;
    std::unique_ptr<TimerServer> server_;
    bool questionOpen_ = false;
    QList<QPointer<QMessageBox>> boxesBefore_;  // the window's boxes when the question came
    QString trayHintShown_;
    MainMenu* menu_ = nullptr;
    std::vector<int> recentRows_;  // the rows the tray's recent tasks stand for
};

}  // namespace quillet
