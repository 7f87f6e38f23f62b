#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "shell/Form1.h"
#include "shell/GridModel.h"
#include "shell/MainMenu.h"
#include "shell/OwnedForm1.h"
#include "shell/QtPorts.h"
#include "shell/windows/FindDialog.h"
#include "support/FakePorts.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class Form1CommandsTest : public ::testing::Test, protected test::FakePorts {
  protected:
    test::TempDir dir;
    test::OwnedForm1 form{ports()};

    CellGrid& grid() { return form.controller().grid(); }
    QString label(const char* name) const { return form.findChild<QLabel*>(name)->text(); }
    QString tabText() const { return form.findChild<QTabBar*>("TabControl1")->tabText(0); }
    void select(int col, int gridRow) {
        GridModel* model = form.gridModel();
        form.gridView()->selectionModel()->setCurrentIndex(
            model->index(model->modelRow(gridRow), col), QItemSelectionModel::ClearAndSelect);
    }
};

TEST_F(Form1CommandsTest, SaveAsWritesTheFileAndOpenBringsItBack) {
    grid().setCellText(1, 1, "Design");
    grid().setCellText(4, 1, "150");
    const std::string path = dir.file("work.prj");
    prompts.savePaths = {path};
    form.action("mnuSaveProjectAs1")->trigger();
    EXPECT_EQ(tabText().toStdString(), path);
    EXPECT_EQ(label("lblTotal"), "150");
    EXPECT_TRUE(form.action("mnuReopenF1")->isVisible());
    EXPECT_EQ(settings.values["reopenF1"], path);
    EXPECT_EQ(readAll(path).substr(0, 15), "7,5\r\ncw 0,42\r\nc");
    EXPECT_NE(readAll(path).find("1,1,Design\r\n3,1,12/7/2026\r\n4,1,150\r\n"), std::string::npos);

    // A second window opens it through the toolbar button.
    test::FakePrompts prompts2;
    test::OwnedForm1 other{
        ControllerPorts{prompts2, clipboard, clock, settings, urls, test::usLocale()}};
    prompts2.yesNoAnswers = {false};
    prompts2.openPaths = {path};
    other.action("tbtnOpen")->trigger();
    EXPECT_EQ(prompts2.questions.size(), 1u);
    EXPECT_EQ(other.controller().grid().cellText(1, 1), "Design");
    EXPECT_EQ(other.gridModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole), "Task #");
    EXPECT_EQ(other.findChild<QLabel*>("lblTotal")->text(), "150");
    EXPECT_EQ(other.findChild<QTabBar*>("TabControl1")->tabText(0).toStdString(), path);
}

TEST_F(Form1CommandsTest, ExportSitsAfterImportAndWritesTheTable) {
    QAction* exportAction = form.action("mnuExport1");
    ASSERT_NE(exportAction, nullptr);
    EXPECT_EQ(exportAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    const QList<QAction*> items =
        form.action("mnuImportoldfile")->associatedObjects().isEmpty()
            ? QList<QAction*>()
            : qobject_cast<QMenu*>(form.action("mnuImportoldfile")->associatedObjects().first())
                  ->actions();
    const qsizetype import = items.indexOf(form.action("mnuImportoldfile"));
    ASSERT_GE(import, 0);
    EXPECT_EQ(items.value(import + 1), exportAction);

    grid().setCellText(1, 1, "Design");
    const std::string path = dir.file("table.csv");
    prompts.savePaths = {path};
    exportAction->trigger();
    EXPECT_NE(readAll(path).find("\r\n1,Design,,12/7/2026,,,\r\n"), std::string::npos)
        << readAll(path);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Form1CommandsTest, ClosingAnUntitledProjectOffersSaveAsAndCanBeCancelled) {
    form.show();
    prompts.yesNoAnswers = {true};
    prompts.savePaths = {std::nullopt};
    EXPECT_FALSE(form.close());  // the user cancelled the save dialog: nothing is lost
    EXPECT_TRUE(form.isVisible());

    // What is typed in a cell but not yet entered is saved too (model row 0 is task row 1).
    QTableView* view = form.gridView();
    view->setCurrentIndex(view->model()->index(0, Hours));
    view->edit(view->currentIndex());
    ASSERT_NE(view->findChild<QLineEdit*>(), nullptr);
    view->findChild<QLineEdit*>()->setText("15");
    const std::string path = dir.file("kept.prj");
    prompts.yesNoAnswers = {true};
    prompts.savePaths = {path};
    EXPECT_TRUE(form.close());
    EXPECT_NE(readAll(path).find("0,1,1\r\n"), std::string::npos);
    EXPECT_NE(readAll(path).find("2,1,15\r\n"), std::string::npos) << readAll(path);
}

TEST_F(Form1CommandsTest, AFailedOpenIsReportedAndTheWindowGoesOn) {
    prompts.yesNoAnswers = {false};
    const std::string missing = dir.file("missing.prj");
    prompts.openPaths = {missing};
    form.action("mnuOpen1")->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "Cannot open file " + missing);
    EXPECT_EQ(tabText(), "Untitled Project");
    // The start-up project stays on screen.
    EXPECT_EQ(grid().rowCount(), 5);
    EXPECT_EQ(form.gridModel()->rowCount(), 4);
    EXPECT_EQ(form.gridModel()->index(0, 0).data().toString(), "1");
}

TEST_F(Form1CommandsTest, NoCommandRunsWhileALoadIsInProgress) {
    const std::string path = dir.file("big.prj");
    std::string bytes = "7,3000\r\n";
    for (int row = 1; row < 3000; ++row) bytes += "1," + std::to_string(row) + ",task\r\n";
    test::writeBytes(path, bytes);
    FileProgress& fileProgress = form.controller().project().fileOptions.progress;
    auto progress = fileProgress;
    int attempts = 0;
    fileProgress = [&](std::int16_t percent) {
        progress(percent);
        if (percent == 50) {
            ++attempts;
            form.action("mnuAddTask1")->trigger();  // a click that arrives mid-load
            form.action("mnuNew1")->trigger();
        }
    };
    prompts.yesNoAnswers = {false};
    prompts.openPaths = {path};
    form.action("mnuOpen1")->trigger();
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(grid().rowCount(), 3000);
    EXPECT_EQ(grid().cellText(1, 2999), "task");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Form1CommandsTest, EditsMarkUnsavedAndDatesAreNormalisedWhenAnEditEnds) {
    form.show();
    const auto shownTitle = [&] { return form.windowHandle()->title(); };
    EXPECT_EQ(shownTitle(), "Quillet1");
    GridModel* model = form.gridModel();
    model->setData(model->index(0, 3), QStringLiteral("3/4/2026 14:30"), Qt::EditRole);
    EXPECT_EQ(grid().cellText(3, 1), "03/04/2026");
    model->setData(model->index(0, 6), QStringLiteral("someday"), Qt::EditRole);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "'someday' is not a valid date and time");
    EXPECT_EQ(grid().cellText(6, 1), "someday");
    model->setData(model->index(0, 1), QStringLiteral("3/4/2026"), Qt::EditRole);
    EXPECT_EQ(grid().cellText(1, 1), "3/4/2026");  // not a date column
    EXPECT_EQ(form.controller().project().savedFlag(), "");
    EXPECT_EQ(shownTitle(), "Quillet1*");
    for (int step = 0; step < 3; ++step) form.action("mnuUndo1")->trigger();  // as opened
    EXPECT_EQ(shownTitle(), "Quillet1");
}

// The captions name the step and grey out with nothing to take back or do again.
TEST_F(Form1CommandsTest, UndoAndRedoThroughTheMenuAndToolbar) {
    QAction* undo = form.action("mnuUndo1");
    QAction* redo = form.action("mnuRedo1");
    auto* edit = form.findChild<QMenu*>("mnuEdit1");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->actions().mid(0, 2), QList<QAction*>({undo, redo}));
    EXPECT_EQ(undo->shortcuts(), QKeySequence::keyBindings(QKeySequence::Undo));
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo))
        EXPECT_TRUE(redo->shortcuts().contains(key)) << key.toString().toStdString();
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(form.action("tbtnRedo")->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo");

    GridModel* model = form.gridModel();
    model->setData(model->index(0, 1), QStringLiteral("write"), Qt::EditRole);
    form.action("mnuSortbyTaskDate1")->trigger();
    EXPECT_EQ(undo->text(), "&Undo Sort by Task Date");
    EXPECT_EQ(form.action("tbtnUndo")->toolTip(), "Undo Sort by Task Date");
    EXPECT_TRUE(form.action("tbtnUndo")->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    form.action("tbtnUndo")->trigger();
    undo->trigger();
    EXPECT_EQ(grid().cellText(1, 1), "");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(form.action("tbtnUndo")->isEnabled());
    const std::string typing = "Typing in " + std::string(grid().cellText(1, 0));
    EXPECT_EQ(redo->text(), QString::fromStdString("&Redo " + typing));
    EXPECT_EQ(form.action("tbtnRedo")->toolTip(), QString::fromStdString("Redo " + typing));
    form.action("tbtnRedo")->trigger();
    EXPECT_EQ(grid().cellText(1, 1), "write");
    EXPECT_EQ(redo->text(), "&Redo Sort by Task Date");
}

// Keys on the table: Delete empties the selection, Backspace too when it spans cells.
TEST_F(Form1CommandsTest, DeleteAndCutEmptyTheSelectedCells) {
    grid().setCellText(1, 1, "one");
    grid().setCellText(2, 1, "two");
    grid().setCellText(1, 2, "three");
    QTableView* view = form.gridView();
    view->setCurrentIndex(view->model()->index(0, 1));
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(grid().cellText(1, 1), "");
    EXPECT_EQ(form.action("mnuUndo1")->text(), "&Undo Delete");
    form.action("mnuUndo1")->trigger();
    EXPECT_EQ(grid().cellText(1, 1), "one");

    form.controller().selectRange(1, 1, 2, 2);
    QTest::keyClick(view, Qt::Key_Backspace);
    EXPECT_EQ(grid().cellText(1, 2), "");
    form.action("mnuUndo1")->trigger();
    EXPECT_EQ(grid().cellText(1, 2), "three");

    form.controller().selectRange(1, 1, 2, 2);  // undo left the current cell alone selected
    form.action("tbtnCut")->trigger();
    EXPECT_EQ(grid().cellText(2, 1), "");
    EXPECT_EQ(grid().cellText(1, 0), kDefaultHeadings[1]);
    EXPECT_EQ(form.action("tbtnUndo")->toolTip(), "Undo Cut");
    EXPECT_TRUE(prompts.messages.empty());

    // The Edit menu holds both, with the keys that run them.
    const QList<QAction*> edit = form.findChild<QMenu*>("mnuEdit1")->actions();
    ASSERT_TRUE(edit.contains(form.action("mnuCut1")) && edit.contains(form.action("mnuDelete1")));
    EXPECT_EQ(form.action("mnuDelete1")->shortcuts(),
              QKeySequence::keyBindings(QKeySequence::Delete));
    EXPECT_TRUE(form.action("mnuCut1")->text().endsWith(
        '\t' + QKeySequence(QKeySequence::Cut).toString(QKeySequence::NativeText)));
    form.action("mnuUndo1")->trigger();
    form.controller().selectRange(2, 1, 2, 1);
    form.action("mnuDelete1")->trigger();
    EXPECT_EQ(grid().cellText(2, 1), "");
    EXPECT_EQ(grid().cellText(1, 1), "one");
}

TEST_F(Form1CommandsTest, TasksFindAndSortFromTheMenus) {
    form.action("tbtnAdd")->trigger();
    form.action("mnuAddTask1")->trigger();
    EXPECT_EQ(grid().rowCount(), 7);
    EXPECT_EQ(grid().cellText(0, 6), "6");
    grid().setCellText(1, 3, "write report");
    grid().setCellText(2, 5, "report");

    form.action("tbtnFind")->trigger();
    FindDialog* find = form.findDialog();
    EXPECT_TRUE(find->isVisible());
    find->textField()->setText(QStringLiteral("report"));
    find->findNextButton()->click();
    EXPECT_EQ(grid().cellColor(1, 3), clYellow);
    EXPECT_FALSE(find->isVisible());
    form.action("mnuFindAgain1")->trigger();
    EXPECT_EQ(grid().cellColor(1, 3), clWindow);
    EXPECT_EQ(grid().cellColor(2, 5), clYellow);
    form.action("mnuFindAgain1")->trigger();
    EXPECT_EQ(prompts.messages.back(), "Sorry, next \"report\" not found.");
    // Find Again searches for what the find window holds now, even unsent.
    find->textField()->setText(QStringLiteral("alpha"));
    form.action("mnuFindAgain1")->trigger();
    EXPECT_EQ(prompts.messages.back(), "Sorry, next \"alpha\" not found.");
    // Not found from the window: it stays, its text selected for the next typing.
    form.action("tbtnFind")->trigger();
    form.gridView()->setFocus();
    find->findNextButton()->click();
    EXPECT_EQ(prompts.messages.back(), "Sorry, \"alpha\" not found.");
    EXPECT_TRUE(find->isVisible());
    EXPECT_EQ(find->focusWidget(), find->textField());
    EXPECT_EQ(find->textField()->selectedText(), "alpha");
    form.action("mnuResetHighlightedCells1")->trigger();
    EXPECT_EQ(grid().cellColor(2, 5), clWindow);

    grid().setCellText(0, 2, "10");
    grid().setCellText(0, 3, "2");
    form.action("mnuSortbyTask1")->trigger();
    std::vector<std::string> order;
    for (int row = 1; row < grid().rowCount(); ++row) order.emplace_back(grid().cellText(0, row));
    EXPECT_EQ(order, (std::vector<std::string>{"", "1", "2", "5", "6", "10"}));
    EXPECT_EQ(grid().cellText(1, 3), "write report");  // travelled with its task "2"
}

// The Qt clipboard port, as another program sees it.
TEST(Form1ClipboardTest, CopyAndPasteGoThroughTheDesktopClipboard) {
    test::FakePrompts prompts;
    QtClipboard clipboard;
    test::FakeClock clock;
    test::MemorySettings settings;
    test::FakeUrlOpener urls;
    test::OwnedForm1 form{
        ControllerPorts{prompts, clipboard, clock, settings, urls, test::usLocale()}};
    CellGrid& grid = form.controller().grid();
    grid.setCellText(1, 1, "Design");
    grid.setCellText(2, 1, "2.5");
    grid.setCellText(1, 2, "Review");
    QItemSelectionModel* selection = form.gridView()->selectionModel();
    GridModel* model = form.gridModel();
    selection->setCurrentIndex(model->index(0, 1), QItemSelectionModel::ClearAndSelect);
    selection->setCurrentIndex(model->index(1, 2), QItemSelectionModel::Select);
    selection->select(QItemSelection(model->index(0, 1), model->index(1, 2)),
                      QItemSelectionModel::ClearAndSelect);
    form.action("tbtnCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "Design\t2.5\r\nReview\t\r\n");

    QGuiApplication::clipboard()->setText(QStringLiteral("one cell\r\nof two lines"));
    selection->setCurrentIndex(model->index(2, 5), QItemSelectionModel::ClearAndSelect);
    form.action("mnuPaste1")->trigger();
    EXPECT_EQ(grid.cellText(5, 3), "one cell\r\nof two lines");

    form.action("mnuCopyAll1")->trigger();
    const QString all = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(all.startsWith("Task #\tTask Description\tHours\t"));
    EXPECT_EQ(all.count("\r\n"), 5 + 1);  // five rows, and the pasted line break

    // Copied cells paste back as cells.
    selection->setCurrentIndex(model->index(0, 1), QItemSelectionModel::ClearAndSelect);
    selection->select(QItemSelection(model->index(0, 1), model->index(1, 2)),
                      QItemSelectionModel::ClearAndSelect);
    form.action("tbtnCopy")->trigger();
    selection->setCurrentIndex(model->index(2, 1), QItemSelectionModel::ClearAndSelect);
    form.action("mnuPaste1")->trigger();
    EXPECT_EQ(grid.cellText(1, 3), "Design");
    EXPECT_EQ(grid.cellText(2, 3), "2.5");
    EXPECT_EQ(grid.cellText(1, 4), "Review");
}

}  // namespace
}  // namespace quillet

namespace quillet {
namespace {

// An in-place edit goes through the window's one command: stored, dates normalised,
// the project unsaved; clearing a date cell is not a bad date.
TEST_F(Form1CommandsTest, InPlaceEditsRunThroughTheEditCommand) {
    GridModel* model = form.gridModel();
    const QModelIndex startDate = model->index(model->modelRow(1), StartDate);
    model->setData(startDate, QStringLiteral("3/4/2026 14:30"), Qt::EditRole);
    EXPECT_EQ(grid().cellText(StartDate, 1), "03/04/2026");
    EXPECT_EQ(startDate.data().toString(), "03/04/2026");
    EXPECT_EQ(form.controller().project().savedFlag(), "");

    model->setData(startDate, QString(), Qt::EditRole);
    EXPECT_EQ(grid().cellText(StartDate, 1), "");
    model->setData(startDate, QStringLiteral("soon"), Qt::EditRole);
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"'soon' is not a valid date and time"});
}

}  // namespace
}  // namespace quillet

namespace quillet {
namespace {

// Actions are never disabled, so one without a command would do nothing when clicked.
struct ReceiverCount : QObject {
    using QObject::receivers;
};

TEST_F(Form1CommandsTest, EveryActionIsBoundAndImportRunsFromItsAction) {
    const auto receivers = [](QAction* action) {
        const auto count = &ReceiverCount::receivers;  // callable on any QObject
        return (action->*count)(SIGNAL(triggered(bool)));
    };
    // The menus themselves listen to their actions: compare with a registry nobody wired.
    QMainWindow bare;
    const MainMenu unwired(&bare);
    const QList<QAction*>& wired = form.menu().all();
    ASSERT_EQ(wired.size(), unwired.all().size());
    for (qsizetype i = 0; i < wired.size(); ++i)
        EXPECT_GT(receivers(wired[i]), receivers(unwired.all()[i]))
            << wired[i]->objectName().toStdString();
    QAction* booking = form.action("mnuAddTimerToHours1");
    EXPECT_EQ(booking->text(), "Add Timer to Task &Hours");
    EXPECT_EQ(booking->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    const QList<QAction*> tray = form.menu().pmnRight()->actions();
    ASSERT_GE(tray.size(), 2);
    EXPECT_EQ(tray[tray.size() - 2], booking);  // above Exit
    EXPECT_EQ(tray.back(), form.action("prExit"));

    const std::string csv = dir.file("old.txt");
    std::ofstream(csv, std::ios::binary) << "a,b\r\n1,2\r\n";
    prompts.yesNoAnswers = {false};
    prompts.openPaths = {csv};
    form.action("mnuImportoldfile")->trigger();
    EXPECT_EQ(tabText().toStdString(), csv);
    EXPECT_EQ(form.gridModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "b");
    EXPECT_EQ(form.gridModel()->index(0, 1).data().toString(), "2");
}

}  // namespace
}  // namespace quillet

namespace quillet {
namespace {

TEST_F(Form1CommandsTest, AFileNamedAtStartUpOpensAndAFailureKeepsTheStartUpProject) {
    const std::string missing = dir.file("missing.prj");
    form.runCommand([&] { form.controller().openAtStartUp(missing); });
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Cannot open file " + missing});
    EXPECT_EQ(tabText(), "Untitled Project");
    EXPECT_EQ(grid().cellText(TaskNo, 1), "1");

    const std::string path = dir.file("named.prj");
    std::ofstream(path, std::ios::binary) << "2,2\r\n1,1,Named\r\n";
    form.runCommand([&] { form.controller().openAtStartUp(path); });
    EXPECT_EQ(tabText().toStdString(), path);
    EXPECT_EQ(grid().cellText(1, 1), "Named");
    EXPECT_EQ(form.action("mnuReopenF1")->text().toStdString(), path);
}

TEST_F(Form1CommandsTest, AFileChangedByAnotherProgramIsReloadedWhileUntouched) {
    const std::string path = dir.file("shared.prj");
    std::ofstream(path, std::ios::binary) << "2,2\r\n1,1,Mine\r\n";
    form.runCommand([&] { form.controller().openAtStartUp(path); });
    // Another program replaces the file as editors and sync clients do: a new file, renamed.
    std::ofstream(path + ".tmp", std::ios::binary) << "2,2\r\n1,1,Theirs\r\n";
    std::filesystem::rename(path + ".tmp", path);
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid().cellText(1, 1) == "Theirs"; }, 5000));
    EXPECT_EQ(label("StatusBar1Panel0"), "Reloaded: changed on disk");
    // The new file is watched in turn.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "2,2\r\n1,1,Later\r\n";
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid().cellText(1, 1) == "Later"; }, 5000));
}

TEST_F(Form1CommandsTest, DesktopKeysIconsAndReadablePanels) {
    const std::pair<const char*, QKeySequence::StandardKey> keys[] = {
        {"mnuNew1", QKeySequence::New},   {"mnuOpen1", QKeySequence::Open},
        {"mnuSave1", QKeySequence::Save}, {"mnuPrint1", QKeySequence::Print},
        {"mnuCopy1", QKeySequence::Copy}, {"mnuPaste1", QKeySequence::Paste},
        {"mnuFind1", QKeySequence::Find},
    };
    for (const auto& [name, key] : keys)
        EXPECT_TRUE(form.action(name)->shortcuts().contains(QKeySequence(key))) << name;
    EXPECT_TRUE(form.action("mnuFindAgain1")->shortcuts().contains(QKeySequence(Qt::Key_F3)));
    EXPECT_FALSE(form.action("mnuSaveProjectAs1")->shortcuts().isEmpty());
    EXPECT_FALSE(form.action("mnuExit1")->shortcuts().isEmpty());
    for (const char* name : {"mnuStartTimer1", "mnuStopTimer1", "mnuResetTimer1"})
        EXPECT_TRUE(form.action(name)->shortcuts().isEmpty()) << name;
    EXPECT_EQ(form.action("mnuNew1")->text(), "&New Project");  // captions unchanged

    for (QAction* button : form.menu().toolbar()->actions()) {
        if (button->isSeparator()) continue;
        EXPECT_FALSE(button->icon().pixmap(16, 16).isNull()) << button->objectName().toStdString();
    }

    auto* timer = form.findChild<QLabel*>("StatusBar1Panel1");
    const int needed = timer->fontMetrics().horizontalAdvance("Timer: 00:00:00:00");
    EXPECT_GE(timer->width(), needed);
    // A screen reader hears the panel's text; its role is the description.
    EXPECT_EQ(timer->accessibleDescription(), "Timer");
    EXPECT_EQ(timer->accessibleName(), "Timer");  // empty: it says what it is
    auto* status = form.findChild<QLabel*>("StatusBar1Panel0");
    EXPECT_EQ(status->accessibleDescription(), "Status");
    form.controller().setStatusMessage("Saved");
    form.runCommand([] {});
    EXPECT_EQ(status->accessibleName(), "Saved");
    // A long message grows the panel up to the window and loses the middle of its path,
    // never the reason at its end; the tooltip has it whole.
    form.resize(700, 500);
    const QString message = "Backup skipped: Cannot write file /home/user/Documents/" +
                            QString(200, 'x') + "/work.prj: No space left on device";
    form.controller().setStatusMessage(Message::verbatim(message.toStdString()));
    form.runCommand([] {});
    EXPECT_GT(status->width(), 250);
    EXPECT_LE(status->width(), 700);
    EXPECT_TRUE(status->text().startsWith("Backup skipped: "));
    EXPECT_TRUE(status->text().endsWith("No space left on device"));
    EXPECT_TRUE(status->text().contains(QChar(0x2026)));
    EXPECT_EQ(status->toolTip(), message);
    EXPECT_EQ(status->accessibleName(), message);
    EXPECT_EQ(form.gridView()->accessibleName(), "Tasks");

    // Grid lines take the palette's Mid colour, also after the palette changes.
    QTableView* view = form.gridView();
    auto gridLineColour = [view] {
        QStyleOptionViewItem option;
        option.initFrom(view);
        return static_cast<QRgb>(
            view->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, view));
    };
    EXPECT_EQ(gridLineColour(), view->palette().color(QPalette::Mid).rgba());
    QPalette palette = form.palette();
    palette.setColor(QPalette::Mid, QColor(0x12, 0x34, 0x56));
    form.setPalette(palette);
    EXPECT_EQ(gridLineColour(), QColor(0x12, 0x34, 0x56).rgba());
}

}  // namespace
}  // namespace quillet
