#include "shell/MainMenu.h"

#include "shell/ThemeIcons.h"

#include "app/History.h"
#include "app/Project.h"
#include "shell/CoreMessages.h"
#include "shell/QtPorts.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace quillet {

namespace {
// Captions are marked where they are written and looked up here, in the window's language.
QString text(const char* english) {
    return QCoreApplication::translate("MainMenu", english);
}
}  // namespace

MainMenu::MainMenu(QMainWindow* window) {
    buildMenuBar(window);
    buildToolbar(window);
    buildPopups(window);
    addStandardKeys();
}

void MainMenu::forwardRepeats() {
    using Action = QAction* MainMenu::*;
    static constexpr struct {
        Action from;
        Action to;
    } kForwards[] = {
        {&MainMenu::tbtnNew, &MainMenu::mnuNew1},
        {&MainMenu::tbtnOpen, &MainMenu::mnuOpen1},
        {&MainMenu::tbtnSave, &MainMenu::mnuSave1},
        {&MainMenu::tbtnCut, &MainMenu::mnuCut1},
        {&MainMenu::tbtnCopy, &MainMenu::mnuCopy1},
        {&MainMenu::tbtnPaste, &MainMenu::mnuPaste1},
        {&MainMenu::tbtnUndo, &MainMenu::mnuUndo1},
        {&MainMenu::tbtnRedo, &MainMenu::mnuRedo1},
        {&MainMenu::tbtnFind, &MainMenu::mnuFind1},
        {&MainMenu::tbtnAdd, &MainMenu::mnuAddTask1},
        {&MainMenu::tbtnRemove, &MainMenu::mnuDeleteTask1},
        {&MainMenu::pupCopy1, &MainMenu::mnuCopy1},
        {&MainMenu::pupPaste1, &MainMenu::mnuPaste1},
        {&MainMenu::pupAddTask1, &MainMenu::mnuAddTask1},
        {&MainMenu::pupDeleteTask1, &MainMenu::mnuDeleteTask1},
        {&MainMenu::pupTimeThisTask1, &MainMenu::mnuTimeThisTask1},
        {&MainMenu::pupRecalculateTotalforproject1, &MainMenu::mnuCalculateTotal},
    };
    for (const auto& [from, to] : kForwards)
        QObject::connect(this->*from, &QAction::triggered, this->*to, &QAction::trigger);
}

void MainMenu::showState(const History& history, const std::array<ReopenItem, 5>& reopenItems) {
    const auto showStep = [](QAction* action, const QString& verb, bool can, const Message& name) {
        QString caption = verb;
        if (can) caption += ' ' + CoreMessages::translate(name).replace('&', QStringLiteral("&&"));
        action->setText(caption);
        if (!caption.startsWith('&')) action->setToolTip(caption);  // a toolbar button
        action->setEnabled(can);
    };
    // The captions keep the main window's translations.
    showStep(mnuUndo1, QCoreApplication::translate("quillet::Form1", "&Undo"), history.canUndo(),
             history.undoName());
    showStep(mnuRedo1, QCoreApplication::translate("quillet::Form1", "&Redo"), history.canRedo(),
             history.redoName());
    showStep(tbtnUndo, QCoreApplication::translate("quillet::Form1", "Undo"), history.canUndo(),
             history.undoName());
    showStep(tbtnRedo, QCoreApplication::translate("quillet::Form1", "Redo"), history.canRedo(),
             history.redoName());
    for (size_t k = 0; k < mnuReopenF.size(); ++k) {
        const ReopenItem& item = reopenItems[k];
        // A path is shown verbatim: an "&" in it must not become an accelerator.
        mnuReopenF[k]->setText(toQString(item.caption).replace('&', QStringLiteral("&&")));
        mnuReopenF[k]->setVisible(item.visible);
    }
}

QAction* MainMenu::add(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(text(caption));
    action->setObjectName(QString::fromUtf8(name));
    all_.append(action);
    return action;
}

void MainMenu::buildMenuBar(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    bar->setObjectName("MainMenu1");

    QMenu* file = bar->addMenu(text(QT_TRANSLATE_NOOP("MainMenu", "&File")));
    file->setObjectName("mnuFile1");
    mnuNew1 = add(file, "mnuNew1", QT_TRANSLATE_NOOP("MainMenu", "&New Project"));
    mnuOpen1 = add(file, "mnuOpen1", QT_TRANSLATE_NOOP("MainMenu", "&Open Project..."));
    QMenu* reopen = file->addMenu(text(QT_TRANSLATE_NOOP("MainMenu", "&Reopen")));
    reopen->setObjectName("mnuReopen1");
    for (int k = 1; k <= 5; ++k) {
        const QByteArray name = "mnuReopenF" + QByteArray::number(k);
        QAction* item = add(reopen, name.constData(), "");
        item->setVisible(false);
        mnuReopenF[static_cast<size_t>(k - 1)] = item;
    }
    reopen->addSeparator();
    mnuClearReopenList1 = add(reopen, "mnuClearReopenList1",
                              QT_TRANSLATE_NOOP("MainMenu", "Clear this Reopen file list"));
    mnuImportoldfile = add(file, "mnuImportoldfile",
                           QT_TRANSLATE_NOOP("MainMenu", "&Import old file (CSV format)"));
    mnuExport1 = add(file, "mnuExport1", QT_TRANSLATE_NOOP("MainMenu", "Expor&t..."));
    mnuExport1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    mnuSave1 = add(file, "mnuSave1", QT_TRANSLATE_NOOP("MainMenu", "&Save Project"));
    mnuSaveProjectAs1 =
        add(file, "mnuSaveProjectAs1", QT_TRANSLATE_NOOP("MainMenu", "Sav&e Project As..."));
    mnuRestoreBackup1 =
        add(file, "mnuRestoreBackup1", QT_TRANSLATE_NOOP("MainMenu", "Restore &Backup..."));
    file->addSeparator();
    QMenu* options = file->addMenu(text(QT_TRANSLATE_NOOP("MainMenu", "&Options")));
    options->setObjectName("mnuOptions1");
    mnuChangeColumnNames1 = add(options, "mnuChangeColumnNames1",
                                QT_TRANSLATE_NOOP("MainMenu", "&Change Column Names"));
    mnuChangeFontSettings1 = add(options, "mnuChangeFontSettings1",
                                 QT_TRANSLATE_NOOP("MainMenu", "Change Font Settings"));
    mnuPrint1 = add(file, "mnuPrint1", QT_TRANSLATE_NOOP("MainMenu", "&Print"));
    mnuPrintPreview1 =
        add(file, "mnuPrintPreview1", QT_TRANSLATE_NOOP("MainMenu", "Print Pre&view..."));
    file->addSeparator();
    mnuExit1 = add(file, "mnuExit1", QT_TRANSLATE_NOOP("MainMenu", "E&xit"));

    QMenu* edit = bar->addMenu(text(QT_TRANSLATE_NOOP("MainMenu", "&Edit")));
    edit->setObjectName("mnuEdit1");
    mnuUndo1 = add(edit, "mnuUndo1", QT_TRANSLATE_NOOP("MainMenu", "&Undo"));
    mnuRedo1 = add(edit, "mnuRedo1", QT_TRANSLATE_NOOP("MainMenu", "&Redo"));
    edit->addSeparator();
    // "Cu&t" would take Calculate Total's letter, and C and u are taken too.
    mnuCut1 = add(edit, "mnuCut1", QT_TRANSLATE_NOOP("MainMenu", "Cut &Selection"));
    mnuCopy1 = add(edit, "mnuCopy1", QT_TRANSLATE_NOOP("MainMenu", "&Copy"));
    mnuPaste1 = add(edit, "mnuPaste1", QT_TRANSLATE_NOOP("MainMenu", "&Paste"));
    mnuCopyAll1 = add(edit, "mnuCopyAll1", QT_TRANSLATE_NOOP("MainMenu", "Copy All"));
    mnuDelete1 = add(edit, "mnuDelete1", QT_TRANSLATE_NOOP("MainMenu", "De&lete"));
    edit->addSeparator();
    mnuAddTask1 = add(edit, "mnuAddTask1", QT_TRANSLATE_NOOP("MainMenu", "&Add New Task"));
    mnuDeleteTask1 = add(edit, "mnuDeleteTask1", QT_TRANSLATE_NOOP("MainMenu", "&Delete Task"));
    edit->addSeparator();
    mnuFind1 = add(edit, "mnuFind1", QT_TRANSLATE_NOOP("MainMenu", "&Find"));
    mnuFindAgain1 = add(edit, "mnuFindAgain1", QT_TRANSLATE_NOOP("MainMenu", "Fi&nd Again"));
    mnuResetHighlightedCells1 = add(edit, "mnuResetHighlightedCells1",
                                    QT_TRANSLATE_NOOP("MainMenu", "Reset Highlighted Cells"));
    edit->addSeparator();
    mnuCalculateTotal = add(edit, "mnuCalculateTotal",
                            QT_TRANSLATE_NOOP("MainMenu", "Calculate &Total for current project"));

    QMenu* timer = bar->addMenu(text(QT_TRANSLATE_NOOP("MainMenu", "&Timer")));
    timer->setObjectName("mnuTimer1");
    mnuStartTimer1 =
        add(timer, "mnuStartTimer1", QT_TRANSLATE_NOOP("MainMenu", "&S - Start/Resume Timer"));
    mnuStopTimer1 = add(timer, "mnuStopTimer1", QT_TRANSLATE_NOOP("MainMenu", "&X - Stop Timer"));
    mnuTimeThisTask1 =
        add(timer, "mnuTimeThisTask1", QT_TRANSLATE_NOOP("MainMenu", "Time This &Task"));
    mnuTimeThisTask1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    timer->addSeparator();
    mnuResetTimer1 = add(timer, "mnuResetTimer1", QT_TRANSLATE_NOOP("MainMenu", "&Reset Timer"));
    timer->addSeparator();
    mnuAddTimerToHours1 = add(timer, "mnuAddTimerToHours1",
                              QT_TRANSLATE_NOOP("MainMenu", "Add Timer to Task &Hours"));
    mnuAddTimerToHours1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    timer->addSeparator();
    mnuStopwatchSettings1 = add(timer, "mnuStopwatchSettings1",
                                QT_TRANSLATE_NOOP("MainMenu", "Stop&watch Settings..."));

    QMenu* view = bar->addMenu(text(QT_TRANSLATE_NOOP("MainMenu", "&View")));
    view->setObjectName("mnuView1");
    mnuCalendar1 = add(view, "mnuCalendar1", QT_TRANSLATE_NOOP("MainMenu", "&Calendar..."));
    mnuSummary1 = add(view, "mnuSummary1", QT_TRANSLATE_NOOP("MainMenu", "S&ummary..."));
    mnuSummary1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuWorkLog1 = add(view, "mnuWorkLog1", QT_TRANSLATE_NOOP("MainMenu", "Work &Log..."));
    view->addSeparator();
    mnuSortbyTask1 = add(view, "mnuSortbyTask1", QT_TRANSLATE_NOOP("MainMenu", "&Sort by Task #"));
    mnuSortbyTaskDate1 =
        add(view, "mnuSortbyTaskDate1", QT_TRANSLATE_NOOP("MainMenu", "Sort by Task Date"));

    QMenu* help = bar->addMenu(text(QT_TRANSLATE_NOOP("MainMenu", "&Help")));
    help->setObjectName("mnuHelp1");
    HelpContents1 = add(help, "HelpContents1", QT_TRANSLATE_NOOP("MainMenu", "Help &Contents..."));
    help->addSeparator();
    mnuAbout1 = add(help, "mnuAbout1", QT_TRANSLATE_NOOP("MainMenu", "About..."));
    mnuVisitQuillet1homepage = add(help, "mnuVisitQuillet1homepage",
                                   QT_TRANSLATE_NOOP("MainMenu", "&Visit Quillet1 home page..."));
}

QAction* MainMenu::addButton(const char* name, const char* hint, const char* theme) {
    const QString shown = text(hint);
    QAction* action = toolbar_->addAction(themeIcon(theme), shown);
    action->setObjectName(QString::fromUtf8(name));
    action->setToolTip(shown);
    action->setStatusTip(shown);
    all_.append(action);
    return action;
}

void MainMenu::buildToolbar(QMainWindow* window) {
    toolbar_ = new QToolBar(text(QT_TRANSLATE_NOOP("MainMenu", "Quillet1 Toolbar")), window);
    toolbar_->setObjectName("Toolbar1");
    toolbar_->setMovable(true);
    toolbar_->setFloatable(true);
    window->addToolBar(Qt::TopToolBarArea, toolbar_);
    tbtnNew = addButton("tbtnNew", QT_TRANSLATE_NOOP("MainMenu", "New Project"), "document-new");
    tbtnOpen =
        addButton("tbtnOpen", QT_TRANSLATE_NOOP("MainMenu", "Open Project"), "document-open");
    tbtnSave =
        addButton("tbtnSave", QT_TRANSLATE_NOOP("MainMenu", "Save Project"), "document-save");
    toolbar_->addSeparator();
    tbtnCut = addButton("tbtnCut", QT_TRANSLATE_NOOP("MainMenu", "Cut"), "edit-cut");
    tbtnCopy = addButton("tbtnCopy", QT_TRANSLATE_NOOP("MainMenu", "Copy"), "edit-copy");
    tbtnPaste = addButton("tbtnPaste", QT_TRANSLATE_NOOP("MainMenu", "Paste"), "edit-paste");
    tbtnUndo = addButton("tbtnUndo", QT_TRANSLATE_NOOP("MainMenu", "Undo"), "edit-undo");
    tbtnRedo = addButton("tbtnRedo", QT_TRANSLATE_NOOP("MainMenu", "Redo"), "edit-redo");
    toolbar_->addSeparator();
    tbtnFind = addButton("tbtnFind", QT_TRANSLATE_NOOP("MainMenu", "Find"), "edit-find");
    toolbar_->addSeparator();
    tbtnAdd = addButton("tbtnAdd", QT_TRANSLATE_NOOP("MainMenu", "Add New Task"), "list-add");
    tbtnRemove =
        addButton("tbtnRemove", QT_TRANSLATE_NOOP("MainMenu", "Delete Task"), "list-remove");
}

void MainMenu::addStandardKeys() {
    // The desktop's usual keys, on top of the menus' & letters; the captions stay as they are.
    const std::pair<QAction*, QKeySequence::StandardKey> keys[] = {
        {mnuNew1, QKeySequence::New},     {mnuOpen1, QKeySequence::Open},
        {mnuSave1, QKeySequence::Save},   {mnuSaveProjectAs1, QKeySequence::SaveAs},
        {mnuPrint1, QKeySequence::Print}, {mnuExit1, QKeySequence::Quit},
        {mnuCopy1, QKeySequence::Copy},   {mnuPaste1, QKeySequence::Paste},
        {mnuUndo1, QKeySequence::Undo},   {mnuRedo1, QKeySequence::Redo},
        {tbtnCut, QKeySequence::Cut},     {mnuDelete1, QKeySequence::Delete},
        {mnuFind1, QKeySequence::Find},   {mnuFindAgain1, QKeySequence::FindNext},
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
        // Ctrl+Y as well: what users of other desktops' programs press for Redo.
        if (key == QKeySequence::Redo && !sequences.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
            sequences.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
        action->setShortcuts(sequences);
    }
    // The toolbar's Cut owns the key (two owners would cancel each other); the menu shows it.
    if (!tbtnCut->shortcuts().isEmpty()) {
        mnuCut1->setText(mnuCut1->text() + '\t' +
                         tbtnCut->shortcut().toString(QKeySequence::NativeText));
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
        {mnuCut1, "edit-cut"},
        {mnuPaste1, "edit-paste"},
        {mnuDelete1, "edit-delete"},
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
    pitShow = add(pmnLeft_, "pitShow", QT_TRANSLATE_NOOP("MainMenu", "Show Window"));
    pitHide = add(pmnLeft_, "pitHide", QT_TRANSLATE_NOOP("MainMenu", "Hide Window"));

    pmnRight_ = new QMenu(window);
    pmnRight_->setObjectName("pmnRight");
    mnuRShowWindow1 =
        add(pmnRight_, "mnuRShowWindow1", QT_TRANSLATE_NOOP("MainMenu", "Show Window"));
    mnuRHideWindow1 =
        add(pmnRight_, "mnuRHideWindow1", QT_TRANSLATE_NOOP("MainMenu", "Hide Window"));
    pmnRight_->addSeparator();
    // The stopwatch from the tray: start, stop and the last timed tasks, each timed in one step.
    pmnRight_->addAction(mnuStartTimer1);
    pmnRight_->addAction(mnuStopTimer1);
    for (std::size_t k = 0; k < mnuRTimeTask.size(); ++k) {
        const QByteArray name = "mnuRTimeTask" + QByteArray::number(static_cast<int>(k + 1));
        mnuRTimeTask[k] = add(pmnRight_, name.constData(), "");
        mnuRTimeTask[k]->setVisible(false);
    }
    // The tray offers the booking of the stopwatch's time too: the same action as the menu's.
    pmnRight_->addAction(mnuAddTimerToHours1);
    prExit = add(pmnRight_, "prExit", QT_TRANSLATE_NOOP("MainMenu", "Exit"));

    pupmnuGrid_ = new QMenu(window);
    pupmnuGrid_->setObjectName("pupmnuGrid");
    pupCopy1 = add(pupmnuGrid_, "pupCopy1", QT_TRANSLATE_NOOP("MainMenu", "&Copy"));
    pupPaste1 = add(pupmnuGrid_, "pupPaste1", QT_TRANSLATE_NOOP("MainMenu", "&Paste"));
    pupAddTask1 = add(pupmnuGrid_, "pupAddTask1", QT_TRANSLATE_NOOP("MainMenu", "&Add new Task"));
    pupDeleteTask1 =
        add(pupmnuGrid_, "pupDeleteTask1", QT_TRANSLATE_NOOP("MainMenu", "&Delete current Task"));
    pupTimeThisTask1 =
        add(pupmnuGrid_, "pupTimeThisTask1", QT_TRANSLATE_NOOP("MainMenu", "Time This &Task"));

    puplblTotal_ = new QMenu(window);
    puplblTotal_->setObjectName("puplblTotal");
    pupRecalculateTotalforproject1 =
        add(puplblTotal_, "pupRecalculateTotalforproject1",
            QT_TRANSLATE_NOOP("MainMenu", "&Recalculate Total for project"));
    pupAddtotaltogrid = add(puplblTotal_, "pupAddtotaltogrid",
                            QT_TRANSLATE_NOOP("MainMenu", "&Add total to bottom of grid "));
}

}  // namespace quillet
