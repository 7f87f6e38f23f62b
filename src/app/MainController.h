#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/History.h"
#include "app/Project.h"
#include "app/TaskTimer.h"
#include "grid/CellGrid.h"
#include "ports/DateTime.h"
#include "ports/Locale.h"
#include "ports/Ports.h"
#include "tasks/Columns.h"
#include "tasks/FindHighlight.h"
#include "tasks/Summary.h"

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

// Everything the main window decides, without widgets: it owns the task grid and
// the window's shared state and runs every command. The Qt window shows this state.
class MainController : private StepRunner {
  public:
    // historyBytes bounds what undo keeps; tests pass a small bound to reach it.
    explicit MainController(ControllerPorts ports, std::size_t historyBytes = History::kMaxBytes);
    ~MainController() override;
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

    // The stopwatch, its task and the work log.
    TaskTimer& timer() { return timer_; }
    const TaskTimer& timer() const { return timer_; }

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
    void inStep(Message name, Change change, std::uint64_t tag = 0);
    void finishStep(Message name, std::uint64_t tag);
    void runStep(Message name, const std::function<void()>& change, std::uint64_t tag) override;
    void emptySelectedCells();
    void showFileNote(Message note);

    ControllerPorts ports_;
    CellGrid grid_{DefaultColumnCount, 5, 1};
    History history_;
    Project project_;
    TaskTimer timer_;
    FindHighlight find_;
    int sortColumn_ = TaskNo;
    Message statusMessage_;
    Message fileNote_;  // the last note about the project's file shown in the status
    unsigned fileNotes_ = 0;
    Message noticeText_;
    std::string totalCaption_ = " ";
    std::string executablePath_;
    std::vector<std::string> helpLanguages_;
};

}  // namespace quillet
