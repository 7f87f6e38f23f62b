#include "app/MainController.h"

#include <cmath>

#include "app/Settings.h"
#include "grid/ClipboardText.h"
#include "tasks/CostTotal.h"
#include "tasks/Sorting.h"
#include "tasks/TaskRows.h"

namespace quillet {

MainController::MainController(Ports ports)
    : ports_(ports),
      project_(grid_, ports_.prompts, ports_.settings,
               {[this] { return todayText(); }, [this] { mnuCalculateTotalClick(); }}),
      stopWatch_(ports_.clock) {
    // Cells may hold several lines (a Paste makes them): a reopened project keeps them whole.
    grid_.multilineCells = true;
    grid_.onSelectCell = [this](int col, int row) {
        selectedCol_ = col;
        selectedRow_ = row;
        return true;
    };
    grid_.onSetEditText = [this](int, int, const std::string&) { project_.markChanged(); };
}

std::string MainController::todayText() {
    return ports_.locale.formatDate(std::floor(ports_.clock.now()));
}

void MainController::FormCreate() {
    noticeText_ = "Quillet1 - track your time";
    project_.setTitle(kUntitledProject);
    project_.loadReopenList();
    for (int col = 0; col < DefaultColumnCount; ++col)
        grid_.setCellText(col, 0, kDefaultHeadings[col]);
    grid_.setColWidth(TaskNo, 42);
    grid_.setColWidth(Description, 120);
    grid_.setColWidth(Notes, 120);
    if (grid_.cellText(TaskNo, 1).empty()) {
        grid_.setCellText(TaskNo, 1, "1");
        grid_.setCellText(StartDate, 1, todayText());
    }
    applyStoredWidths(grid_, ports_.settings);
}

bool MainController::FormClose() {
    storeWidths(grid_, ports_.settings);
    return project_.saveQuestion();
}

void MainController::TabControl1Change(const std::string& tabText) {
    statusMessage_ = "Viewing details for " + tabText;
}

void MainController::mnuCalculateTotalClick() {
    const CostTotal total = calculateTotal(grid_, ports_.locale);
    totalCaption_ = total.caption;
    if (total.failed) statusMessage_ = kErrorCalculatingTotal;
}

// Copies what the total line shows; it does not recalculate first.
void MainController::pupAddtotaltogridClick() {
    addTotalToGrid(grid_, totalCaption_, todayText());
}

void MainController::mnuAddTask1Click() {
    addTask(grid_, todayText());
}

void MainController::mnuDeleteTask1Click() {
    if (const auto message = deleteTask(grid_, selectedRow_)) ports_.prompts.showMessage(*message);
}

void MainController::mnuCopy1Click() {
    ports_.clipboard.setText(copySelectionText(grid_));
}

void MainController::mnuCopyAll1Click() {
    ports_.clipboard.setText(copyAllText(grid_));
}

void MainController::mnuPaste1Click() {
    paste(grid_, selectedCol_, selectedRow_, ports_.clipboard.text());
    project_.markChanged();
}

void MainController::StringAlignGrid1AfterEdit(int col, int row) {
    normaliseDate(grid_, col, row, ports_.locale);
}

bool MainController::FindDialog1Find(const std::string& searchText) {
    find_.setSearchText(searchText);
    const FindHighlight::FindResult result = find_.find(grid_);
    if (result.message) ports_.prompts.showMessage(*result.message);
    return result.closeDialog;
}

void MainController::mnuFindAgain1Click() {
    if (const auto message = find_.findAgain(grid_)) ports_.prompts.showMessage(*message);
}

void MainController::mnuResetHighlightedCells1Click() {
    find_.reset(grid_);
}

// Choosing the column also sorts by it at once.
void MainController::mnuSortbyTask1Click() {
    sortColumn_ = TaskNo;
    sortRows(grid_, sortColumn_, ports_.locale);
}

void MainController::mnuSortbyTaskDate1Click() {
    sortColumn_ = StartDate;
    sortRows(grid_, sortColumn_, ports_.locale);
}

void MainController::tbtnCutClick() {
    ports_.prompts.showMessage("Sorry, not available yet...");
}

// The display is not refreshed here: the next tick shows the running time.
void MainController::mnuStartTimer1Click() {
    timerStartCommand(stopWatch_);
}

void MainController::mnuStopTimer1Click() {
    timerText_ = timerStopCommand(stopWatch_);
}

void MainController::mnuResetTimer1Click() {
    timerText_ = timerResetCommand(stopWatch_);
}

void MainController::DisplayStopWatch() {
    timerText_ = stopWatchDisplayText(stopWatch_);
}

}  // namespace quillet
