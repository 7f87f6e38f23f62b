#pragma once

#include <array>
#include <functional>
#include <string>

#include "grid/CellGrid.h"
#include "ports/Ports.h"

namespace quillet {

inline constexpr const char* kUntitledProject = "Untitled Project";
inline constexpr const char* kSaveQuestion = "Do you want to save the current project?";
inline constexpr const char* kUseSaveAs =
    "Please use Save Project As option for the first-time save of this file.";

struct ReopenItem {
    std::string caption;
    bool visible = false;
};

// The open project: its title, file name, saved flag and the reopen list, with
// the File commands that replace or store it.
class Project {
  public:
    struct Hooks {
        std::function<std::string()> todayText;
        std::function<void()> calculateTotal;
    };

    Project(CellGrid& grid, Prompts& prompts, SettingsStore& settings, Hooks hooks);

    const std::string& title() const { return title_; }
    const std::string& fileName() const { return fileName_; }
    const std::string& savedFlag() const { return savedFlag_; }
    bool isSaved() const { return savedFlag_ == "y"; }
    bool isUntitled() const;
    const std::array<ReopenItem, 5>& reopenItems() const { return reopen_; }

    void setTitle(std::string title) { title_ = std::move(title); }
    // An edit or Paste makes the project unsaved.
    void markChanged() { savedFlag_.clear(); }

    // Shows each stored reopen path whose file still exists.
    void loadReopenList();

    // Asks to save an unsaved project. Returns false when the user cancelled the
    // save dialog that Yes opened for an untitled project: the caller must stop.
    bool saveQuestion();

    void mnuNew1Click();
    void mnuOpen1Click();
    void mnuSave1Click();
    // Returns false when the dialog was cancelled.
    bool mnuSaveProjectAs1Click();
    void mnuReopenClick(int slot);  // slot 1 to 5
    void reopen_logic();
    void mnuClearReopenList1Click();

    // Replaces the grid by the file's project (no question, no dialog).
    void loadProject(const std::string& path);
    // Empties the grid as a new project starts it: nothing of the old project remains.
    void emptyGrid();

  private:
    void writeProject(const std::string& path);
    bool isEntry(const std::string& stored) const;

    CellGrid& grid_;
    Prompts& prompts_;
    SettingsStore& settings_;
    Hooks hooks_;
    std::string title_ = kUntitledProject;
    std::string fileName_;
    std::string savedFlag_;
    std::array<ReopenItem, 5> reopen_{};
};

}  // namespace quillet
