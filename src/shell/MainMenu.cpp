#include "shell/MainMenu.h"

#include "shell/ThemeIcons.h"

#include <QApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace quillet {

MainMenu::MainMenu(QMainWindow* window) {
    buildMenuBar(window);
    buildToolbar(window);
    buildPopups(window);
    addStandardKeys();
}

QAction* MainMenu::add(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    all_.append(action);
    return action;
}

void MainMenu::buildMenuBar(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    bar->setObjectName("MainMenu1");

    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile1");
    mnuNew1 = add(file, "mnuNew1", "&New Project");
    mnuOpen1 = add(file, "mnuOpen1", "&Open Project...");
    QMenu* reopen = file->addMenu("&Reopen");
    reopen->setObjectName("mnuReopen1");
    for (int k = 1; k <= 5; ++k) {
        const QByteArray name = "mnuReopenF" + QByteArray::number(k);
        QAction* item = add(reopen, name.constData(), "");
        item->setVisible(false);
        mnuReopenF[static_cast<size_t>(k - 1)] = item;
    }
    reopen->addSeparator();
    mnuClearReopenList1 = add(reopen, "mnuClearReopenList1", "Clear this Reopen file list");
    mnuImportoldfile = add(file, "mnuImportoldfile", "&Import old file (CSV format)");
    mnuExport1 = add(file, "mnuExport1", "&Export...");
    mnuExport1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    mnuSave1 = add(file, "mnuSave1", "&Save Project");
    mnuSaveProjectAs1 = add(file, "mnuSaveProjectAs1", "Sav&e Project As...");
    mnuRestoreBackup1 = add(file, "mnuRestoreBackup1", "Restore &Backup...");
    file->addSeparator();
    QMenu* options = file->addMenu("&Options");
    options->setObjectName("mnuOptions1");
    mnuChangeColumnNames1 = add(options, "mnuChangeColumnNames1", "&Change Column Names");
    mnuChangeFontSettings1 = add(options, "mnuChangeFontSettings1", "Change Font Settings");
    mnuPrint1 = add(file, "mnuPrint1", "&Print");
    file->addSeparator();
    mnuExit1 = add(file, "mnuExit1", "E&xit");

    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("mnuEdit1");
    mnuUndo1 = add(edit, "mnuUndo1", "&Undo");
    mnuRedo1 = add(edit, "mnuRedo1", "&Redo");
    edit->addSeparator();
    mnuCopy1 = add(edit, "mnuCopy1", "&Copy");
    mnuPaste1 = add(edit, "mnuPaste1", "&Paste");
    mnuCopyAll1 = add(edit, "mnuCopyAll1", "Copy All");
    edit->addSeparator();
    mnuAddTask1 = add(edit, "mnuAddTask1", "&Add New Task");
    mnuDeleteTask1 = add(edit, "mnuDeleteTask1", "&Delete Task");
    edit->addSeparator();
    mnuFind1 = add(edit, "mnuFind1", "&Find");
    mnuFindAgain1 = add(edit, "mnuFindAgain1", "Fi&nd Again");
    mnuResetHighlightedCells1 = add(edit, "mnuResetHighlightedCells1", "Reset Highlighted Cells");
    edit->addSeparator();
    mnuCalculateTotal = add(edit, "mnuCalculateTotal", "Calculate &Total for current project");

    QMenu* timer = bar->addMenu("&Timer");
    timer->setObjectName("mnuTimer1");
    mnuStartTimer1 = add(timer, "mnuStartTimer1", "&S - Start/Resume Timer");
    mnuStopTimer1 = add(timer, "mnuStopTimer1", "&X - Stop Timer");
    timer->addSeparator();
    mnuResetTimer1 = add(timer, "mnuResetTimer1", "&Reset Timer");
    timer->addSeparator();
    mnuAddTimerToHours1 = add(timer, "mnuAddTimerToHours1", "Add Timer to Task &Hours");
    mnuAddTimerToHours1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    timer->addSeparator();
    mnuStopwatchSettings1 = add(timer, "mnuStopwatchSettings1", "Stopwatch &Settings...");

    QMenu* view = bar->addMenu("&View");
    view->setObjectName("mnuView1");
    mnuCalendar1 = add(view, "mnuCalendar1", "&Calendar...");
    mnuSummary1 = add(view, "mnuSummary1", "&Summary...");
    mnuSummary1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    view->addSeparator();
    mnuSortbyTask1 = add(view, "mnuSortbyTask1", "&Sort by Task #");
    mnuSortbyTaskDate1 = add(view, "mnuSortbyTaskDate1", "Sort by Task Date");

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("mnuHelp1");
    HelpContents1 = add(help, "HelpContents1", "Help &Contents...");
    help->addSeparator();
    mnuAbout1 = add(help, "mnuAbout1", "About...");
    mnuVisitQuillet1homepage =
        add(help, "mnuVisitQuillet1homepage", "&Visit Quillet1 home page...");
}

QAction* MainMenu::addButton(const char* name, const char* hint, const char* theme) {
    QAction* action = toolbar_->addAction(themeIcon(theme), QString::fromUtf8(hint));
    action->setObjectName(QString::fromUtf8(name));
    action->setToolTip(QString::fromUtf8(hint));
    action->setStatusTip(QString::fromUtf8(hint));
    all_.append(action);
    return action;
}

void MainMenu::buildToolbar(QMainWindow* window) {
    toolbar_ = new QToolBar(QStringLiteral("Quillet1 Toolbar"), window);
    toolbar_->setObjectName("Toolbar1");
    toolbar_->setMovable(true);
    toolbar_->setFloatable(true);
    window->addToolBar(Qt::TopToolBarArea, toolbar_);
    tbtnNew = addButton("tbtnNew", "New Project", "document-new");
    tbtnOpen = addButton("tbtnOpen", "Open Project", "document-open");
    tbtnSave = addButton("tbtnSave", "Save Project", "document-save");
    toolbar_->addSeparator();
    tbtnCut = addButton("tbtnCut", "Cut", "edit-cut");
    tbtnCopy = addButton("tbtnCopy", "Copy", "edit-copy");
    tbtnPaste = addButton("tbtnPaste", "Paste", "edit-paste");
    tbtnUndo = addButton("tbtnUndo", "Undo", "edit-undo");
    tbtnRedo = addButton("tbtnRedo", "Redo", "edit-redo");
    toolbar_->addSeparator();
    tbtnFind = addButton("tbtnFind", "Find", "edit-find");
    toolbar_->addSeparator();
    tbtnAdd = addButton("tbtnAdd", "Add New Task", "list-add");
    tbtnRemove = addButton("tbtnRemove", "Delete Task", "list-remove");
}

void MainMenu::addStandardKeys() {
    // The desktop's usual keys, on top of the menus' & letters; the captions stay as they are.
    const std::pair<QAction*, QKeySequence::StandardKey> keys[] = {
        {mnuNew1, QKeySequence::New},
        {mnuOpen1, QKeySequence::Open},
        {mnuSave1, QKeySequence::Save},
        {mnuSaveProjectAs1, QKeySequence::SaveAs},
        {mnuPrint1, QKeySequence::Print},
        {mnuExit1, QKeySequence::Quit},
        {mnuCopy1, QKeySequence::Copy},
        {mnuPaste1, QKeySequence::Paste},
        {mnuUndo1, QKeySequence::Undo},
        {mnuRedo1, QKeySequence::Redo},
        {tbtnCut, QKeySequence::Cut},
        {mnuFind1, QKeySequence::Find},
        {mnuFindAgain1, QKeySequence::FindNext},
    };
    for (const auto& [action, key] : keys) {
        QList<QKeySequence> sequences = QKeySequence::keyBindings(key);
        // Some desktops bind no key to Save As or Quit: give the common ones.
        if (key == QKeySequence::SaveAs && sequences.isEmpty())
            sequences = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};
        if (key == QKeySequence::Quit && sequences.isEmpty())
            sequences = {QKeySequence(Qt::CTRL | Qt::Key_Q)};
        if (key == QKeySequence::FindNext && !sequences.contains(QKeySequence(Qt::Key_F3)))
            sequences.prepend(QKeySequence(Qt::Key_F3));
        action->setShortcuts(sequences);
    }
    // Menus show the toolbar's pictures and a few of their own.
    const std::pair<QAction*, const char*> icons[] = {
        {mnuNew1, "document-new"},
        {mnuOpen1, "document-open"},
        {mnuSave1, "document-save"},
        {mnuSaveProjectAs1, "document-save-as"},
        {mnuRestoreBackup1, "document-revert"},
        {mnuExport1, "document-export"},
        {mnuPrint1, "document-print"},
        {mnuExit1, "application-exit"},
        {mnuUndo1, "edit-undo"},
        {mnuRedo1, "edit-redo"},
        {mnuCopy1, "edit-copy"},
        {mnuPaste1, "edit-paste"},
        {mnuAddTask1, "list-add"},
        {mnuDeleteTask1, "list-remove"},
        {mnuFind1, "edit-find"},
        {mnuStartTimer1, "media-playback-start"},
        {mnuStopTimer1, "media-playback-stop"},
        {HelpContents1, "help-contents"},
        {mnuAbout1, "help-about"},
    };
    for (const auto& [action, name] : icons) action->setIcon(themeIcon(name));
}

void MainMenu::buildPopups(QMainWindow* window) {
    pmnLeft_ = new QMenu(window);
    pmnLeft_->setObjectName("pmnLeft");
    pitShow = add(pmnLeft_, "pitShow", "Show Window");
    pitHide = add(pmnLeft_, "pitHide", "Hide Window");

    pmnRight_ = new QMenu(window);
    pmnRight_->setObjectName("pmnRight");
    mnuRShowWindow1 = add(pmnRight_, "mnuRShowWindow1", "Show Window");
    mnuRHideWindow1 = add(pmnRight_, "mnuRHideWindow1", "Hide Window");
    pmnRight_->addSeparator();
    // The tray offers the booking of the stopwatch's time too: the same action as the menu's.
    pmnRight_->addAction(mnuAddTimerToHours1);
    prExit = add(pmnRight_, "prExit", "Exit");

    pupmnuGrid_ = new QMenu(window);
    pupmnuGrid_->setObjectName("pupmnuGrid");
    pupCopy1 = add(pupmnuGrid_, "pupCopy1", "&Copy");
    pupPaste1 = add(pupmnuGrid_, "pupPaste1", "&Paste");
    pupAddTask1 = add(pupmnuGrid_, "pupAddTask1", "&Add new Task");
    pupDeleteTask1 = add(pupmnuGrid_, "pupDeleteTask1", "&Delete current Task");

    puplblTotal_ = new QMenu(window);
    puplblTotal_->setObjectName("puplblTotal");
    pupRecalculateTotalforproject1 =
        add(puplblTotal_, "pupRecalculateTotalforproject1", "&Recalculate Total for project");
    pupAddtotaltogrid = add(puplblTotal_, "pupAddtotaltogrid", "&Add total to bottom of grid ");
}

}  // namespace quillet
