#pragma once

#include <QList>
#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace quillet {

class History;
struct ReopenItem;

// The action registry: the main window's menus, pop-up menus and toolbar as typed
// members. Each action carries its component name as object name, for accessibility
// and tests; the window binds commands to the members, never to the names.
class MainMenu {
  public:
    explicit MainMenu(QMainWindow* window);

    // Every action of the registry, in creation order.
    const QList<QAction*>& all() const { return all_; }

    // Toolbar buttons and pop-up items trigger the menu command they repeat.
    void forwardRepeats();
    // Every action has a command and stays enabled; the reopen items and undo and redo
    // follow the state.
    void showState(const History& history, const std::array<ReopenItem, 5>& reopenItems);

    // File
    QAction* mnuNew1 = nullptr;
    QAction* mnuOpen1 = nullptr;
    std::array<QAction*, 5> mnuReopenF{};  // mnuReopenF1 .. mnuReopenF5
    QAction* mnuClearReopenList1 = nullptr;
    QAction* mnuImportoldfile = nullptr;
    QAction* mnuExport1 = nullptr;
    QAction* mnuSave1 = nullptr;
    QAction* mnuSaveProjectAs1 = nullptr;
    QAction* mnuRestoreBackup1 = nullptr;
    QAction* mnuChangeColumnNames1 = nullptr;
    QAction* mnuChangeFontSettings1 = nullptr;
    QAction* mnuPrint1 = nullptr;
    QAction* mnuPrintPreview1 = nullptr;
    QAction* mnuExit1 = nullptr;
    // Edit
    QAction* mnuUndo1 = nullptr;
    QAction* mnuRedo1 = nullptr;
    QAction* mnuCut1 = nullptr;
    QAction* mnuDelete1 = nullptr;
    QAction* mnuCopy1 = nullptr;
    QAction* mnuPaste1 = nullptr;
    QAction* mnuCopyAll1 = nullptr;
    QAction* mnuAddTask1 = nullptr;
    QAction* mnuDeleteTask1 = nullptr;
    QAction* mnuFind1 = nullptr;
    QAction* mnuFindAgain1 = nullptr;
    QAction* mnuResetHighlightedCells1 = nullptr;
    QAction* mnuCalculateTotal = nullptr;
    // Timer
    QAction* mnuStartTimer1 = nullptr;
    QAction* mnuStopTimer1 = nullptr;
    QAction* mnuResetTimer1 = nullptr;
    QAction* mnuAddTimerToHours1 = nullptr;  // also in the tray's right menu
    QAction* mnuTimeThisTask1 = nullptr;
    QAction* mnuStopwatchSettings1 = nullptr;
    // View
    QAction* mnuCalendar1 = nullptr;
    QAction* mnuSummary1 = nullptr;
    QAction* mnuWorkLog1 = nullptr;
    QAction* mnuSortbyTask1 = nullptr;
    QAction* mnuSortbyTaskDate1 = nullptr;
    // Help
    QAction* HelpContents1 = nullptr;
    QAction* mnuAbout1 = nullptr;
    QAction* mnuVisitQuillet1homepage = nullptr;
    // Toolbar
    QAction* tbtnNew = nullptr;
    QAction* tbtnOpen = nullptr;
    QAction* tbtnSave = nullptr;
    QAction* tbtnCut = nullptr;
    QAction* tbtnCopy = nullptr;
    QAction* tbtnPaste = nullptr;
    QAction* tbtnUndo = nullptr;
    QAction* tbtnRedo = nullptr;
    QAction* tbtnFind = nullptr;
    QAction* tbtnAdd = nullptr;
    QAction* tbtnRemove = nullptr;
    // Tray menus
    QAction* pitShow = nullptr;
    QAction* pitHide = nullptr;
    QAction* mnuRShowWindow1 = nullptr;
    QAction* mnuRHideWindow1 = nullptr;
    QAction* prExit = nullptr;
    // The last timed tasks in the tray's right menu, hidden while there are none.
    std::array<QAction*, 5> mnuRTimeTask{};  // mnuRTimeTask1 .. mnuRTimeTask5
    // Grid and total pop-up menus
    QAction* pupCopy1 = nullptr;
    QAction* pupPaste1 = nullptr;
    QAction* pupAddTask1 = nullptr;
    QAction* pupDeleteTask1 = nullptr;
    QAction* pupTimeThisTask1 = nullptr;
    QAction* pupRecalculateTotalforproject1 = nullptr;
    QAction* pupAddtotaltogrid = nullptr;

    QToolBar* toolbar() const { return toolbar_; }
    QMenu* pmnLeft() const { return pmnLeft_; }
    QMenu* pmnRight() const { return pmnRight_; }
    QMenu* pupmnuGrid() const { return pupmnuGrid_; }
    QMenu* puplblTotal() const { return puplblTotal_; }

  private:
    QAction* add(QMenu* menu, const char* name, const char* caption);
    QAction* addButton(const char* name, const char* hint, const char* theme);
    void addStandardKeys();
    void buildMenuBar(QMainWindow* window);
    void buildToolbar(QMainWindow* window);
    void buildPopups(QMainWindow* window);

    QList<QAction*> all_;
    QToolBar* toolbar_ = nullptr;
    QMenu* pmnLeft_ = nullptr;
    QMenu* pmnRight_ = nullptr;
    QMenu* pupmnuGrid_ = nullptr;
    QMenu* puplblTotal_ = nullptr;
};

}  // namespace quillet
