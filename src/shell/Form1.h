#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/MainController.h"
#include "recovery/Recovery.h"
#include "tools/StopwatchGuard.h"
#include "tools/TimerProtocol.h"

class QAction;
class QLabel;
class QTabBar;
class QTableView;
class QTimer;

class QFileSystemWatcher;

namespace quillet {

class CommandRunner;
class FindDialog;
class FrmStopwatchSettings;
class FrmSummary;
class GridModel;
class GridView;
class MainMenu;
class OnTray;
class RecoveryDriver;
class SmallWindows;
class StatusPanels;
class StopwatchDriver;

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
    FrmSummary* summaryWindow() const;
    FindDialog* findDialog() const;
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
    StopwatchGuard& guard();
    QTimer* guardTimer() const;
    // The idle time's source; without this call one is made from the desktop on first use.
    void setIdleSource(std::unique_ptr<IdleSource> source);
    // The store of the [Stopwatch] section; without it the settings last for this run only.
    void setStopwatchSettings(SettingsStore& store);
    FrmStopwatchSettings* stopwatchSettingsWindow() const;

    // Answers stopwatch commands from other processes at path; false when another copy
    // already does, or the socket cannot be made.
    bool listenForTimerCommands(const QString& path);
    // One command from another process, through the Timer menu's commands. A refusal comes
    // back in the reply instead of a message box.
    TimerReply runTimerCommand(TimerCommand command);

  public slots:
    void updateStopWatchDisplay();
    void pollGuard();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildWidgets();
    void buildStatusBar();
    void wireCommands();
    void startUp();
    void configureTray();
    void refresh();
    void updateActions();
    void closeWindow();
    void showWindow();
    void hideWindow();
    void print();
    void changeFont();
    void showStopwatchSettings();

    MainController& controller_;
    std::unique_ptr<MainMenu> menu_;
    CommandRunner* runner_ = nullptr;
    std::unique_ptr<OnTray> trayIcon_;
    std::unique_ptr<RecoveryDriver> recovery_;
    // Watches the project's file, so a change by another program is noticed at once.
    QFileSystemWatcher* fileWatcher_ = nullptr;
    void watchProjectFile();
    GridView* grid_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QLabel* lblTotal_ = nullptr;
    QWidget* totalPanel_ = nullptr;
    bool placedAfterShow_ = false;
    void fitTotalPanel();
    std::unique_ptr<StatusPanels> statusPanels_;
    QTimer* timer1_ = nullptr;
    std::unique_ptr<SmallWindows> windows_;

    std::unique_ptr<StopwatchDriver> stopwatch_;
};

}  // namespace quillet
