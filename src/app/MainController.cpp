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
      stopWatch_(ports_.clock) {
    project_.onStatus = [this](const Message& text) { showFileNote(text); };
    boundMark_ = grid_.addRowMark(-1);
    bindingWatch_.owner = this;
    grid_.addListener(&bindingWatch_);
}

MainController::~MainController() {
    grid_.removeListener(&bindingWatch_);
}

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
}

bool MainController::confirmClose() {
    storeWidths(grid_, ports_.settings);
    if (!askAboutUnbookedTime()) return false;
    bool proceed = false;
    runProjectCommand([this, &proceed] { proceed = project_.saveQuestion(); });
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
        throw;
    }
    afterWrite();
}

template <typename Change>
void MainController::inStep(Message name, Change change) {
    grid_.beginStep(history_.maxBytes());
    try {
        change();
    } catch (...) {
        finishStep(std::move(name));
        throw;
    }
    finishStep(std::move(name));
}

void MainController::finishStep(Message name) {
    GridStep step = grid_.endStep();
    if (step.tooLarge()) statusMessage_ = kCannotUndoTooLarge;
    history_.add(std::move(name), std::move(step));
}

// The revert tells the project it changed; back at the clean point it is clean again.
void MainController::undo() {
    history_.undo(grid_);
    if (history_.isClean()) project_.returnToClean();
}

void MainController::redo() {
    history_.redo(grid_);
    if (history_.isClean()) project_.returnToClean();
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

// The display is not refreshed here: the next tick shows the running time.
void MainController::startTimer() {
    const bool fromZero = !stopWatch_.running() && stopWatch_.elapsedTime() == 0.0;
    startTimerForNoTask();
    if (fromZero && isTaskRow(grid_, grid_.currentRow())) bind(grid_.currentRow());
}

void MainController::startTimerForNoTask() {
    timerStartCommand(stopWatch_);
}

void MainController::stopTimer() {
    timerText_ = timerStopCommand(stopWatch_);
}

void MainController::resetTimer() {
    timerText_ = timerResetCommand(stopWatch_);
    unbind();
}

void MainController::addTimerToHours() {
    const Message refusal = bookTimer();
    if (!refusal.empty()) ports_.prompts.showMessage(refusal);
}

Message MainController::bookTimer() {
    return bookRow(bound_ ? boundRow() : grid_.currentRow());
}

// The stopwatch's time goes to the row (or a row of its day) as one step; it then runs on
// from zero for the same task, so a second booking cannot go to whatever row is selected.
Message MainController::bookRow(int row) {
    BookingResult result;
    const double today = std::floor(ports_.clock.now());
    const DayWeekHours::Appending appending(dayWeek_);
    inStep(QUILLET_TR("CoreMessages", "Add Timer to Task Hours"), [&] {
        result = bookTime(grid_, row, stopWatch_.elapsedTime() * kSecondsPerDay, ports_.locale,
                          ports_.locale.formatDate(today), static_cast<int>(today), bookTo_);
    });
    if (!result.hours.added()) return result.hours.message;
    statusMessage_ = result.hours.message;
    lastBooking_ = result.hours.message;
    timerText_ = timerRestartCommand(stopWatch_);
    return {};
}

void MainController::timeThisTask() {
    timeTask(grid_.currentRow());
}

void MainController::timeTask(int row) {
    const Message refusal = isTaskRow(grid_, row) ? switchTo(row, true) : kSelectTaskRowFirst;
    if (!refusal.empty()) ports_.prompts.showMessage(refusal);
}

Message MainController::timeTaskNumbered(const std::string& number) {
    for (int row = 1; row < grid_.rowCount(); ++row) {
        if (isTaskRow(grid_, row) && taskNumberText(grid_, row) == number)
            return switchTo(row, false);
    }
    return Message(QUILLET_TR("CoreMessages", "There is no task %1")).arg(number);
}

Message MainController::switchTo(int row, bool mayAsk) {
    const int from = boundRow();
    if (from == row) {
        startTimerForNoTask();  // its own task: it runs on
        return {};
    }
    const double elapsed = stopWatch_.elapsedTime();
    // Less than a hundredth of an hour books nothing.
    if (hundredthsOfHour(elapsed * kSecondsPerDay) > 0) {
        if (from >= 1) {
            if (Message refusal = bookRow(from); !refusal.empty()) return refusal;
        } else if (!mayAsk) {
            return QUILLET_TR("CoreMessages",
                              "The stopwatch holds time for no task: book it or reset it first");
        } else {
            switch (unboundAnswer(
                ports_.prompts.askChoice(unboundQuestion(elapsed, grid_, row), unboundButtons()))) {
                case UnboundAnswer::Cancel:
                    return {};
                case UnboundAnswer::AddToNew:
                    if (Message refusal = bookRow(row); !refusal.empty()) return refusal;
                    break;
                case UnboundAnswer::Discard:
                    break;
            }
        }
    }
    stopWatch_.stop();
    stopWatch_.reset();
    stopWatch_.start();
    bind(row);
    timerText_ = stopWatchDisplayText(stopWatch_);
    return {};
}

bool MainController::askAboutUnbookedTime() {
    const double elapsed = stopWatch_.elapsedTime();
    if (!holdsAMinute(elapsed)) return true;
    const std::optional<std::size_t> button =
        ports_.prompts.askChoice(closingQuestion(elapsed, grid_, boundRow()), closingButtons());
    switch (closingAnswer(button)) {
        case ClosingAnswer::Cancel:
            return false;
        case ClosingAnswer::DontAdd:
            return true;
        case ClosingAnswer::Add:
            break;
    }
    const Message refusal = bookTimer();
    if (refusal.empty()) return true;
    ports_.prompts.showMessage(refusal);
    return false;
}

void MainController::bind(int row) {
    grid_.setRowMark(boundMark_, row);
    bound_ = grid_.markedRow(boundMark_) >= 0;
    if (!bound_) return;
    boundName_ = taskNumberText(grid_, row);
    // The latest first, each task once.
    for (auto it = recentMarks_.begin(); it != recentMarks_.end();) {
        if (grid_.markedRow(*it) == row || grid_.markedRow(*it) < 0) {
            grid_.removeRowMark(*it);
            it = recentMarks_.erase(it);
        } else {
            ++it;
        }
    }
    recentMarks_.insert(recentMarks_.begin(), grid_.addRowMark(row));
    constexpr std::size_t kRecentTasks = 5;
    while (recentMarks_.size() > kRecentTasks) {
        grid_.removeRowMark(recentMarks_.back());
        recentMarks_.pop_back();
    }
}

void MainController::unbind() {
    bound_ = false;
    grid_.setRowMark(boundMark_, -1);
}

int MainController::boundRow() const {
    return bound_ ? grid_.markedRow(boundMark_) : -1;
}

void MainController::BindingWatch::gridChanged(const GridChange& change) {
    if (change.kind == GridChange::Kind::Layout && owner->bound_ &&
        owner->grid_.markedRow(owner->boundMark_) < 0)
        owner->bindingLost();
}

void MainController::bindingLost() {
    bound_ = false;
    statusMessage_ = Message(QUILLET_TR("CoreMessages",
                                        "Task %1 is gone from the table: the stopwatch keeps "
                                        "its time, for no task"))
                         .arg(boundName_);
}

Message MainController::timingText() const {
    const int row = boundRow();
    return row < 0 ? Message() : quillet::timingText(grid_, row);
}

std::string MainController::timedTaskReply() const {
    const int row = boundRow();
    return row < 0 ? std::string() : timedTaskReplyText(grid_, row);
}

Message MainController::dayWeekText() {
    const double now = ports_.clock.now();
    const DayWeekHours::Sums sums = dayWeek_.sums(static_cast<int>(std::floor(now)));
    // Whole minutes, so the text moves once a minute.
    const long double held =
        std::floor(elapsedMilliseconds(stopWatch_.elapsedTime()) / 60000.0) / 60.0L;
    return quillet::dayWeekText(sums.today + held, sums.week + held, ports_.locale);
}

Message MainController::dayWeekStatus() {
    const bool inUse = stopWatch_.running() || stopWatch_.elapsedTime() != 0.0 || bound_;
    return inUse ? dayWeekText() : Message();
}

std::vector<int> MainController::recentTaskRows() const {
    std::vector<int> rows;
    for (const int mark : recentMarks_)
        if (const int row = grid_.markedRow(mark); row >= 1) rows.push_back(row);
    return rows;
}

TimedState MainController::timedState() const {
    return {stopWatch_.running(), stopWatch_.accumulated(), stopWatch_.startedAt(),
            std::max(0, boundRow())};
}

void MainController::restoreTimedState(const TimedState& state) {
    stopWatch_.restore(state.running, state.banked, state.startedAt);
    unbind();
    if (state.row >= 1 && isTaskRow(grid_, state.row)) bind(state.row);
    timerText_ = stopWatchDisplayText(stopWatch_);
}

void MainController::askAboutTimeAway(StopwatchGuard& guard) {
    if (!guard.pending()) return;
    const std::optional<std::size_t> choice =
        ports_.prompts.askChoice(guard.questionText(), guard.answerButtons());
    constexpr AwayAnswer kByButton[] = {AwayAnswer::Keep, AwayAnswer::Remove,
                                        AwayAnswer::StopAtLeave};
    guard.answer(choice && *choice < std::size(kByButton) ? kByButton[*choice] : AwayAnswer::Keep);
    timerText_ = stopWatchDisplayText(stopWatch_);
}

void MainController::updateStopWatchDisplay() {
    timerText_ = stopWatchDisplayText(stopWatch_);
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
