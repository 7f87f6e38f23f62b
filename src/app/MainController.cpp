#include "app/MainController.h"

#include <cmath>

#include "app/Settings.h"

namespace quillet {

MainController::MainController(Ports ports)
    : ports_(ports), project_(grid_, ports_.prompts, ports_.settings), stopWatch_(ports_.clock) {
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
    if (!project_.isSaved()) {
        ports_.prompts.askYesNo(kSaveQuestion);
    }
    return true;
}

void MainController::TabControl1Change(const std::string& tabText) {
    statusMessage_ = "Viewing details for " + tabText;
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
