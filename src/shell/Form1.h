#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/MainController.h"
#include "recovery/Recovery.h"
#include "shell/SmallWindows.h"
#include "shell/StopwatchDriver.h"
#include "tools/StopwatchGuard.h"
#include "tools/TimerProtocol.h"

class QAction;
class QTabBar;
class QTableView;
class QTimer;

namespace quillet {

class CommandRunner;
class FindDialog;
class FrmStopwatchSettings;
class FrmSummary;
class FrmWorkLog;
class GridModel;
class GridView;
class MainMenu;
class OnTray;
class ProjectFileWatcher;
class RecoveryDriver;
class StatusPanels;
class TotalPanel;

// The main window: builds the widgets, binds each action to one command and shows
// the controller's state.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    // The controller outlives the window: the widgets read its grid until they go.
    explicit Form1(MainController& controller, QWidget* parent = nullptr);
    ~Form1() override;

    MainController& controller() { return controller_; }
    MainMenu& menu() { return *menu_; }
    // For tests and accessibility tools: an action by its object name.
    QAction* action(const QString& name) const;
    QTableView* gridView() const;
    OnTray* trayIcon() const { return trayIcon_.get(); }
    FrmSummary* summaryWindow() const { return windows_->summary(); }
    FrmWorkLog* workLogWindow() const { return windows_->workLog(); }
    FindDialog* findDialog() const { return windows_->findDialog(); }
    QTimer* timer1() const { return timer1_; }
    GridModel* gridModel() const;
    // Keeps recovery copies and backups in `dirs` from now on, after opening the copy the
    // user chose to recover at start-up. Without this call (tests) nothing is kept.
    void enableRecovery(const RecoveryDirs& dirs, Clock& clock,
                        const std::optional<RecoveryCopy>& recovered);
    RecoveryDriver* recoveryDriver() const { return recovery_.get(); }

    // The general error handler: runs a command, shows any error's message,
    // then brings the window up to date. Returns false when the command failed.
    bool runCommand(const std::function<void()>& command);

    // The watch over the running stopwatch: polled every StopwatchGuard::kPollMs while it runs.
    StopwatchGuard& guard() { return stopwatch_->guard(); }
    QTimer* guardTimer() const { return stopwatch_->pollTimer(); }
    // The idle time's source; without this call one is made from the desktop on first use.
    void setIdleSource(std::unique_ptr<IdleSource> source) {
        stopwatch_->setIdleSource(std::move(source));
    }
    // The store of the [Stopwatch] section; without it the settings last for this run only.
    void setStopwatchSettings(SettingsStore& store) { stopwatch_->setSettingsStore(store); }
    FrmStopwatchSettings* stopwatchSettingsWindow() const { return stopwatch_->settingsWindow(); }

    // Answers stopwatch commands from other processes at path; false when another copy
    // already does, or the socket cannot be made.
    bool listenForTimerCommands(const QString& path) { return stopwatch_->listen(path); }
    // One command from another process, through the Timer menu's commands. A refusal comes
    // back in the reply instead of a message box.
    TimerReply runTimerCommand(TimerCommand command) { return stopwatch_->run(command); }

  public slots:
    void updateStopWatchDisplay();
    void pollGuard() { stopwatch_->poll(); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildWidgets();
    void wireCommands();
    void startUp();
    void configureTray();
    void refresh();
    void showTiming();
    void closeWindow() { close(); }
    void showWindow();
    void hideWindow();
    void print();
    void printPreview();
    void showStopwatchSettings() { stopwatch_->showSettingsWindow(); }

    MainController& controller_;
    std::unique_ptr<MainMenu> menu_;
    CommandRunner* runner_ = nullptr;
    std::unique_ptr<OnTray> trayIcon_;
    std::unique_ptr<RecoveryDriver> recovery_;
    ProjectFileWatcher* fileWatcher_ = nullptr;
    GridView* grid_ = nullptr;
    QTabBar* tabs_ = nullptr;
    TotalPanel* totalPanel_ = nullptr;
    std::unique_ptr<StatusPanels> statusPanels_;
    QTimer* timer1_ = nullptr;
    std::unique_ptr<SmallWindows> windows_;

    std::unique_ptr<StopwatchDriver> stopwatch_;
};

}  // namespace quillet
