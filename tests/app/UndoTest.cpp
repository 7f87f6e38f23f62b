#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "AppHarness.h"

namespace quillet::test {
namespace {

std::string savedBytes(AppHarness& h) {
    const std::string path = (h.dir.path() / "state.prj").string();
    saveCellsToFile(h.grid(), path);
    return readBytes(path);
}

// Random sequences of every recorded command on a small table, saved once half-way; undo
// goes back through each state the file would have held, and redo forward again, the
// project reading as saved exactly at the saved state.
TEST(UndoTest, UndoAndRedoWalkBackAndForthThroughEveryState) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        AppHarness h;
        MainController& app = h.start();
        std::mt19937 random(seed);
        const auto pick = [&](int n) { return static_cast<int>(random() % n); };
        const std::vector<std::string> texts = {"",    "7", "12/1/2026", "30m",       "Acme task",
                                                "1.5", "2", "a\tb\r\nc", "0.25\t3\n4"};
        std::vector<std::string> states = {savedBytes(h)};
        std::vector<std::string> names;
        std::size_t savedAt = 0;  // the start-up project reads as saved too
        for (int i = 0; i < 40; ++i) {
            if (i == 20) {
                h.prompts.savePaths = {h.dir.file("model.prj")};
                app.saveProjectAs();
                savedAt = states.size() - 1;
            }
            app.selectCell(pick(DefaultColumnCount), pick(h.grid().rowCount() + 1));
            // A command that fails half-way (a bad date) is still a step: what it did stays.
            try {
                switch (pick(11)) {
                    case 0:
                    case 1:
                        app.editCell(pick(DefaultColumnCount), 1 + pick(h.grid().rowCount()),
                                     texts[static_cast<size_t>(pick(8))]);
                        break;
                    case 2:
                        h.clipboard.contents = texts[static_cast<size_t>(pick(9))];
                        app.paste();
                        break;
                    case 3:
                        app.addTask();
                        break;
                    case 4:
                        app.deleteTask();
                        break;
                    case 5:
                        app.sortByTask();
                        break;
                    case 6:
                        app.sortByTaskDate();
                        break;
                    case 7:
                        app.addTotalRow();
                        break;
                    case 8: {
                        MainController::ColumnNames headings = app.columnNames();
                        headings[static_cast<size_t>(pick(6))] =
                            texts[static_cast<size_t>(pick(8))];
                        app.renameColumns(headings);
                        break;
                    }
                    case 9:
                        app.selectRange(pick(8), pick(4), pick(8), pick(h.grid().rowCount() + 1));
                        app.emptySelection();
                        break;
                    case 10:
                        app.selectRange(pick(8), 0, pick(8), pick(h.grid().rowCount() + 1));
                        app.cut();
                        break;
                }
            } catch (const std::exception&) {
            }
            // Every change the file would see is a step.
            const std::string now = savedBytes(h);
            if (app.history().size() == states.size()) {
                states.push_back(now);
                names.push_back(app.history().undoName().english());
            } else {
                ASSERT_EQ(now, states.back()) << "no step recorded";
            }
        }
        ASSERT_EQ(app.history().size(), states.size() - 1);
        for (std::size_t i = states.size() - 1; i > 0; --i) {
            EXPECT_EQ(app.history().undoName(), names[i - 1]);
            app.undo();
            ASSERT_EQ(savedBytes(h), states[i - 1]) << "after undoing " << names[i - 1];
            EXPECT_EQ(h.project().hasUnsavedChanges(), i - 1 != savedAt);
        }
        EXPECT_FALSE(app.history().canUndo());
        for (std::size_t i = 1; i < states.size(); ++i) {
            EXPECT_EQ(app.history().redoName(), names[i - 1]);
            app.redo();
            ASSERT_EQ(savedBytes(h), states[i]) << "after redoing " << names[i - 1];
            EXPECT_EQ(h.project().hasUnsavedChanges(), i != savedAt);
        }
        EXPECT_FALSE(app.history().canRedo());
    }
}

TEST(UndoTest, StepsAreNamedAndPutTheCurrentCellBack) {
    AppHarness h;
    MainController& app = h.start();
    app.selectCell(Description, 1);
    app.editCell(Description, 1, "Write");
    app.addTask();
    app.selectCell(Hours, 1);
    h.clock.advanceMs(3600000);
    app.timer().startTimer();
    h.clock.advanceMs(3600000);
    app.timer().addTimerToHours();
    app.sortByTaskDate();
    EXPECT_EQ(app.history().undoName(), "Sort by Task Date");
    app.undo();
    EXPECT_EQ(app.history().undoName(), "Add Timer to Task Hours");
    EXPECT_EQ(app.history().redoName(), "Sort by Task Date");
    app.undo();
    EXPECT_EQ(app.history().undoName(), "Add New Task");
    app.undo();
    EXPECT_EQ(app.history().undoName(), "Typing in " + std::string(kDefaultHeadings[Description]));
    app.selectCell(Cost, 3);
    app.undo();
    EXPECT_EQ(h.grid().cellText(Description, 1), "");
    EXPECT_EQ(app.selectedCol(), Description);
    EXPECT_EQ(app.selectedRow(), 1);
    EXPECT_FALSE(app.history().canUndo());

    // A new step ends the way forward.
    app.addTask();
    EXPECT_FALSE(app.history().canRedo());
    EXPECT_EQ(app.history().size(), 1u);
}

TEST(UndoTest, TheHundredAndFirstStepDropsTheOldest) {
    AppHarness h;
    MainController& app = h.start();
    for (int i = 0; i < 101; ++i) app.editCell(Notes, 1, std::to_string(i));
    EXPECT_EQ(app.history().size(), History::kMaxSteps);
    while (app.history().canUndo()) app.undo();
    EXPECT_EQ(h.grid().cellText(Notes, 1), "0");  // the first edit's own step was dropped

    // Many more, so the oldest is dropped again and again: the last hundred stay, in order.
    for (int i = 0; i < 250; ++i) app.editCell(Notes, 1, std::to_string(i));
    for (int i = 248; i >= 150; --i) {
        app.undo();
        ASSERT_EQ(h.grid().cellText(Notes, 1), std::to_string(i));
    }
    app.undo();
    EXPECT_FALSE(app.history().canUndo());
    while (app.history().canRedo()) app.redo();
    EXPECT_EQ(h.grid().cellText(Notes, 1), "249");
}

// Cut is Copy, then the selection emptied as one step, the heading row left alone.
TEST(UndoTest, CutAndDeleteEmptyTheSelectionAsOneStep) {
    AppHarness h;
    MainController& app = h.start();
    app.editCell(Description, 1, "one");
    app.editCell(Hours, 1, "2");
    const std::string heading(h.grid().cellText(Description, 0));
    app.selectRange(Description, 0, Hours, 1);
    app.cut();
    EXPECT_EQ(h.clipboard.contents,
              heading + "\t" + std::string(h.grid().cellText(Hours, 0)) + "\r\none\t2\r\n");
    EXPECT_EQ(h.grid().cellText(Description, 0), heading);
    EXPECT_EQ(h.grid().cellText(Description, 1), "");
    EXPECT_EQ(h.grid().cellText(Hours, 1), "");
    EXPECT_EQ(app.history().undoName(), "Cut");
    app.undo();
    EXPECT_EQ(h.grid().cellText(Description, 1), "one");
    EXPECT_EQ(h.grid().cellText(Hours, 1), "2");

    app.emptySelection();
    EXPECT_EQ(h.grid().cellText(Hours, 1), "");
    EXPECT_EQ(app.history().undoName(), "Delete");
    const std::size_t steps = app.history().size();
    app.emptySelection();  // nothing left to empty: no step
    EXPECT_EQ(app.history().size(), steps);
}

// Like QUndoStack::isClean: undo back to the saved state and the project is saved again.
TEST(UndoTest, TheSavedFlagFollowsTheHistoryAndLoadsStartItAfresh) {
    AppHarness h;
    const std::string path = (h.dir.path() / "work.prj").string();
    writeProjectFile(path, "Start");
    MainController& app = h.start();
    app.openAtStartUp(path);
    app.editCell(Notes, 1, "before the save");
    app.saveProject();
    ASSERT_FALSE(h.project().hasUnsavedChanges());
    app.editCell(Notes, 1, "after the save");
    EXPECT_TRUE(h.project().hasUnsavedChanges());
    app.undo();
    EXPECT_FALSE(h.project().hasUnsavedChanges());
    EXPECT_TRUE(h.project().isSaved());
    app.undo();
    EXPECT_TRUE(h.project().hasUnsavedChanges());
    EXPECT_FALSE(h.project().isSaved());
    app.redo();
    EXPECT_FALSE(h.project().hasUnsavedChanges());
    EXPECT_TRUE(h.project().isSaved());
    app.redo();
    EXPECT_TRUE(h.project().hasUnsavedChanges());

    // A new step taken from before the save leaves no way back to it.
    app.undo();
    app.undo();
    app.editCell(Notes, 1, "elsewhere");
    app.undo();
    EXPECT_TRUE(h.project().hasUnsavedChanges());

    app.saveProject();
    app.openAtStartUp(path);
    EXPECT_FALSE(app.history().canUndo());
    EXPECT_FALSE(app.history().canRedo());
    app.editCell(Notes, 1, "again");
    app.undo();  // saved again: New asks nothing
    ASSERT_TRUE(app.history().canRedo());
    app.newProject();
    EXPECT_FALSE(app.history().canRedo());
    EXPECT_FALSE(app.history().canUndo());
    EXPECT_FALSE(h.project().hasUnsavedChanges());
}

// Save, undo, edit: the saved state is gone, and no undo or redo leads back to it.
TEST(UndoTest, AnEditAfterUndoingTheSavedStepLeavesNoWayBackToTheSave) {
    AppHarness h;
    MainController& app = h.start();
    app.editCell(Notes, 1, "saved");
    h.prompts.savePaths = {h.dir.file("p.prj")};
    app.saveProjectAs();
    app.undo();
    app.editCell(Notes, 1, "other");
    app.undo();
    app.redo();
    EXPECT_EQ(h.grid().cellText(Notes, 1), "other");
    EXPECT_TRUE(h.project().hasUnsavedChanges());
    EXPECT_FALSE(h.project().isSaved());
}

// Delete Task on the emptied first row, a block pasted onto itself, one cell pasted onto
// itself: nothing changes, so no step is added and a saved project stays saved.
TEST(UndoTest, ACommandThatChangesNothingAddsNoStep) {
    AppHarness h;
    MainController& app = h.start();
    app.selectCell(TaskNo, 1);
    app.deleteTask();
    h.clipboard.contents = "x\ty\r\n";
    app.selectCell(Hours, 2);
    app.paste();
    h.prompts.savePaths = {h.dir.file("p.prj")};
    app.saveProjectAs();
    const std::size_t steps = app.history().size();
    app.selectCell(TaskNo, 1);
    app.deleteTask();
    app.selectRange(Hours, 2, StartDate, 2);
    app.copySelection();
    app.selectCell(Hours, 2);
    app.paste();
    app.copySelection();
    app.paste();
    EXPECT_EQ(h.clipboard.contents, "x");
    EXPECT_EQ(app.history().size(), steps);
    EXPECT_TRUE(h.project().isSaved());
}

// Bounded by bytes too, with the oldest dropped first; a step past the bound is made but
// clears the way back, and a redo too large to keep ends the way back past it.
// A step larger than the whole bound is done, cannot be undone, and says so.
TEST(UndoTest, AStepTooLargeToKeepIsDoneAndClearsTheHistory) {
    AppHarness h;
    MainController app(h.ports(), 1000);
    app.startUp();
    app.editCell(Notes, 1, "kept");
    app.editCell(Notes, 1, std::string(2000, 'y'));
    ASSERT_TRUE(app.history().canUndo());
    app.editCell(Notes, 1, "z");  // its undo would hold the 2,000 bytes
    EXPECT_EQ(app.grid().cellText(Notes, 1), "z");
    EXPECT_FALSE(app.history().canUndo());
    EXPECT_EQ(app.statusMessage(), "This change cannot be undone (too large)");
    app.editCell(Notes, 1, "again");  // the next small step is undoable once more
    app.undo();
    EXPECT_EQ(app.grid().cellText(Notes, 1), "z");
}

TEST(UndoTest, HistoryBytesAreBounded) {
    CellGrid grid(2, 4, 1);
    History history(4000);
    const auto edit = [&](const std::string& text) {
        grid.beginStep(history.maxBytes());
        grid.setCellText(0, 1, text);
        history.add("Typing", grid.endStep());
    };
    for (const char c : std::string("abcde")) edit(std::string(250, c));
    // Each later step holds its old 250 bytes in a block of 1 KB: the first two went.
    EXPECT_EQ(history.size(), 3u);
    EXPECT_LE(history.bytes(), history.maxBytes());
    while (history.canUndo()) history.undo(grid);
    EXPECT_EQ(grid.cellText(0, 1), std::string(250, 'b'));
    while (history.canRedo()) history.redo(grid);
    EXPECT_EQ(grid.cellText(0, 1), std::string(250, 'e'));

    edit(std::string(5000, 'f'));  // records e only
    history.undo(grid);            // the redo would hold f: too large
    EXPECT_EQ(grid.cellText(0, 1), std::string(250, 'e'));
    EXPECT_FALSE(history.canRedo());
    EXPECT_TRUE(history.canUndo());

    edit(std::string(5000, 'g'));
    edit("h");  // holds g: too large
    EXPECT_EQ(grid.cellText(0, 1), "h");
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.size(), 0u);
    EXPECT_EQ(history.bytes(), 0u);
}

// Redoing a step may take more than undoing it did: the bound holds after undo and redo
// too, the steps furthest to redo going to make room.
TEST(UndoTest, HistoryBytesStayBoundedThroughUndoAndRedo) {
    CellGrid grid(3, 2, 1);
    History history(20000);
    for (int col = 0; col < 3; ++col) {
        grid.beginStep(history.maxBytes());
        grid.setCellText(col, 1, std::string(9000, static_cast<char>('a' + col)));
        history.add("Typing", grid.endStep());
    }
    while (history.canUndo()) {
        history.undo(grid);
        EXPECT_LE(history.bytes(), history.maxBytes());
    }
    while (history.canRedo()) {
        history.redo(grid);
        EXPECT_LE(history.bytes(), history.maxBytes());
    }
    EXPECT_EQ(grid.cellText(1, 1), std::string(9000, 'b'));
    EXPECT_EQ(grid.cellText(2, 1), "");  // its redo went
}

// A redo that fails half-way (here past the cell limit, the rows having grown outside the
// history) takes back what it did: the grid and the history stay as they were.
TEST(UndoTest, ARevertThatFailsLeavesGridAndHistoryAsTheyWere) {
    CellGrid grid(4, 2, 1);
    History history;
    grid.beginStep(history.maxBytes());
    grid.setCellText(0, 1, "changed");
    grid.setColCount(100000);
    history.add("Widen", grid.endStep());
    history.undo(grid);
    grid.setRowCount(1000);
    const std::size_t bytes = history.bytes();
    EXPECT_THROW(history.redo(grid), CellGridError);
    EXPECT_EQ(grid.cellText(0, 1), "");
    EXPECT_EQ(grid.colCount(), 4);
    EXPECT_EQ(history.redoName(), "Widen");
    EXPECT_EQ(history.bytes(), bytes);
    grid.setRowCount(2);
    history.redo(grid);
    EXPECT_EQ(grid.cellText(0, 1), "changed");
    EXPECT_EQ(grid.colCount(), 100000);
}

}  // namespace
}  // namespace quillet::test
