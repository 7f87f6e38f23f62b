#include "app/Project.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/OldFileImport.h"
#include "app/Settings.h"
#include "formats/FileStamp.h"
#include "formats/ProjectFile.h"
#include "tasks/Columns.h"
#include "tasks/DefaultProject.h"

namespace quillet {

Project::Project(CellGrid& grid, History& history, Prompts& prompts, SettingsStore& settings,
                 std::function<std::string()> todayText)
    : grid_(grid),
      history_(history),
      prompts_(prompts),
      settings_(settings),
      todayText_(std::move(todayText)) {
    grid_.addListener(this);
}

Project::~Project() {
    grid_.removeListener(this);
}

void Project::gridChanged(const GridChange& change) {
    if (!change.content || replacing_ != 0) return;
    if (observer_) observer_->projectEdited();
}

const std::string& Project::savedFlag() const {
    static const std::string kSaved = "y";
    static const std::string kNotSaved;
    return isSaved() ? kSaved : kNotSaved;
}

// The table now matches a file: one a Save wrote (saved), or one loaded or made afresh,
// which keeps the saved flag it had.
void Project::clean(bool saved) {
    if (saved) {
        history_.markClean(true);
    } else {
        restartHistory(true);
    }
    if (observer_) observer_->projectClean();
}

// A replaced table: no step before it can be undone.
void Project::restartHistory(bool clean) noexcept {
    const bool saved = history_.isSaved();
    history_.clear();
    if (clean) {
        history_.markClean(saved);
    } else {
        history_.markNeverClean();
    }
}

void Project::returnToClean() {
    if (observer_) observer_->projectClean();
}

namespace {
constexpr const char* kSaveAsButton = QUILLET_TR("CoreMessages", "Save &As...");

std::string quotedName(const std::string& path) {
    return "\xE2\x80\x9C" + std::filesystem::path(path).filename().string() + "\xE2\x80\x9D";
}
}  // namespace

Message changedElsewhereQuestion(const std::string& path) {
    return Message(
               QUILLET_TR("CoreMessages", "%1 was changed by another program since you opened it."))
        .arg(quotedName(path));
}

namespace {
constexpr std::uintmax_t kMaxUnaskedReload = std::uintmax_t{64} << 20;
}  // namespace

Message Project::fileChangedOnDisk() {
    if (fileName_.empty() || !stamp_) return {};
    if (!std::filesystem::exists(fileName_)) {
        stamp_.reset();  // Save writes it anew
        return Message(
                   QUILLET_TR("CoreMessages", "%1 is no longer on disk; saving will write it anew"))
            .arg(quotedName(fileName_));
    }
    if (!changedSince(fileName_, *stamp_)) return {};
    if (hasUnsavedChanges()) {
        return Message(QUILLET_TR("CoreMessages",
                                  "%1 changed on disk; saving will ask before overwriting"))
            .arg(quotedName(fileName_));
    }
    // Random bytes or another program's document would read as an almost empty table, and
    // the version on screen would then be on no disk: only a project is taken unasked.
    if (isForeignFile(fileName_)) {
        return Message(QUILLET_TR("CoreMessages",
                                  "%1 changed on disk but is not a project file; the table was "
                                  "kept"))
            .arg(quotedName(fileName_));
    }
    // Nobody asked for this read: a replacement far larger than the project is left to Open,
    // which the user chooses and can follow, instead of minutes of reading unasked.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(fileName_, error);
    const std::uintmax_t limit = std::max<std::uintmax_t>(kMaxUnaskedReload, 4 * stamp_->size);
    if (!error && size > limit) {
        return Message(QUILLET_TR("CoreMessages",
                                  "%1 changed on disk and is now %2 bytes, too large to reload "
                                  "unasked; the table was kept"))
            .arg(quotedName(fileName_))
            .arg(std::to_string(size));
    }
    // The table is the last saved version, which no disk holds any more.
    if (observer_) observer_->beforeReload(fileName_);
    const int generation = generation_;
    try {
        loadProject(fileName_);
        generation_ = generation;
    } catch (const std::exception& e) {
        // Perhaps caught mid-write; the table on screen stays as it was.
        return Message(QUILLET_TR("CoreMessages", "%1 changed on disk and could not be read: %2"))
            .arg(quotedName(fileName_))
            .arg(messageOf(e));
    }
    return QUILLET_TR("CoreMessages", "Reloaded: changed on disk");
}

Message foreignFileQuestion(const std::string& path) {
    return Message(QUILLET_TR("CoreMessages",
                              "%1 is not a Quillet1 project file. Replace it with this project?"))
        .arg(quotedName(path));
}

Message shownTitle(const std::string& title) {
    return title == kUntitledProject ? Message(kUntitledProject) : Message::verbatim(title);
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

bool Project::changedElsewhere() const {
    return stamp_ && !fileName_.empty() && changedSince(fileName_, *stamp_);
}

bool Project::saveQuestion() {
    // Saved, unless another program replaced the file since: then the table is the only
    // place the saved version is left.
    if (isSaved() && !changedElsewhere()) return true;
    // Esc or the window's close button must not throw the work away: they cancel.
    const Answer answer = prompts_.askYesNoCancel(kSaveQuestion);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::No) return true;
    // Yes on a project that was never saved needs a name: ask for one instead of
    // refusing and then letting the caller discard the work.
    if (isUntitled()) return saveProjectAs();
    return saveProject();
}

void Project::emptyGrid() {
    Replacing replacing(*this);
    ++generation_;
    CellGrid::BulkUpdate bulk(grid_);
    grid_.setFixedRows(0);
    grid_.clearStore();
    grid_.setRowCount(1);
    bulk.commit();
}

void Project::newProject() {
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
    clean(false);
    bulk.commit();
}

// Files are read into a grid aside and put in place only when they read well: a file
// that fails leaves the open project exactly as it was, so a later Save cannot write an
// empty table over it.
std::optional<FileStamp> Project::replaceGridFrom(const std::string& path) {
    if (const std::unique_ptr<ReadAhead> ahead = std::exchange(readAhead_, nullptr)) {
        if (std::optional<ReadAhead::Result> read = ahead->take(path, grid_, fileOptions)) {
            replaceGridWith(*read->grid);
            return read->stamp;
        }
    }
    const std::unique_ptr<CellGrid> fresh = grid_.makeReadTarget();
    std::optional<FileStamp> stamp = loadCellsFromFile(*fresh, path, fileOptions);
    replaceGridWith(*fresh);
    return stamp;
}

void Project::replaceGridWith(CellGrid& fresh) {
    Replacing replacing(*this);
    ++generation_;
    grid_.swapContents(fresh);
}

// The table now holds what `path` holds: it becomes the project's title and file.
void Project::takeOver(const std::string& path, std::optional<FileStamp> stamp) {
    title_ = path;
    fileName_ = path;
    stamp_ = stamp;
    totalDue_ = true;
    clean(false);
}

void Project::loadProject(const std::string& path) {
    takeOver(path, replaceGridFrom(path));
}

void Project::adoptReadAhead(std::unique_ptr<ReadAhead> ahead) {
    readAhead_ = std::move(ahead);
}

void Project::loadRecovered(const std::string& copyPath, std::string title, std::string fileName) {
    replaceGridFrom(copyPath);
    takeOverUnsaved(std::move(title), std::move(fileName));
}

// The table holds work that no file holds yet.
void Project::takeOverUnsaved(std::string title, std::string fileName) {
    title_ = std::move(title);
    fileName_ = std::move(fileName);
    // What the file held when this work began is unknown: no question about it.
    stamp_.reset();
    restartHistory(false);
    totalDue_ = true;
}

// Read before the question: the save it may lead to keeps a backup of its own and can drop
// the chosen one as the oldest.
void Project::openBackup(const std::string& backupPath) {
    const std::unique_ptr<CellGrid> fresh = grid_.makeReadTarget();
    loadCellsFromFile(*fresh, backupPath, fileOptions);
    const std::string file = fileName_;
    if (!saveQuestion()) return;
    replaceGridWith(*fresh);
    takeOverUnsaved(file, file);
    // Like an edit, so a recovery copy keeps the restored work should the program end.
    if (observer_) observer_->projectEdited();
}

void Project::openFile(const std::string& path) {
    // Changes on screen (a recovered project's) are asked about; the untouched start-up
    // project is not.
    if (hasUnsavedChanges() && !saveQuestion()) return;
    loadAndList(path);
}

void Project::openProject() {
    if (!saveQuestion()) return;
    const std::optional<std::string> path = chooseOpenPath();
    if (!path) return;
    loadAndList(*path);
}

// A document or a CSV file reads as any file does, but the user is told why the table looks
// as it does, and it is not offered again as a project.
void Project::loadAndList(const std::string& path) {
    const bool foreign = isForeignFile(path);
    loadProject(path);
    if (!foreign) {
        putFirstInRecentFiles();
    } else if (onStatus) {
        onStatus(Message(QUILLET_TR("CoreMessages", "%1 does not look like a project file"))
                     .arg(quotedName(path)));
    }
}

void Project::openRecentFile(int slot) {
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

void Project::importOldFile() {
    if (!saveQuestion()) return;
    const std::optional<std::string> path = remember(prompts_.chooseImportPath(dialogFolder()));
    if (!path) return;
    CellGrid fresh;
    std::string kept;
    std::optional<FileStamp> stamp;
    const bool converted = quillet::importOldFile(
        *path, grid_, fresh, fileOptions, prompts_,
        [this, &kept](const std::string& old) {
            if (observer_) kept = observer_->beforeWrite(old);
        },
        &stamp);
    if (observer_ && !kept.empty()) observer_->afterWrite(*path, kept, converted);
    replaceGridWith(fresh);
    takeOver(*path, stamp);
    // The converted file is this program's own now: Save may replace it without asking.
    convertedFile_ = converted ? *path : std::string();
    putFirstInRecentFiles();
    if (converted && !kept.empty() && onStatus) {
        onStatus(Message(QUILLET_TR("CoreMessages",
                                    "Converted to the new format; the original was kept as %1"))
                     .arg(kept));
    }
}

void Project::writeProject(const std::string& path) {
    const std::string kept = observer_ ? observer_->beforeWrite(path) : std::string();
    std::optional<FileStamp> written;
    try {
        written =
            saveCellsToFile(grid_, path, AtomicFileWriter::Privacy::Shared, fileOptions.progress);
    } catch (...) {
        if (observer_) observer_->afterWrite(path, kept, false);
        throw;
    }
    stamp_ = written;
    if (observer_) observer_->afterWrite(path, kept, true);
    totalDue_ = true;
    clean(true);
}

bool Project::saveProject() {
    if (isUntitled()) {
        prompts_.showMessage(kUseSaveAs);
        return false;
    }
    // Another program (a second window, a sync client) wrote the file since it was read or
    // saved here: overwriting would silently drop its version.
    if (changedElsewhere()) {
        const std::optional<std::size_t> choice =
            prompts_.askChoice(changedElsewhereQuestion(fileName_),
                               {QUILLET_TR("CoreMessages", "&Overwrite"), kSaveAsButton});
        if (!choice) return false;
        if (*choice == 1) return saveProjectAs();
    }
    // An imported CSV or other document keeps its name as the project's file: writing the
    // project format over it would lose the user's file.
    if (fileName_ != convertedFile_ && isForeignFile(fileName_)) {
        const std::optional<std::size_t> choice =
            prompts_.askChoice(foreignFileQuestion(fileName_),
                               {QUILLET_TR("CoreMessages", "&Replace"), kSaveAsButton});
        if (!choice) return false;
        if (*choice == 1) return saveProjectAs();
    }
    writeProject(fileName_);
    putFirstInRecentFiles();
    return true;
}

bool Project::saveProjectAs() {
    const std::optional<std::string> path = chooseSavePath();
    if (!path) return false;
    writeProject(*path);
    title_ = *path;
    fileName_ = *path;
    putFirstInRecentFiles();
    return true;
}

void Project::putFirstInRecentFiles() {
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
    SettingValues changes;
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
            if (k == 0 || stored[slot] != list[slot].path)
                changes.emplace_back(reopenKey(k + 1), list[slot].path);
        } else {
            item = {};
            // An entry left below the end would show again at the next start.
            if (isEntry(stored[slot])) changes.emplace_back(reopenKey(k + 1), "");
        }
    }
    settings_.writeSettings(changes);
}

void Project::clearRecentFiles() {
    SettingValues cleared;
    for (int k = 1; k <= kReopenSlots; ++k) {
        reopen_[static_cast<size_t>(k - 1)] = {};
        cleared.emplace_back(reopenKey(k), "");
    }
    settings_.writeSettings(cleared);
}

}  // namespace quillet
