#include "shell/Form1.h"
#include "shell/OwnedForm1.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <fstream>

#include <gtest/gtest.h>

#include "shell/GridModel.h"
#include "shell/MainMenu.h"
#include "shell/QtPorts.h"
#include "support/FakePorts.h"
#include "support/Fakes.h"

namespace quillet {
namespace {

class Form1Test : public ::testing::Test, protected test::FakePorts {
  protected:
    QTemporaryDir dir;

    std::unique_ptr<Form1> makeForm() { return std::make_unique<test::OwnedForm1>(ports()); }
    std::string touch(const char* name) {
        const std::string path = dir.filePath(name).toStdString();
        std::ofstream(path) << "1,1\r\n";
        return path;
    }
    static QString text(const Form1& form, const char* label) {
        return form.findChild<QLabel*>(label)->text();
    }
};

TEST_F(Form1Test, FirstStartShowsTheDefaultProject) {
    auto form = makeForm();
    const CellGrid& grid = form->controller().grid();
    const int expected[7] = {42, 120, 64, 64, 64, 120, 64};
    for (int col = 0; col < 7; ++col) {
        EXPECT_EQ(grid.colWidth(col), expected[col]) << col;
        EXPECT_EQ(form->gridView()->horizontalHeader()->sectionSize(col), expected[col]) << col;
    }
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_EQ(grid.cellText(0, 0), "Task #");
    EXPECT_EQ(grid.cellText(6, 0), "End Date");
    EXPECT_EQ(grid.cellText(0, 1), "1");
    EXPECT_EQ(grid.cellText(3, 1), "12/7/2026");
    for (int row = 2; row < 5; ++row)
        for (int col = 0; col < 7; ++col) EXPECT_EQ(grid.cellText(col, row), "");
    EXPECT_EQ(form->gridModel()->rowCount(), 4);
    EXPECT_EQ(form->gridModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              "Task Description");

    EXPECT_EQ(form->windowTitle(), "Quillet1[*]");
    EXPECT_FALSE(form->isWindowModified());
    auto* tabs = form->findChild<QTabBar*>("TabControl1");
    ASSERT_EQ(tabs->count(), 1);
    EXPECT_EQ(tabs->tabText(0), "Untitled Project");
    EXPECT_EQ(text(*form, "Label1"), "Total Cost/Fees for current project: $");
    EXPECT_EQ(text(*form, "lblTotal"), " ");
    EXPECT_FALSE(text(*form, "StatusBar1Panel2").isEmpty());
    EXPECT_EQ(form->findChild<QLabel*>("StatusBar1Panel0")->width(), 250);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_FALSE(form->action(QStringLiteral("mnuReopenF%1").arg(k))->isVisible());
    }
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Form1Test, MenusAndToolbarCarryTheirCaptionsInOrder) {
    auto form = makeForm();
    QStringList menus;
    for (QAction* a : form->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Timer", "&View", "&Help"}));
    EXPECT_EQ(form->action("mnuSaveProjectAs1")->text(), "Sav&e Project As...");
    EXPECT_EQ(form->action("mnuStartTimer1")->text(), "&S - Start/Resume Timer");
    EXPECT_EQ(form->action("mnuCalculateTotal")->text(), "Calculate &Total for current project");
    EXPECT_EQ(form->action("pupAddtotaltogrid")->text(), "&Add total to bottom of grid ");
    EXPECT_EQ(form->action("mnuVisitQuillet1homepage")->text(), "&Visit Quillet1 home page...");

    auto* toolbar = form->findChild<QToolBar*>("Toolbar1");
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->windowTitle(), "Quillet1 Toolbar");
    EXPECT_TRUE(toolbar->isMovable());
    EXPECT_TRUE(toolbar->isFloatable());
    QStringList hints;
    for (QAction* a : toolbar->actions()) hints << (a->isSeparator() ? "|" : a->toolTip());
    EXPECT_EQ(hints, QStringList({"New Project", "Open Project", "Save Project", "|", "Cut", "Copy",
                                  "Paste", "Undo", "Redo", "|", "Find", "|", "Add New Task",
                                  "Delete Task"}));

    EXPECT_EQ(form->action("tbtnCut")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Cut));
}

TEST_F(Form1Test, StoredWidthsAndExistingReopenPathsAreApplied) {
    settings.values = {{"col_2w", "200"}, {"col_7w", "33"}, {"col_3w", "n/a"}};
    const std::string a = touch("a.prj");
    const std::string c = touch("c.prj");
    settings.values["reopenF1"] = a;
    settings.values["reopenF2"] = dir.filePath("gone.prj").toStdString();
    settings.values["reopenF3"] = c;
    auto form = makeForm();
    const CellGrid& grid = form->controller().grid();
    EXPECT_EQ(grid.colWidth(1), 200);
    EXPECT_EQ(grid.colWidth(2), 64);
    EXPECT_EQ(grid.colWidth(6), 33);
    EXPECT_EQ(form->gridView()->horizontalHeader()->sectionSize(1), 200);
    EXPECT_TRUE(form->action("mnuReopenF1")->isVisible());
    EXPECT_EQ(form->action("mnuReopenF1")->text().toStdString(), a);
    EXPECT_FALSE(form->action("mnuReopenF2")->isVisible());
    EXPECT_TRUE(form->action("mnuReopenF3")->isVisible());
    EXPECT_EQ(settings.values["reopenF2"], dir.filePath("gone.prj").toStdString());  // kept
}

TEST_F(Form1Test, ABadStoredWidthIsReportedAndStartUpFinishes) {
    settings.values = {{"col_1w", "wide"}, {"col_2w", "150"}};
    auto form = makeForm();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "'wide' is not a valid integer value");
    EXPECT_EQ(form->controller().grid().colWidth(0), 42);
    EXPECT_EQ(form->controller().grid().colWidth(1), 150);
    EXPECT_EQ(form->controller().grid().cellText(0, 1), "1");
}

TEST_F(Form1Test, ClosingStoresTheDraggedWidthsAndAsksToSave) {
    auto form = makeForm();
    form->show();
    form->gridView()->horizontalHeader()->resizeSection(3, 97);  // as a user's drag does
    EXPECT_EQ(form->controller().grid().colWidth(3), 97);
    prompts.yesNoAnswers = {false};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(prompts.questions,
              std::vector<std::string>{"Do you want to save the current project?"});
    const std::vector<std::string> keys = {"col_1w", "col_2w", "col_3w", "col_4w",
                                           "col_5w", "col_6w", "col_7w"};
    EXPECT_EQ(settings.writes, keys);
    EXPECT_EQ(settings.values["col_4w"], "97");
    EXPECT_EQ(settings.values["col_1w"], "42");

    auto again = makeForm();
    EXPECT_EQ(again->controller().grid().colWidth(3), 97);
}

TEST_F(Form1Test, CancelOnTheSaveQuestionKeepsTheWindowAndTheWork) {
    // The real question box: Esc and the window's close button answer Cancel.
    QtPrompts real;
    for (const bool closeButton : {false, true}) {
        QTimer::singleShot(0, [closeButton] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            if (closeButton) {
                box->close();
            } else {
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        EXPECT_EQ(real.askYesNoCancel("Do you want to save the current project?"), Answer::Cancel);
    }

    auto form = makeForm();
    form->show();
    form->controller().editCell(Description, 1, "unsaved work");
    for (QAction* MainMenu::*action : {&MainMenu::mnuExit1, &MainMenu::mnuNew1}) {
        prompts.yesNoAnswers = {Answer::Cancel};
        (form->menu().*action)->trigger();
        EXPECT_TRUE(prompts.yesNoAnswers.empty());
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->controller().grid().cellText(Description, 1), "unsaved work");
    }
    prompts.yesNoAnswers = {false};
}

TEST_F(Form1Test, EditingInTheViewReachesTheStore) {
    auto form = makeForm();
    GridModel* model = form->gridModel();
    EXPECT_TRUE(
        model->setData(model->index(1, 1), QStringLiteral("Write report \u00e9"), Qt::EditRole));
    EXPECT_EQ(form->controller().grid().cellText(1, 2), "Write report \xC3\xA9");
    form->controller().grid().setCellColor(1, 2, clYellow);
    EXPECT_EQ(model->data(model->index(1, 1), Qt::BackgroundRole).value<QBrush>().color(),
              QColor(255, 255, 0));
    form->controller().grid().setCellText(2, 1, "caf\xE9");  // an older file's byte
    EXPECT_EQ(model->data(model->index(0, 2), Qt::DisplayRole).toString(),
              QString::fromUtf8("caf\xC3\xA9"));
}

}  // namespace
}  // namespace quillet

#include <QAbstractItemModelTester>

namespace quillet {
namespace {

TEST_F(Form1Test, ModelStaysConsistentThroughCountChanges) {
    auto form = makeForm();
    QAbstractItemModelTester tester(form->gridModel(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    CellGrid& grid = form->controller().grid();
    grid.setRowCount(40);
    grid.setCellText(3, 20, "x");
    grid.deleteRows(2, 1);
    grid.setColCount(9);
    grid.setFixedRows(0);
    EXPECT_EQ(form->gridModel()->rowCount(), 39);
    EXPECT_EQ(form->gridModel()->data(form->gridModel()->index(19, 3), Qt::DisplayRole), "x");
    EXPECT_TRUE(form->gridView()->horizontalHeader()->isHidden());
}

}  // namespace
}  // namespace quillet
