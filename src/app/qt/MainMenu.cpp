#include "app/qt/MainMenu.h"

#include <QApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace quillet {

namespace {

struct ToolButton {
    const char* name;
    const char* hint;
    const char* theme;
    QStyle::StandardPixmap fallback;
};

// nullptr name: a gap between groups of buttons.
const ToolButton kToolButtons[] = {
    {"tbtnNew", "New Project", "document-new", QStyle::SP_FileIcon},
    {"tbtnOpen", "Open Project", "document-open", QStyle::SP_DialogOpenButton},
    {"tbtnSave", "Save Project", "document-save", QStyle::SP_DialogSaveButton},
    {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
    {"tbtnCut", "Cut", "edit-cut", QStyle::SP_DialogDiscardButton},
    {"tbtnCopy", "Copy", "edit-copy", QStyle::SP_FileDialogDetailedView},
    {"tbtnPaste", "Paste", "edit-paste", QStyle::SP_DialogApplyButton},
    {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
    {"tbtnFind", "Find", "edit-find", QStyle::SP_FileDialogContentsView},
    {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
    {"tbtnAdd", "Add New Task", "list-add", QStyle::SP_FileDialogNewFolder},
    {"tbtnRemove", "Delete Task", "list-remove", QStyle::SP_TrashIcon},
};

}  // namespace

const QHash<QString, QString>& MainMenu::forwards() {
    static const QHash<QString, QString> map = {
        {"tbtnNew", "mnuNew1"},
        {"tbtnOpen", "mnuOpen1"},
        {"tbtnSave", "mnuSave1"},
        {"tbtnCopy", "mnuCopy1"},
        {"tbtnPaste", "mnuPaste1"},
        {"tbtnFind", "mnuFind1"},
        {"tbtnAdd", "mnuAddTask1"},
        {"tbtnRemove", "mnuDeleteTask1"},
        {"pupCopy1", "mnuCopy1"},
        {"pupPaste1", "mnuPaste1"},
        {"pupAddTask1", "mnuAddTask1"},
        {"pupDeleteTask1", "mnuDeleteTask1"},
        {"pupRecalculateTotalforproject1", "mnuCalculateTotal"},
    };
    return map;
}

MainMenu::MainMenu(QMainWindow* window) {
    buildMenuBar(window);
    buildToolbar(window);
    buildPopups(window);
}

QAction* MainMenu::action(const QString& name) const {
    return actions_.value(name, nullptr);
}

QAction* MainMenu::add(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    actions_.insert(action->objectName(), action);
    return action;
}

void MainMenu::buildMenuBar(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    bar->setObjectName("MainMenu1");

    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile1");
    add(file, "mnuNew1", "&New Project");
    add(file, "mnuOpen1", "&Open Project...");
    QMenu* reopen = file->addMenu("&Reopen");
    reopen->setObjectName("mnuReopen1");
    for (int k = 1; k <= 5; ++k) {
        const QByteArray name = "mnuReopenF" + QByteArray::number(k);
        add(reopen, name.constData(), "")->setVisible(false);
    }
    reopen->addSeparator();
    add(reopen, "mnuClearReopenList1", "Clear this Reopen file list");
    add(file, "mnuImportoldfile", "&Import old file (CSV format)");
    file->addSeparator();
    add(file, "mnuSave1", "&Save Project");
    add(file, "mnuSaveProjectAs1", "Sav&e Project As...");
    file->addSeparator();
    QMenu* options = file->addMenu("&Options");
    options->setObjectName("mnuOptions1");
    add(options, "mnuChangeColumnNames1", "&Change Column Names");
    add(options, "mnuChangeFontSettings1", "Change Font Settings");
    add(file, "mnuPrint1", "&Print");
    file->addSeparator();
    add(file, "mnuExit1", "E&xit");

    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("mnuEdit1");
    add(edit, "mnuCopy1", "&Copy");
    add(edit, "mnuPaste1", "&Paste");
    add(edit, "mnuCopyAll1", "Copy All");
    edit->addSeparator();
    add(edit, "mnuAddTask1", "&Add New Task");
    add(edit, "mnuDeleteTask1", "&Delete Task");
    edit->addSeparator();
    add(edit, "mnuFind1", "&Find");
    add(edit, "mnuFindAgain1", "Fi&nd Again");
    add(edit, "mnuResetHighlightedCells1", "Reset Highlighted Cells");
    edit->addSeparator();
    add(edit, "mnuCalculateTotal", "Calculate &Total for current project");

    QMenu* timer = bar->addMenu("&Timer");
    timer->setObjectName("mnuTimer1");
    add(timer, "mnuStartTimer1", "&S - Start/Resume Timer");
    add(timer, "mnuStopTimer1", "&X - Stop Timer");
    timer->addSeparator();
    add(timer, "mnuResetTimer1", "&Reset Timer");

    QMenu* view = bar->addMenu("&View");
    view->setObjectName("mnuView1");
    add(view, "mnuCalendar1", "&Calendar...");
    view->addSeparator();
    add(view, "mnuSortbyTask1", "&Sort by Task #");
    add(view, "mnuSortbyTaskDate1", "Sort by Task Date");

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("mnuHelp1");
    add(help, "HelpContents1", "Help &Contents...");
    help->addSeparator();
    add(help, "mnuAbout1", "About...");
    add(help, "mnuVisitQuillet1homepage", "&Visit Quillet1 home page...");
}

void MainMenu::buildToolbar(QMainWindow* window) {
    toolbar_ = new QToolBar(QStringLiteral("Quillet1 Toolbar"), window);
    toolbar_->setObjectName("Toolbar1");
    toolbar_->setMovable(true);
    toolbar_->setFloatable(true);
    window->addToolBar(Qt::TopToolBarArea, toolbar_);
    QStyle* style = window->style();
    for (const ToolButton& button : kToolButtons) {
        if (!button.name) {
            toolbar_->addSeparator();
            continue;
        }
        QAction* action = toolbar_->addAction(
            QIcon::fromTheme(button.theme, style->standardIcon(button.fallback)), button.hint);
        action->setObjectName(button.name);
        action->setToolTip(button.hint);
        action->setStatusTip(button.hint);
        actions_.insert(action->objectName(), action);
    }
}

void MainMenu::buildPopups(QMainWindow* window) {
    pmnLeft_ = new QMenu(window);
    pmnLeft_->setObjectName("pmnLeft");
    add(pmnLeft_, "pitShow", "Show Window");
    add(pmnLeft_, "pitHide", "Hide Window");

    pmnRight_ = new QMenu(window);
    pmnRight_->setObjectName("pmnRight");
    add(pmnRight_, "mnuRShowWindow1", "Show Window");
    add(pmnRight_, "mnuRHideWindow1", "Hide Window");
    pmnRight_->addSeparator();
    add(pmnRight_, "prExit", "Exit");

    pupmnuGrid_ = new QMenu(window);
    pupmnuGrid_->setObjectName("pupmnuGrid");
    add(pupmnuGrid_, "pupCopy1", "&Copy");
    add(pupmnuGrid_, "pupPaste1", "&Paste");
    add(pupmnuGrid_, "pupAddTask1", "&Add new Task");
    add(pupmnuGrid_, "pupDeleteTask1", "&Delete current Task");

    puplblTotal_ = new QMenu(window);
    puplblTotal_->setObjectName("puplblTotal");
    add(puplblTotal_, "pupRecalculateTotalforproject1", "&Recalculate Total for project");
    add(puplblTotal_, "pupAddtotaltogrid", "&Add total to bottom of grid ");
}

}  // namespace quillet
