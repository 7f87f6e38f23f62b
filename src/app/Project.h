#pragma once

#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "app/History.h"
#include "app/ReadAhead.h"
#include "formats/FileStamp.h"
#include "formats/ReadOptions.h"
#include "grid/CellGrid.h"
#include "ports/Message.h"
#include "ports/Ports.h"

namespace quillet {

inline constexpr const char* kUntitledProject = QUILLET_TR("CoreMessages", "Untitled Project");
inline constexpr const char* kSaveQuestion =
    QUILLET_TR("CoreMessages", "Do you want to save the current project?");
inline constexpr const char* kUseSaveAs = QUILLET_TR(
    "CoreMessages", "Please use Save Project As option for the first-time save of this file.");

// Asked before Save writes over a file another program changed since it was read or saved.
Message changedElsewhereQuestion(const std::string& path);
// Asked before Save writes over a file that is not a project file.
Message foreignFileQuestion(const std::string& path);
// A title as the window shows it: the untitled one in the user's language, a file's name
// as it is.
Message shownTitle(const std::string& title);

// Hears the project's life on disk: recovery copies and backups follow it.
class ProjectObserver {
  public:
    virtual ~ProjectObserver() = default;
    // The user changed the table: it now differs from its file or from a fresh project.
    virtual void projectEdited() = 0;
    // The table now matches a file or a fresh project: Save, Save As, New, Open, Reopen.
    virtual void projectClean() = 0;
    // A save or an import's conversion is about to replace `path`, which may name an
    // existing file. Returns where the replaced version was kept, or empty text. Must not
    // throw.
    virtual std::string beforeWrite(const std::string& path) = 0;
    // The write that beforeWrite prepared (`kept` is what it returned) is over. Must not
    // throw.
    virtual void afterWrite(const std::string& path, const std::string& kept, bool succeeded) = 0;
    // Another program replaced `path`, and the table (unchanged since it was read or saved
    // there) is about to be replaced by what it holds now: the table is kept as a version
    // of `path`. Must not throw.
    virtual void beforeReload(const std::string& path) = 0;
};

struct ReopenItem {
    std::string caption;
    bool visible = false;
};

// The open project: its title, file name and the reopen list, with the File commands that
// replace or store it. Whether it is saved is read from the history's clean point, which
// these commands move: a save marks it, a replaced table starts a fresh history.
class Project : private CellGridListener {
  public:
    Project(CellGrid& grid, History& history, Prompts& prompts, SettingsStore& settings,
            std::function<std::string()> todayText);
    ~Project() override;
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    const std::string& title() const { return title_; }
    const std::string& fileName() const { return fileName_; }
    // "y" from a successful Save or Save As to the next change, else empty: what decides
    // whether closing asks to save.
    const std::string& savedFlag() const;
    bool isSaved() const { return history_.isSaved(); }
    bool isUntitled() const;
    // The table differs from its file or from a fresh project (recovered work does).
    bool hasUnsavedChanges() const { return !history_.isClean(); }
    // Undo or redo brought the table back to the state it was last clean in.
    void returnToClean();
    const std::array<ReopenItem, 5>& reopenItems() const { return reopen_; }

    void setTitle(std::string title) { title_ = std::move(title); }
    // Not owned; nullptr to stop.
    void setObserver(ProjectObserver* observer) { observer_ = observer; }
    // Told what a command did beyond its visible result (a file converted on import).
    std::function<void(const Message&)> onStatus;
    // How Open, Import, a restore and Save read and write the project's files, their
    // progress handler included.
    ReadOptions fileOptions;

    // Counts the times another project took the table's place (New, Open, Import, a kept
    // version, recovered work), so what belongs to one project, like the summary's range,
    // can end with it. A reload of the same file from disk is still the same project.
    int generation() const { return generation_; }

    // True once after a command wrote or replaced the project: the cost total is due.
    bool takeTotalDue() { return std::exchange(totalDue_, false); }

    // Shows each stored reopen path whose file still exists.
    void loadReopenList();

    // Asks to save an unsaved project. Returns false when the user cancelled the
    // question or the save dialog that Yes opened for an untitled project: the caller
    // must stop.
    bool saveQuestion();

    void newProject();
    void openProject();
    // False when nothing was written: an untitled project, or the user cancelled.
    bool saveProject();
    // Returns false when the dialog was cancelled.
    bool saveProjectAs();
    void openRecentFile(int slot);  // slot 1 to 5
    // File > Import: an old or delimited file becomes the project, under its own path.
    void importOldFile();
    void clearRecentFiles();
    // File dialogs start where the user works: the project's folder, else the folder last
    // chosen in this run, else (empty) the home folder.
    std::string dialogFolder() const;

    // A file named on the command line: opened as Open opens it, without a dialog; the save
    // question comes first only when the table holds changes (a recovered project).
    void openFile(const std::string& path);
    // The project's file changed on disk (a watcher noticed): an unchanged table is
    // reloaded from it; with unsaved changes nothing happens but the note, and Save will
    // ask. Returns the status text to show, or empty text when the file is as it was.
    Message fileChangedOnDisk();
    // Replaces the grid by the file's project (no question, no dialog).
    void loadProject(const std::string& path);
    // A read of a file begun before the project existed (see ReadAhead): the first read of
    // the project's grid from a file takes it or drops it.
    void adoptReadAhead(std::unique_ptr<ReadAhead> ahead);
    // Empties the grid as a new project starts it: nothing of the old project remains.
    void emptyGrid();
    // Replaces the grid by a recovery copy and takes over the title and file name it was
    // kept for; the result is unsaved work, as it was before the program ended.
    void loadRecovered(const std::string& copyPath, std::string title, std::string fileName);
    // A kept version of the project's file becomes the project, after the save question: unsaved
    // work under that file's title and name, so Save puts it back.
    void openBackup(const std::string& backupPath);

  private:
    // Changes made while it lives replace the project rather than edit it. One cut short
    // by an exception leaves a table no step before it fits, and no file holds.
    class Replacing {
      public:
        explicit Replacing(Project& project) : project_(project) { ++project_.replacing_; }
        ~Replacing() {
            --project_.replacing_;
            if (std::uncaught_exceptions() > exceptions_) project_.restartHistory(false);
        }
        Replacing(const Replacing&) = delete;
        Replacing& operator=(const Replacing&) = delete;

      private:
        Project& project_;
        int exceptions_ = std::uncaught_exceptions();
    };

    void gridChanged(const GridChange& change) override;
    std::optional<std::string> chooseOpenPath();
    std::optional<std::string> chooseSavePath();
    std::optional<std::string> remember(std::optional<std::string> path);
    std::optional<FileStamp> replaceGridFrom(const std::string& path);
    void replaceGridWith(CellGrid& fresh);
    void takeOver(const std::string& path, std::optional<FileStamp> stamp);
    // Another program changed the project's file since it was read or written here.
    bool changedElsewhere() const;
    void takeOverUnsaved(std::string title, std::string fileName);
    void writeProject(const std::string& path);
    void clean(bool saved);
    void restartHistory(bool clean) noexcept;
    bool isEntry(const std::string& stored) const;
    // The open project's file goes to the top of the reopen list, menu and store alike.
    void putFirstInRecentFiles();
    void loadAndList(const std::string& path);

    CellGrid& grid_;
    History& history_;
    Prompts& prompts_;
    SettingsStore& settings_;
    std::function<std::string()> todayText_;
    ProjectObserver* observer_ = nullptr;
    int replacing_ = 0;
    int generation_ = 0;
    bool totalDue_ = false;
    std::string title_ = kUntitledProject;
    std::string fileName_;
    std::string lastFolder_;
    std::string convertedFile_;       // an old-format file this run's import converted
    std::optional<FileStamp> stamp_;  // the file as last read or written here
    std::array<ReopenItem, 5> reopen_{};
    std::unique_ptr<ReadAhead> readAhead_;
};

}  // namespace quillet
