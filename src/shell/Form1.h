#pragma once

#include <QFont>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/MainController.h"
#include "recovery/Recovery.h"

class QAction;
class QFontDialog;
class QLabel;
class QProgressDialog;
class QTabBar;
class QTableView;
class QTimer;

class QFileSystemWatcher;

namespace quillet {

class FindDialog;
class FrmAbout;
class FrmCal;
class FrmColumnNames;
class FrmRestoreBackup;
class FrmSummary;
class GridModel;
class GridView;
class MainMenu;
class OnTray;
class RecoveryDriver;
class StatusPanels;

// The main window: builds the widgets, binds each action to one command and shows
// the controller's state.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form1(ControllerPorts ports, QWidget* parent = nullptr);
    ~Form1() override;

    MainController& controller() { return controller_; }
    MainMenu& menu() { return *menu_; }
    // For tests and accessibility tools: an action by its object name.
    QAction* action(const QString& name) const;
    QTableView* gridView() const;
    OnTray* trayIcon() const { return trayIcon_.get(); }
    FrmSummary* summaryWindow() const { return frmSummary_; }
    FindDialog* findDialog() const { return findDialog_; }
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

  public slots:
    void updateStopWatchDisplay();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildWidgets();
    void buildStatusBar();
    void wireCommands();
    void startUp();
    void configureTray();
    void refresh();
    void updateActions();
    void showProgress(int percent);
    void closeWindow();
    void showWindow();
    void hideWindow();
    void showFindWindow();
    void findAgain();
    void print();
    void createSecondaryWindows();
    void showColumnNamesWindow();
    void showRestoreBackupWindow();
    void changeFont();
    void showCalendar();
    void showSummary();
    void showAbout();

    MainController controller_;
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<OnTray> trayIcon_;
    std::unique_ptr<RecoveryDriver> recovery_;
    // Watches the project's file, so a change by another program is noticed at once.
    QFileSystemWatcher* fileWatcher_ = nullptr;
    void watchProjectFile();
    GridView* grid_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QLabel* lblTotal_ = nullptr;
    std::unique_ptr<StatusPanels> statusPanels_;
    QTimer* timer1_ = nullptr;
    FindDialog* findDialog_ = nullptr;
    FrmAbout* frmAbout_ = nullptr;
    FrmColumnNames* frmColumnNames_ = nullptr;
    FrmCal* frmCal_ = nullptr;
    FrmRestoreBackup* frmRestoreBackup_ = nullptr;
    FrmSummary* frmSummary_ = nullptr;
    QFontDialog* fontDialog1_ = nullptr;
    QFont fontDialogFont_;  // the last font chosen in this run
    QProgressDialog* progress_ = nullptr;
    bool busy_ = false;  // a command is running: no other may start (long loads pump events)
};

}  // namespace quillet
