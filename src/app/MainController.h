#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/History.h"
#include "app/Project.h"
#include "grid/CellGrid.h"
#include "ports/DateTime.h"
#include "ports/Locale.h"
#include "ports/Ports.h"
#include "tasks/Columns.h"
#include "tasks/FindHighlight.h"
#include "tasks/Summary.h"
#include "tasks/TaskTiming.h"
#include "tools/HRStopWatch.h"
#include "tools/StopwatchGuard.h"

namespace quillet {

// The ports a main window works through.
struct ControllerPorts {
    Prompts& prompts;
    Clipboard& clipboard;
    Clock& clock;
    SettingsStore& settings;
    UrlOpener& urls;
    Locale locale;
};

// The stopwatch as a recovery copy keeps it: its banked days, when it last started (while
// running), and the row of its task (0: none).
struct TimedState {
    bool running = false;
    double banked = 0;
    double startedAt = 0;
    int row = 0;
    bool operator==(const TimedState&) const = default;
};

// Everything the main window decides, without widgets: it owns the task grid and
// the window's shared state and runs every command. The Qt window shows this state.
class MainController {
  public:
    // historyBytes bounds what undo keeps; tests pass a small bound to reach it.
    explicit MainController(ControllerPorts ports, std::size_t historyBytes = History::kMaxBytes);
    ~MainController();
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    CellGrid& grid() { return grid_; }
    const CellGrid& grid() const { return grid_; }
    Project& project() { return project_; }
    const Project& project() const { return project_; }
    const Locale& locale() const { return ports_.locale; }
    Clock& clock() { return ports_.clock; }

    const Message& statusMessage() const { return statusMessage_; }
    void setStatusMessage(Message text) { statusMessage_ = std::move(text); }
    const Message& timerText() const { return timerText_; }
    const Message& noticeText() const { return noticeText_; }
    const std::string& totalCaption() const { return totalCaption_; }
    // The selected cell is the grid's current cell.
    int selectedCol() const { return grid_.currentCol(); }
    int selectedRow() const { return grid_.currentRow(); }

    // Today's date in the user's short date format.
    std::string todayText();
    // The date part of the local clock.
    CivilDate todayDate();

    void startUp();
    // Runs the closing sequence; false when the user cancelled it.
    bool confirmClose();
    void switchTab(const std::string& tabText);

    // The File commands. Each one that writes or replaces the project recalculates the total.
    void newProject();
    void openProject();
    void saveProject();
    void saveProjectAs();
    void openRecentFile(int slot);  // slot 1 to 5
    void clearRecentFiles();
    void importOldFile();
    // Writes the table as a workbook, an OpenDocument spreadsheet or CSV; the project
    // itself (title, file, saved flag, reopen list) stays as it was.
    void exportProject();
    // The file the program was started with; a failure keeps the start-up project.
    void openAtStartUp(const std::string& path);
    // The read of the file openAtStartUp will open, begun while Qt started.
    void useReadAhead(std::unique_ptr<ReadAhead> ahead);
    // A copy of unsaved work becomes the project it was kept for: its title and file name,
    // unsaved. A copy that fails to load leaves the open project as it was.
    void openRecoveredProject(const std::string& copyPath, std::string title, std::string fileName);
    // A kept version of the project's file becomes the project, unsaved, under that file's
    // name. One that fails to load leaves the open project as it was.
    void openBackup(const std::string& backupPath);

    void calculateTotal();
    // The watcher saw the project's file change on disk.
    void reloadIfChangedOnDisk();

    void addTask();
    void deleteTask();
    void copySelection();
    void copyAll();
    void paste();
    // The user moved the current cell, or dragged out a range from an anchor cell.
    void selectCell(int col, int row);
    void selectRange(int anchorCol, int anchorRow, int col, int row);
    // The summary window points at a task: its row becomes the current one, on the column
    // the user was in. A row the table no longer has is left alone.
    void selectTaskRow(int row);
    // The summary's table on the clipboard, as a spreadsheet pastes it.
    void copySummary(const Summary& summary);
    // The summary's table as a workbook, an OpenDocument spreadsheet or CSV, like Export.
    void exportSummary(const Summary& summary);
    // The user dragged a column's edge.
    void setColumnWidth(int col, int width);
    // The in-place editor's text for a cell: stored, then a date in a date column is
    // written as mm/dd/yyyy.
    void editCell(int col, int row, const std::string& text);

    const FindHighlight& findState() const { return find_; }
    // The find window's find-next button; returns true when the window should close.
    bool find(const std::string& searchText);
    // Searches again for the text the find window holds now.
    void findAgain(const std::string& searchText);
    void resetHighlightedCells();

    int sortColumn() const { return sortColumn_; }
    void sortByTask();
    void sortByTaskDate();
    void addTotalRow();
    // Cut copies the selection as Copy does, then empties it; the Delete key only empties
    // it. Neither touches the heading row.
    void cut();
    void emptySelection();

    // Each command that changes what a saved file would hold is one step of the history.
    const History& history() const { return history_; }
    void undo();
    void redo();

    HRStopWatch& stopWatch() { return stopWatch_; }
    // Started from zero on a task row, the stopwatch times that task: bookings go to it
    // wherever the selection is, and it follows its row through sorts, deletions of other rows,
    // undo and redo. A reset or the loss of its row ends the binding; a booking keeps it.
    void startTimer();
    // For clients of the first remote protocol: a start from zero times no task, as it did.
    void startTimerForNoTask();
    void stopTimer();
    void resetTimer();
    // Books the stopwatch's time to the selected task's Hours and restarts it from zero.
    void addTimerToHours();
    // The same, with a refusal's message returned instead of shown (empty when booked): for
    // a command from another process, where no one may be at the window to close a box.
    Message bookTimer();
    // The timer's tick.
    void updateStopWatchDisplay();

    // The row of the timed task, or -1.
    int boundRow() const;
    // "Timing task 2: Write report"; empty while no task is timed.
    Message timingText() const;
    // "Today 2.75 h · Week 14.5 h": the task rows dated today and this week, and what the
    // stopwatch holds, in whole minutes so that it changes once a minute.
    Message dayWeekText();
    // The same while the stopwatch is in use (running, holding time or timing a task); empty
    // otherwise, so an unused stopwatch leaves the status bar as it was.
    Message dayWeekStatus();
    // "task 2: Write report" for the remote status; empty while no task is timed.
    std::string timedTaskReply() const;
    // Time This Task: books what the stopwatch holds to its task (unbound, asks where it
    // goes), then times the selected task from zero.
    void timeThisTask();
    // The same for a given row (the tray's recent tasks).
    void timeTask(int row);
    // The same for the task whose Task # is `number`, for another process: nothing is asked,
    // a refusal is returned (empty when started).
    Message timeTaskNumbered(const std::string& number);
    // The last five timed tasks still in the table, the latest first.
    std::vector<int> recentTaskRows() const;
    BookTo bookTo() const { return bookTo_; }
    void setBookTo(BookTo to) { bookTo_ = to; }
    // What the last booking said ("Added 0.2 h to task 2").
    const Message& lastBooking() const { return lastBooking_; }
    TimedState timedState() const;
    // Puts back the stopwatch a recovery copy kept; a row the table lacks times no task.
    void restoreTimedState(const TimedState& state);
    // Asks the guard's pending question about time away and applies the answer; Cancel keeps
    // the time. The guard must watch this controller's stopwatch.
    void askAboutTimeAway(StopwatchGuard& guard);

    // The window "Change Column Names" edits the headings of the first six columns;
    // "End Date" is not among them.
    static constexpr int kNamedColumns = 6;
    using ColumnNames = std::array<std::string, kNamedColumns>;
    // The headings its boxes start from each time it opens.
    ColumnNames columnNames() const;
    // Its OK: each box's text, exactly as typed, becomes its column's heading.
    void renameColumns(const ColumnNames& names);

    // The executable's full path, given by the shell: Help looks for the manual beside it.
    void setExecutablePath(std::string path) { executablePath_ = std::move(path); }
    // The interface's languages, most wanted first ("de-DE", "de"): Help opens the manual of
    // the first one that has one. None means English.
    void setHelpLanguages(std::vector<std::string> languages) {
        helpLanguages_ = std::move(languages);
    }
    void showHelp();
    void openHomePage();
    // Shows a folder in the desktop's file manager.
    void showFolder(const std::string& folder);
    // The about box's web and e-mail addresses.
    void openMakerWebSite();
    void writeEmail();

    // The general error handler's report of an error raised below a command.
    void showError(const Message& message) { ports_.prompts.showMessage(message); }

  private:
    template <typename Command>
    void runProjectCommand(Command command);
    // Runs a change as one named step of the history; a change that fails half-way is
    // still a step, since what it did stays.
    template <typename Change>
    void inStep(Message name, Change change);
    void finishStep(Message name);
    void emptySelectedCells();
    void showFileNote(Message note);
    Message bookRow(int row);
    Message switchTo(int row, bool mayAsk);
    void bind(int row);
    void unbind();
    // The closing question about time not booked; false when the user cancelled.
    bool askAboutUnbookedTime();
    // The timed row went with a deletion or a load: the time stays, for no task.
    void bindingLost();

    struct BindingWatch : CellGridListener {
        MainController* owner = nullptr;
        void gridChanged(const GridChange& change) override;
    };

    ControllerPorts ports_;
    CellGrid grid_{DefaultColumnCount, 5, 1};
    History history_;
    Project project_;
    HRStopWatch stopWatch_;
    DayWeekHours dayWeek_{grid_, ports_.locale};
    BindingWatch bindingWatch_;
    int boundMark_ = -1;
    bool bound_ = false;
    std::string boundName_;  // for the note when its row goes
    std::vector<int> recentMarks_;
    BookTo bookTo_ = BookTo::TaskRow;
    Message lastBooking_;
    FindHighlight find_;
    int sortColumn_ = TaskNo;
    Message statusMessage_;
    Message fileNote_;  // the last note about the project's file shown in the status
    unsigned fileNotes_ = 0;
    Message timerText_;
    Message noticeText_;
    std::string totalCaption_ = " ";
    std::string executablePath_;
    std::vector<std::string> helpLanguages_;
};

}  // namespace quillet
