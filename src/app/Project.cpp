#include "app/Project.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "app/OldFileImport.h"
#include "app/Settings.h"
#include "formats/ProjectFile.h"
#include "tasks/Columns.h"
#include "tasks/DefaultProject.h"

namespace quillet {

Project::Project(CellGrid& grid, Prompts& prompts, SettingsStore& settings,
                 std::function<std::string()> todayText)
    : grid_(grid), prompts_(prompts), settings_(settings), todayText_(std::move(todayText)) {
    grid_.addListener(this);
}

Project::~Project() {
    grid_.removeListener(this);
}

void Project::gridChanged(const GridChange& change) {
    if (!change.content || replacing_ != 0) return;
    savedFlag_.clear();
    if (observer_) observer_->projectEdited();
}

void Project::clean() {
    if (observer_) observer_->projectClean();
}

bool Project::isUntitled() const {
    // The tab strip's text is the title followed by a line break.
    return (title_ + "\r\n").find(kUntitledProject) != std::string::npos;
}

bool Project::isEntry(const std::string& stored) const {
    return stored != kNotAvailable && !stored.empty();
}

void Project::loadReopenList() {
    for (int k = 1; k <= kReopenSlots; ++k) {
        const std::string path = settings_.readSetting(reopenKey(k));
        std::error_code ec;
        if (path != kNotAvailable && !path.empty() && std::filesystem::exists(path, ec)) {
            reopen_[static_cast<size_t>(k - 1)] = {path, true};
        }
    }
}

bool Project::saveQuestion() {
    if (isSaved()) return true;
    if (!prompts_.askYesNo(kSaveQuestion)) return true;
    // Yes on a project that was never saved needs a name: ask for one instead of
    // refusing and then letting the caller discard the work.
    if (isUntitled()) return mnuSaveProjectAs1Click();
    mnuSave1Click();
    return true;
}

void Project::emptyGrid() {
    Replacing replacing(*this);
    CellGrid::BulkUpdate bulk(grid_);
    grid_.setFixedRows(0);
    grid_.clearStore();
    grid_.setRowCount(1);
    bulk.commit();
}

void Project::mnuNew1Click() {
    if (!saveQuestion()) return;
    Replacing replacing(*this);
    CellGrid::BulkUpdate bulk(grid_);
    title_ = kUntitledProject;
    emptyGrid();
    // A narrow project (an import) may have fewer columns than the headings need.
    grid_.setColCount(DefaultColumnCount);
    grid_.setRowCount(2);
    grid_.setFixedRows(1);
    fillDefaultProject(grid_, kNewProjectWidths, todayText_());
    applyStoredWidths(grid_, settings_);
    clean();
    bulk.commit();
}

// Files are read into a grid aside and put in place only when they read well: a file
// that fails leaves the open project exactly as it was, so a later Save cannot write an
// empty table over it.
void Project::replaceGridFrom(const std::string& path) {
    const std::unique_ptr<CellGrid> fresh = grid_.makeReadTarget();
    loadCellsFromFile(*fresh, path);
    replaceGridWith(*fresh);
}

void Project::replaceGridWith(CellGrid& fresh) {
    Replacing replacing(*this);
    grid_.swapContents(fresh);
}

// The table now holds what `path` holds: it becomes the project's title and file.
void Project::takeOver(const std::string& path) {
    title_ = path;
    fileName_ = path;
    totalDue_ = true;
    clean();
}

void Project::loadProject(const std::string& path) {
    replaceGridFrom(path);
    takeOver(path);
}

void Project::loadRecovered(const std::string& copyPath, std::string title, std::string fileName) {
    replaceGridFrom(copyPath);
    title_ = std::move(title);
    fileName_ = std::move(fileName);
    savedFlag_.clear();
    totalDue_ = true;
}

void Project::openFile(const std::string& path) {
    loadProject(path);
    reopen_logic();
}

void Project::mnuOpen1Click() {
    if (!saveQuestion()) return;
    const std::optional<std::string> path = chooseOpenPath();
    if (!path) return;
    loadProject(*path);
    reopen_logic();
}

void Project::mnuReopenClick(int slot) {
    if (slot < 1 || slot > kReopenSlots) return;
    // Take the path the user clicked before the save question: a save reorders the list.
    const std::string path = reopen_[static_cast<size_t>(slot - 1)].caption;
    if (!saveQuestion()) return;
    loadProject(path);
}

std::string Project::dialogFolder() const {
    if (!fileName_.empty()) {
        std::string folder = std::filesystem::path(fileName_).parent_path().string();
        if (!folder.empty()) return folder;
    }
    return lastFolder_;
}

std::optional<std::string> Project::chooseOpenPath() {
    return remember(prompts_.chooseOpenPath(dialogFolder()));
}

std::optional<std::string> Project::chooseSavePath() {
    return remember(prompts_.chooseSavePath(dialogFolder()));
}

std::optional<std::string> Project::remember(std::optional<std::string> path) {
    if (path) {
        const std::string folder = std::filesystem::path(*path).parent_path().string();
        if (!folder.empty()) lastFolder_ = folder;
    }
    return path;
}

void Project::mnuImportoldfileClick() {
    if (!saveQuestion()) return;
    const std::optional<std::string> path = chooseOpenPath();
    if (!path) return;
    CellGrid fresh;
    importOldFile(*path, grid_, fresh, prompts_);
    replaceGridWith(fresh);
    takeOver(*path);
    reopen_logic();
}

void Project::writeProject(const std::string& path) {
    if (observer_) observer_->beforeWrite(path);
    saveCellsToFile(grid_, path);
    savedFlag_ = "y";
    totalDue_ = true;
    clean();
}

void Project::mnuSave1Click() {
    if (isUntitled()) {
        prompts_.showMessage(kUseSaveAs);
        return;
    }
    writeProject(fileName_);
    reopen_logic();
}

bool Project::mnuSaveProjectAs1Click() {
    const std::optional<std::string> path = chooseSavePath();
    if (!path) return false;
    writeProject(*path);
    title_ = *path;
    fileName_ = *path;
    reopen_logic();
    return true;
}

void Project::reopen_logic() {
    const std::string& current = fileName_;
    std::array<std::string, kReopenSlots> stored;
    for (int k = 0; k < kReopenSlots; ++k)
        stored[static_cast<size_t>(k)] = settings_.readSetting(reopenKey(k + 1));

    // The list becomes the current file followed by the other entries in their order,
    // so it never holds a path twice and has no gaps, whatever the store held before.
    struct Entry {
        std::string path;     // as stored
        std::string caption;  // empty when the file was missing at start-up
    };
    std::vector<Entry> list{{current, current}};
    for (int k = 0; k < kReopenSlots && list.size() < kReopenSlots; ++k) {
        const std::string& path = stored[static_cast<size_t>(k)];
        if (!isEntry(path) || path == current) continue;
        list.push_back({path, reopen_[static_cast<size_t>(k)].caption});
    }
    for (int k = 0; k < kReopenSlots; ++k) {
        const size_t slot = static_cast<size_t>(k);
        ReopenItem& item = reopen_[slot];
        if (slot < list.size()) {
            item.caption = list[slot].caption;
            item.visible = !item.caption.empty();
            if (k == 0 || stored[slot] != list[slot].path) {
                settings_.writeSetting(reopenKey(k + 1), list[slot].path);
            }
        } else {
            item = {};
            // An entry left below the end would show again at the next start.
            if (isEntry(stored[slot])) settings_.writeSetting(reopenKey(k + 1), "");
        }
    }
}

void Project::mnuClearReopenList1Click() {
    for (int k = 1; k <= kReopenSlots; ++k) {
        reopen_[static_cast<size_t>(k - 1)] = {};
        settings_.writeSetting(reopenKey(k), "");
    }
}

}  // namespace quillet
