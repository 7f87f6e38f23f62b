#include "app/MainController.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "app/HelpFile.h"
#include "app/ProjectExport.h"
#include "app/Settings.h"
#include "formats/CellText.h"
#include "formats/ClipboardText.h"
#include "formats/SheetExport.h"
#include "ports/ProductInfo.h"
#include "tasks/CostTotal.h"
#include "tasks/DefaultProject.h"
#include "tasks/Sorting.h"
#include "tasks/SummarySheet.h"
#include "tasks/TaskRow.h"
#include "tasks/TaskRows.h"
#include "tasks/TimerHours.h"

namespace quillet {

namespace {
constexpr const char* kCannotUndoTooLarge =
    QUILLET_TR("CoreMessages", "This change cannot be undone (too large)");
}

MainController::MainController(ControllerPorts ports, std::size_t historyBytes)
    : ports_(std::move(ports)),
      history_(historyBytes),
      project_(grid_, history_, ports_.prompts, ports_.settings, [this] { return todayText(); }),
      timer_(grid_, *this, ports_.prompts, ports_.clock, ports_.locale) {
    project_.onStatus = [this](const Message& text) { showFileNote(text); };
    timer_.onStatus = [this](const Message& text) { statusMessage_ = text; };
}

MainController::~MainController() = default;

std::string MainController::todayText() {
    return ports_.locale.formatDate(std::floor(ports_.clock.now()));
}

CivilDate MainController::todayDate() {
    return decodeDate(std::floor(ports_.clock.now()));
}

void MainController::startUp() {
    noticeText_ = QUILLET_TR("CoreMessages", "Quillet1 - track your time");
    project_.setTitle(kUntitledProject);
    project_.loadReopenList();
    fillDefaultProject(grid_, kStartUpWidths, todayText());
    applyStoredWidths(grid_, ports_.settings);
    timer_.followProject(project_.fileName(), project_.generation());
}

bool MainController::confirmClose() {
    storeWidths(grid_, ports_.settings);
    if (!timer_.askAboutUnbookedTime()) return false;
    bool proceed = false;
    runProjectCommand([this, &proceed] { proceed = project_.saveQuestion(); });
    if (proceed) timer_.closing();
    return proceed;
}

void MainController::switchTab(const std::string& tabText) {
    statusMessage_ = Message(QUILLET_TR("CoreMessages", "Viewing details for %1")).arg(tabText);
}

// The total follows a write or a load even when a later step of the command fails.
template <typename Command>
void MainController::runProjectCommand(Command command) {
    const Message noteBefore = fileNote_;
    const unsigned notesBefore = fileNotes_;
    // A note about the file ("changed on disk; saving will ask...") no longer holds once the
    // project was written or replaced: it would mislead about the next one.
    const auto afterWrite = [&] {
        if (!project_.takeTotalDue()) return;
        if (fileNotes_ == notesBefore && !noteBefore.empty() &&
            statusMessage_ == noteBefore.english()) {
            statusMessage_ = {};
        }
        calculateTotal();
    };
    try {
        command();
    } catch (...) {
        afterWrite();
        timer_.followProject(project_.fileName(), project_.generation());
        throw;
    }
    afterWrite();
    timer_.followProject(project_.fileName(), project_.generation());
}

template <typename Change>
void MainController::inStep(Message name, Change change, std::uint64_t tag) {
    grid_.beginStep(history_.maxBytes());
    try {
        change();
    } catch (...) {
        finishStep(std::move(name), tag);
        throw;
    }
    finishStep(std::move(name), tag);
}

void MainController::finishStep(Message name, std::uint64_t tag) {
    GridStep step = grid_.endStep();
    if (step.tooLarge()) statusMessage_ = kCannotUndoTooLarge;
    history_.add(std::move(name), std::move(step), tag);
}

void MainController::runStep(Message name, const std::function<void()>& change, std::uint64_t tag) {
    inStep(std::move(name), change, tag);
}

// The revert tells the project it changed; back at the clean point it is clean again.
void MainController::undo() {
    const std::uint64_t tag = history_.undo(grid_);
    if (history_.isClean()) project_.returnToClean();
    if (tag) timer_.stepUndone(tag);
}

void MainController::redo() {
    const std::uint64_t tag = history_.redo(grid_);
    if (history_.isClean()) project_.returnToClean();
    if (tag) timer_.stepRedone(tag);
}

void MainController::newProject() {
    runProjectCommand([this] { project_.newProject(); });
}

void MainController::openProject() {
    runProjectCommand([this] { project_.openProject(); });
}

void MainController::saveProject() {
    runProjectCommand([this] { project_.saveProject(); });
}

void MainController::saveProjectAs() {
    runProjectCommand([this] { project_.saveProjectAs(); });
}

void MainController::openRecentFile(int slot) {
    runProjectCommand([this, slot] { project_.openRecentFile(slot); });
}

void MainController::useReadAhead(std::unique_ptr<ReadAhead> ahead) {
    project_.adoptReadAhead(std::move(ahead));
}

void MainController::openAtStartUp(const std::string& path) {
    runProjectCommand([this, &path] { project_.openFile(path); });
}

void MainController::openRecoveredProject(const std::string& copyPath, std::string title,
                                          std::string fileName) {
    runProjectCommand(
        [&] { project_.loadRecovered(copyPath, std::move(title), std::move(fileName)); });
}

void MainController::openBackup(const std::string& backupPath) {
    runProjectCommand([&] { project_.openBackup(backupPath); });
}

void MainController::exportProject() {
    const Project& project = project_;
    const std::string name = exportName(project.fileName());
    const std::optional<ExportChoice> choice = ports_.prompts.chooseExportPath(
        project.dialogFolder(), name + exportExtension(ExportFormat::Xlsx));
    if (!choice) return;
    const std::string path = withExportExtension(choice->path, choice->filter);
    exportTable(grid_, project.fileName(), path, *exportFormatOf(path), ports_.locale);
    statusMessage_ = Message(QUILLET_TR("CoreMessages", "Exported to %1")).arg(path);
}

void MainController::exportSummary(const Summary& summary) {
    const std::string name = exportName(project_.fileName()) + " summary";
    const std::optional<ExportChoice> choice = ports_.prompts.chooseExportPath(
        project_.dialogFolder(), name + exportExtension(ExportFormat::Xlsx));
    if (!choice) return;
    const std::string path = withExportExtension(choice->path, choice->filter);
    exportSheet(SummarySheet(summary, ports_.locale, name), path, *exportFormatOf(path),
                exportSettingsFor(ports_.locale));
    statusMessage_ = Message(QUILLET_TR("CoreMessages", "Exported to %1")).arg(path);
}

void MainController::importOldFile() {
    runProjectCommand([this] { project_.importOldFile(); });
}

void MainController::clearRecentFiles() {
    project_.clearRecentFiles();
}

void MainController::reloadIfChangedOnDisk() {
    runProjectCommand([this] {
        const TaskTimer::Reloading reloading(timer_);
        Message note = project_.fileChangedOnDisk();
        if (!note.empty()) showFileNote(std::move(note));
    });
}

void MainController::showFileNote(Message note) {
    statusMessage_ = fileNote_ = std::move(note);
    ++fileNotes_;
}

void MainController::calculateTotal() {
    const CostTotal total = quillet::calculateTotal(grid_, ports_.locale);
    totalCaption_ = total.caption;
    if (total.failed) {
        statusMessage_ = kErrorCalculatingTotal;
    } else if (statusMessage_ == kErrorCalculatingTotal) {
        statusMessage_ = {};  // the bad cost was mended: the warning no longer holds
    }
}

// Copies what the total line shows; it does not recalculate first.
void MainController::addTotalRow() {
    inStep(QUILLET_TR("CoreMessages", "Add total to bottom of grid"),
           [this] { addTotalToGrid(grid_, totalCaption_, todayText()); });
}

void MainController::addTask() {
    inStep(QUILLET_TR("CoreMessages", "Add New Task"),
           [this] { quillet::addTask(grid_, todayText()); });
}

void MainController::deleteTask() {
    std::optional<Message> message;
    inStep(QUILLET_TR("CoreMessages", "Delete Task"),
           [&] { message = quillet::deleteTask(grid_, grid_.currentRow()); });
    if (message) ports_.prompts.showMessage(*message);
}

void MainController::copySelection() {
    ports_.clipboard.setText(copySelectionText(grid_));
}

void MainController::copyAll() {
    ports_.clipboard.setText(copyAllText(grid_));
}

void MainController::paste() {
    const std::string text = ports_.clipboard.text();
    inStep(QUILLET_TR("CoreMessages", "Paste"),
           [&] { quillet::paste(grid_, grid_.currentCol(), grid_.currentRow(), text); });
}

void MainController::selectCell(int col, int row) {
    grid_.setCurrentCell(col, row);
}

void MainController::selectTaskRow(int row) {
    if (row < 1 || row >= grid_.rowCount()) return;
    grid_.setCurrentCell(std::clamp(grid_.currentCol(), 0, grid_.colCount() - 1), row);
}

void MainController::copySummary(const Summary& summary) {
    ports_.clipboard.setText(summaryClipboardText(summary, ports_.locale));
}

void MainController::selectRange(int anchorCol, int anchorRow, int col, int row) {
    grid_.setSelection(anchorCol, anchorRow, col, row);
}

void MainController::setColumnWidth(int col, int width) {
    if (col >= 0 && col < grid_.colCount()) grid_.setColWidth(col, width);
}

void MainController::editCell(int col, int row, const std::string& text) {
    std::string clean = sanitizeCellText(text);
    if (clean == grid_.cellText(col, row)) return;  // nothing the file would see changed
    const std::string heading(grid_.cellText(col, 0));
    // The heading is the user's text: an argument, never read as a message.
    inStep(heading.empty() ? Message(QUILLET_TR("CoreMessages", "Typing"))
                           : Message(QUILLET_TR("CoreMessages", "Typing in %1")).arg(heading),
           [&] {
               grid_.setCellText(col, row, std::move(clean));
               // Clearing a cell is not entering a date.
               if (!text.empty()) normaliseDate(grid_, col, row, ports_.locale);
           });
}

bool MainController::find(const std::string& searchText) {
    find_.setSearchText(searchText);
    const FindHighlight::FindResult result = find_.find(grid_);
    if (result.message) ports_.prompts.showMessage(*result.message);
    return result.closeDialog;
}

void MainController::findAgain(const std::string& searchText) {
    find_.setSearchText(searchText);
    if (const auto message = find_.findAgain(grid_)) ports_.prompts.showMessage(*message);
}

void MainController::resetHighlightedCells() {
    find_.reset(grid_);
}

// Choosing the column also sorts by it at once.
void MainController::sortByTask() {
    sortColumn_ = TaskNo;
    inStep(QUILLET_TR("CoreMessages", "Sort by Task #"),
           [this] { sortRows(grid_, sortColumn_, ports_.locale); });
}

void MainController::sortByTaskDate() {
    sortColumn_ = StartDate;
    inStep(QUILLET_TR("CoreMessages", "Sort by Task Date"),
           [this] { sortRows(grid_, sortColumn_, ports_.locale); });
}

void MainController::cut() {
    copySelection();
    inStep(QUILLET_TR("CoreMessages", "Cut"), [this] { emptySelectedCells(); });
}

void MainController::emptySelection() {
    inStep(QUILLET_TR("CoreMessages", "Delete"), [this] { emptySelectedCells(); });
}

// Only cells that hold text are written, so a selection of empty cells is no step.
void MainController::emptySelectedCells() {
    if (grid_.currentRow() < 0) return;
    const CellRect sel = grid_.selection();
    CellGrid::BulkUpdate bulk(grid_);
    for (int row = std::max(sel.top, grid_.fixedRows());
         row <= std::min(sel.bottom, grid_.rowCount() - 1); ++row) {
        for (int col = std::max(sel.left, 0); col <= std::min(sel.right, grid_.colCount() - 1);
             ++col) {
            if (!grid_.cellText(col, row).empty()) grid_.setCellText(col, row, std::string());
        }
    }
    bulk.commit();
}

MainController::ColumnNames MainController::columnNames() const {
    ColumnNames names;
    for (int col = 0; col < kNamedColumns; ++col)
        names[static_cast<size_t>(col)] = grid_.cellText(col, 0);
    return names;
}

// Only headings that differ are written: renaming marks the project unsaved like any edit,
// while an OK that changes nothing leaves a saved project saved.
void MainController::renameColumns(const ColumnNames& names) {
    inStep(QUILLET_TR("CoreMessages", "Change Column Names"), [&] {
        for (int col = 0; col < kNamedColumns; ++col) {
            std::string name = sanitizeCellText(names[static_cast<size_t>(col)]);
            if (grid_.cellText(col, 0) != name) grid_.setCellText(col, 0, std::move(name));
        }
    });
}

// The manual is opened from the program's folder, which stays the current directory.
// Without a manual nothing is opened and nothing is said. A desktop with no program for
// web pages would otherwise leave the click unanswered, so the user is told where the
// manual is to open it some other way.
void MainController::showHelp() {
    const std::string folder = programFolder(executablePath_);
    changeCurrentDirectory(folder);
    const auto manual = findManual(folder, helpLanguages_);
    if (manual && !ports_.urls.openUrl(fileUrl(*manual))) {
        ports_.prompts.showMessage(Message(QUILLET_TR("CoreMessages",
                                                      "No program could open the manual. It is the "
                                                      "file\n%1\nand opens in any web browser."))
                                       .arg(*manual));
    }
}

void MainController::openHomePage() {
    ports_.urls.openUrl(kProductWebPage);
}

void MainController::showFolder(const std::string& folder) {
    ports_.urls.openUrl(fileUrl(folder));
}

void MainController::openMakerWebSite() {
    ports_.urls.openUrl(kMakerWebAddress);
}

void MainController::writeEmail() {
    ports_.urls.openUrl(std::string("mailto:") + kMakerEmailAddress);
}

}  // namespace quillet
