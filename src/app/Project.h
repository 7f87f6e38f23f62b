#pragma once

#include <array>
#include <string>

#include "grid/CellGrid.h"
#include "ports/Locale.h"
#include "ports/Ports.h"

namespace quillet {

inline constexpr const char* kUntitledProject = "Untitled Project";
inline constexpr const char* kSaveQuestion = "Do you want to save the current project?";

struct ReopenItem {
    std::string caption;
    bool visible = false;
};

// The open project: its title, file name, saved flag and the reopen list, with
// the File commands that replace or store it.
class Project {
  public:
    Project(CellGrid& grid, Prompts& prompts, SettingsStore& settings);

    const std::string& title() const { return title_; }
    const std::string& fileName() const { return fileName_; }
    const std::string& savedFlag() const { return savedFlag_; }
    bool isSaved() const { return savedFlag_ == "y"; }
    const std::array<ReopenItem, 5>& reopenItems() const { return reopen_; }

    void setTitle(std::string title) { title_ = std::move(title); }
    // An edit or Paste makes the project unsaved.
    void markChanged() { savedFlag_.clear(); }

    // Shows each stored reopen path whose file still exists.
    void loadReopenList();

  private:
    CellGrid& grid_;
    Prompts& prompts_;
    SettingsStore& settings_;
    std::string title_ = kUntitledProject;
    std::string fileName_;
    std::string savedFlag_;
    std::array<ReopenItem, 5> reopen_{};
};

}  // namespace quillet
