#pragma once

#include <QFont>

class QFontDialog;
class QWidget;

namespace quillet {

class CommandRunner;
class FindDialog;
class FrmAbout;
class FrmCal;
class FrmColumnNames;
class FrmRestoreBackup;
class FrmSummary;
class FrmWorkLog;
class MainController;
class RecoveryDriver;

// The main window's small windows, in one place: each is made the first time it is asked for
// (the find window at once: typing may go there before it shows), then lives for the whole
// run, and closing one only hides it. Their buttons run commands through the runner.
class SmallWindows {
  public:
    // The windows are children of `window`, so they go with it; `cells` is the task table,
    // whose font follows the window's.
    SmallWindows(MainController& controller, CommandRunner& runner, QWidget* window,
                 QWidget* cells);

    FindDialog* findDialog() const { return findDialog_; }
    FrmSummary* summary() const { return frmSummary_; }
    FrmWorkLog* workLog() const { return frmWorkLog_; }
    // Where Restore Backup finds the kept versions; without it (tests) none are listed.
    void setRecovery(RecoveryDriver* recovery) { recovery_ = recovery; }

    void showFind();
    // The search text is what the find window holds, typed there since the last search or not.
    void findAgain();
    void showColumnNames();
    void showRestoreBackup();
    void showCalendar();
    void showSummary();
    void showWorkLog();
    void showAbout();
    // The window and the cells take the font chosen, starting from the last one chosen in
    // this run; the heading row keeps its own. Nothing is saved: the next start shows the
    // design fonts.
    void changeFont();
    // After each command: the project's title may have changed.
    void refresh();
    // The clock's second, for what shows a running session.
    void tick();

  private:
    void createSimpleWindows();
    // The range the summary offers when From or To is ticked: this month.
    void offerDefaultRange();

    MainController& controller_;
    CommandRunner& runner_;
    QWidget* window_;
    QWidget* cells_;
    RecoveryDriver* recovery_ = nullptr;
    FindDialog* findDialog_ = nullptr;
    FrmAbout* frmAbout_ = nullptr;
    FrmColumnNames* frmColumnNames_ = nullptr;
    FrmCal* frmCal_ = nullptr;
    FrmRestoreBackup* frmRestoreBackup_ = nullptr;
    FrmSummary* frmSummary_ = nullptr;
    FrmWorkLog* frmWorkLog_ = nullptr;
    int summaryGeneration_ = 0;  // the project the summary's range was set for
    QFontDialog* fontDialog1_ = nullptr;
    QFont fontDialogFont_;  // the last font chosen in this run
};

}  // namespace quillet
