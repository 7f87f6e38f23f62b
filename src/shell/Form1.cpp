#include "shell/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileSystemWatcher>
#include <QFontDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProgressDialog>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/AppIcon.h"
#include "shell/CoreMessages.h"
#include "shell/GridModel.h"
#include "shell/GridView.h"
#include "shell/MainMenu.h"
#include "shell/OnTray.h"
#include "shell/PrintJob.h"
#include "shell/QtPorts.h"
#include "shell/RecoveryDriver.h"
#include "shell/StatusPanels.h"
#include "shell/StopwatchDriver.h"
#include "shell/Translations.h"
#include "shell/windows/FindDialog.h"
#include "shell/windows/FrmAbout.h"
#include "shell/windows/FrmCal.h"
#include "shell/windows/FrmColumnNames.h"
#include "shell/windows/FrmRestoreBackup.h"
#include "shell/windows/FrmSummary.h"
#include "shell/windows/SecondaryWindow.h"

namespace quillet {

namespace {
constexpr int kOuterWidth = 567;
constexpr int kOuterHeight = 401;

// What a font change carries over: family, size and style. Qt's font dialog has no colour.
QFont withChoice(QFont font, const QFont& chosen) {
    font.setFamily(chosen.family());
    font.setPointSizeF(chosen.pointSizeF());
    font.setWeight(chosen.weight());
    font.setItalic(chosen.italic());
    font.setUnderline(chosen.underline());
    font.setStrikeOut(chosen.strikeOut());
    return font;
}
}  // namespace

Form1::Form1(ControllerPorts ports, QWidget* parent)
    : QMainWindow(parent), controller_(std::move(ports)) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Quillet1"));
    setWindowIcon(appIcon());
    menu_ = std::make_unique<MainMenu>(this);
    fileWatcher_ = new QFileSystemWatcher(this);
    connect(fileWatcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        // Watched again by the refresh after the command: a replaced file is a new one.
        fileWatcher_->removePaths(fileWatcher_->files());
        runCommand([this] { controller_.reloadIfChangedOnDisk(); });
    });
    buildWidgets();
    wireCommands();
    controller_.setExecutablePath(
        QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
    // The manual in the language the windows speak, the desktop's or the one chosen for
    // this run; English when they speak English.
    const QString language = Translations::current();
    controller_.setHelpLanguages({language.isEmpty() ? std::string("en") : language.toStdString()});
    startUp();
    fontDialogFont_ = font();
}

Form1::~Form1() {
    stopwatch_.reset();  // no command from outside after this
    // The widgets read the grid owned by this object: they go before it does.
    recovery_.reset();
    trayIcon_.reset();
    delete frmSummary_;  // it listens to the grid
    delete centralWidget();
}

QAction* Form1::action(const QString& name) const {
    for (QAction* action : menu_->all())
        if (action->objectName() == name) return action;
    return nullptr;
}

QTableView* Form1::gridView() const {
    return grid_;
}

GridModel* Form1::gridModel() const {
    return grid_->gridModel();
}

void Form1::enableRecovery(const RecoveryDirs& dirs, Clock& clock,
                           const std::optional<RecoveryCopy>& recovered) {
    recovery_ = std::make_unique<RecoveryDriver>(
        controller_, [this](const std::function<void()>& command) { runCommand(command); }, dirs,
        clock);
    if (recovered) recovery_->restore(*recovered);
}

void Form1::buildWidgets() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    tabs_ = new QTabBar(central);
    tabs_->setObjectName("TabControl1");
    tabs_->setFocusPolicy(Qt::NoFocus);
    tabs_->setExpanding(false);
    tabs_->setDrawBase(false);
    tabs_->setMinimumHeight(21);
    layout->addWidget(tabs_);

    grid_ = new GridView(controller_.grid(), central);
    layout->addWidget(grid_, 1);

    auto* panel = new QWidget(central);
    panel->setObjectName("Panel1");
    totalPanel_ = panel;
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(4, 0, 4, 0);
    panelLayout->setSpacing(2);
    auto* label1 = new QLabel(tr("Total Cost/Fees for current project: $"), panel);
    label1->setObjectName("Label1");
    lblTotal_ = new QLabel(panel);
    lblTotal_->setObjectName("lblTotal");
    for (QLabel* label : {label1, lblTotal_}) {
        label->setToolTip(tr("Right-click for options"));
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label](const QPoint& pos) {
                    menu_->puplblTotal()->popup(label->mapToGlobal(pos));
                });
        panelLayout->addWidget(label);
    }
    panelLayout->addStretch(1);
    layout->addWidget(panel);
    setCentralWidget(central);
    fitTotalPanel();

    buildStatusBar();

    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        menu_->pupmnuGrid()->popup(grid_->viewport()->mapToGlobal(pos));
    });
    grid_->onEdit = [this](int col, int row, const std::string& text) {
        runCommand([&] { controller_.editCell(col, row, text); });
    };
    grid_->onCurrentMoved = [this](int col, int row) {
        runCommand([&] { controller_.selectCell(col, row); });
    };
    grid_->onSelectionMoved = [this](int anchorCol, int anchorRow, int col, int row) {
        controller_.selectRange(anchorCol, anchorRow, col, row);
    };
    grid_->onWidthDragged = [this](int col, int width) { controller_.setColumnWidth(col, width); };
    grid_->onEmptySelection = [this] { runCommand([this] { controller_.emptySelection(); }); };
    controller_.project().fileOptions.progress = [this](std::int16_t percent) {
        showProgress(percent);
    };

    findDialog_ = new FindDialog(this);
    connect(findDialog_, &FindDialog::findNext, this, [this](const QString& text) {
        bool close = false;
        runCommand([&] { close = controller_.find(fromQString(text)); });
        if (close) {
            findDialog_->hide();
            return;
        }
        // After "not found" the next typing belongs in the find window, not in a cell.
        findDialog_->activateWindow();
        findDialog_->textField()->setFocus();
        findDialog_->textField()->selectAll();
    });

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(1000);

    stopwatch_ = std::make_unique<StopwatchDriver>(
        controller_,
        StopwatchDriver::Window{this,
                                [this](const std::function<void()>& command, std::string* error) {
                                    return runGuarded(command, error);
                                },
                                [this] { return busy_; },
                                [this] {
                                    showWindow();
                                    raise();
                                    activateWindow();
                                },
                                [this] { return trayIcon_.get(); },
                                [this](const std::string& text) { statusPanels_->show(0, text); }});
}

void Form1::buildStatusBar() {
    QStatusBar* status = statusBar();
    status->setObjectName("StatusBar1");
    status->setSizeGripEnabled(true);
    statusPanels_ = std::make_unique<StatusPanels>(status);
}

void Form1::wireCommands() {
    using Action = QAction* MainMenu::*;
    // Each action runs one command, through the general error handler.
    static constexpr struct {
        Action action;
        void (MainController::*command)();
    } kCommands[] = {
        {&MainMenu::mnuNew1, &MainController::newProject},
        {&MainMenu::mnuOpen1, &MainController::openProject},
        {&MainMenu::mnuSave1, &MainController::saveProject},
        {&MainMenu::mnuSaveProjectAs1, &MainController::saveProjectAs},
        {&MainMenu::mnuClearReopenList1, &MainController::clearRecentFiles},
        {&MainMenu::mnuCalculateTotal, &MainController::calculateTotal},
        {&MainMenu::pupAddtotaltogrid, &MainController::addTotalRow},
        {&MainMenu::mnuCopy1, &MainController::copySelection},
        {&MainMenu::mnuCopyAll1, &MainController::copyAll},
        {&MainMenu::mnuPaste1, &MainController::paste},
        {&MainMenu::mnuUndo1, &MainController::undo},
        {&MainMenu::mnuRedo1, &MainController::redo},
        {&MainMenu::mnuAddTask1, &MainController::addTask},
        {&MainMenu::mnuDeleteTask1, &MainController::deleteTask},
        {&MainMenu::mnuResetHighlightedCells1, &MainController::resetHighlightedCells},
        {&MainMenu::mnuSortbyTask1, &MainController::sortByTask},
        {&MainMenu::mnuSortbyTaskDate1, &MainController::sortByTaskDate},
        {&MainMenu::tbtnCut, &MainController::cut},
        {&MainMenu::mnuStartTimer1, &MainController::startTimer},
        {&MainMenu::mnuStopTimer1, &MainController::stopTimer},
        {&MainMenu::mnuResetTimer1, &MainController::resetTimer},
        {&MainMenu::mnuAddTimerToHours1, &MainController::addTimerToHours},
        {&MainMenu::mnuImportoldfile, &MainController::importOldFile},
        {&MainMenu::mnuExport1, &MainController::exportProject},
        {&MainMenu::HelpContents1, &MainController::showHelp},
        {&MainMenu::mnuVisitQuillet1homepage, &MainController::openHomePage},
    };
    // Commands that need the window's own widgets.
    static constexpr struct {
        Action action;
        void (Form1::*command)();
    } kWindowCommands[] = {
        {&MainMenu::mnuFind1, &Form1::showFindWindow},
        {&MainMenu::mnuFindAgain1, &Form1::findAgain},
        {&MainMenu::mnuPrint1, &Form1::print},
        {&MainMenu::mnuChangeColumnNames1, &Form1::showColumnNamesWindow},
        {&MainMenu::mnuRestoreBackup1, &Form1::showRestoreBackupWindow},
        {&MainMenu::mnuChangeFontSettings1, &Form1::changeFont},
        {&MainMenu::mnuCalendar1, &Form1::showCalendar},
        {&MainMenu::mnuSummary1, &Form1::showSummary},
        {&MainMenu::mnuAbout1, &Form1::showAbout},
        {&MainMenu::mnuStopwatchSettings1, &Form1::showStopwatchSettings},
    };
    // Showing, hiding and closing the window run at once: closing runs the closing
    // sequence through the error handler itself (closeEvent).
    static constexpr struct {
        Action action;
        void (Form1::*slot)();
    } kWindowSlots[] = {
        {&MainMenu::mnuExit1, &Form1::closeWindow},
        {&MainMenu::prExit, &Form1::closeWindow},
        {&MainMenu::pitShow, &Form1::showWindow},
        {&MainMenu::mnuRShowWindow1, &Form1::showWindow},
        {&MainMenu::pitHide, &Form1::hideWindow},
        {&MainMenu::mnuRHideWindow1, &Form1::hideWindow},
    };
    // Toolbar buttons and pop-up items that repeat a menu command.
    static constexpr struct {
        Action from;
        Action to;
    } kForwards[] = {
        {&MainMenu::tbtnNew, &MainMenu::mnuNew1},
        {&MainMenu::tbtnOpen, &MainMenu::mnuOpen1},
        {&MainMenu::tbtnSave, &MainMenu::mnuSave1},
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
        {&MainMenu::pupRecalculateTotalforproject1, &MainMenu::mnuCalculateTotal},
    };

    MainMenu& m = *menu_;
    for (const auto& [action, command] : kCommands) {
        connect(m.*action, &QAction::triggered, this,
                [this, command] { runCommand([&] { (controller_.*command)(); }); });
    }
    for (const auto& [action, command] : kWindowCommands) {
        connect(m.*action, &QAction::triggered, this,
                [this, command] { runCommand([&] { (this->*command)(); }); });
    }
    for (const auto& [action, slot] : kWindowSlots)
        connect(m.*action, &QAction::triggered, this, slot);
    for (int k = 1; k <= 5; ++k) {
        QAction* item = m.mnuReopenF[static_cast<size_t>(k - 1)];
        connect(item, &QAction::triggered, this,
                [this, k] { runCommand([&] { controller_.openRecentFile(k); }); });
    }
    for (const auto& [from, to] : kForwards)
        connect(m.*from, &QAction::triggered, m.*to, &QAction::trigger);
}

void Form1::startUp() {
    statusPanels_->clear();
    tabs_->addTab(QString());
    runCommand([this] { controller_.startUp(); });
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        runCommand([&] { controller_.switchTab(fromQString(tabs_->tabText(index))); });
    });
    configureTray();
    grid_->setFocus();  // typing goes straight into the task table
    connect(timer1_, &QTimer::timeout, this, &Form1::updateStopWatchDisplay);
    timer1_->start();

    // The designed size where it fits; a small or highly scaled screen gets what it has,
    // with the title bar on the screen.
    placeOnScreen(this, QSize(kOuterWidth, kOuterHeight));
}

// The frame is known only once the window is on screen: if the guess was short, the window
// is fitted again so that no part of the frame is off the screen's available area.
void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous() || placedAfterShow_) return;
    placedAfterShow_ = true;
    QTimer::singleShot(0, this, [this] {
        const QScreen* shown = screen();
        if (shown && !shown->availableGeometry().contains(frameGeometry()))
            placeOnScreen(this, size());
    });
}

// Runs even when an earlier start-up step failed: minimising may hide the window,
// so the icon that brings it back must exist.
void Form1::configureTray() {
    trayIcon_ = std::make_unique<OnTray>(this, menu_->pmnRight(), menu_->pmnLeft());
    trayIcon_->setHint(windowTitle());  // the application title
    trayIcon_->setIcon(windowIcon());
    trayIcon_->setHideActions({menu_->pitHide, menu_->mnuRHideWindow1});
    trayIcon_->setApplicationVisible(true);
    trayIcon_->setActive(true);
    trayIcon_->setRestoreOnLeftClick(true);
}

void Form1::updateStopWatchDisplay() {
    if (busy_) {
        // A long load is running: keep the stopwatch moving, run nothing else.
        controller_.updateStopWatchDisplay();
        statusPanels_->show(1, controller_.timerText());
        return;
    }
    runCommand([this] { controller_.updateStopWatchDisplay(); });
}

void Form1::showFindWindow() {
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

// The search text is what the find window holds, typed there since the last search or not.
void Form1::findAgain() {
    controller_.findAgain(fromQString(findDialog_->searchText()));
}

// The printer dialog and the job's progress are the window's; the layout is the core's.
void Form1::print() {
    printProject(controller_.grid(), this);
}

// The small windows are made the first time one is asked for, since none is needed to
// start; then they live for the whole run and closing one only hides it.
void Form1::createSecondaryWindows() {
    if (frmAbout_) return;
    frmAbout_ = new FrmAbout(this);
    frmAbout_->openMakerWebSite = [this] {
        runCommand([this] { controller_.openMakerWebSite(); });
    };
    frmAbout_->writeEmail = [this] { runCommand([this] { controller_.writeEmail(); }); };
    frmColumnNames_ = new FrmColumnNames(this);
    frmColumnNames_->currentNames = [this] { return controller_.columnNames(); };
    frmColumnNames_->onOkay = [this](const MainController::ColumnNames& names) {
        return runCommand([&] { controller_.renameColumns(names); });
    };
    frmCal_ = new FrmCal(this);
    frmCal_->today = [this] {
        const CivilDate d = controller_.todayDate();
        return QDate(d.year, d.month, d.day);
    };
}

void Form1::showColumnNamesWindow() {
    createSecondaryWindows();
    showOrRaise(frmColumnNames_);
}

// Listed afresh at each showing: every save may have kept another version. Without
// recovery (tests) nothing is kept, so nothing is listed.
void Form1::showRestoreBackupWindow() {
    if (!frmRestoreBackup_) {
        frmRestoreBackup_ = new FrmRestoreBackup(this);
        frmRestoreBackup_->onOpen = [this](const std::string& path) {
            return runCommand([&] { controller_.openBackup(path); });
        };
        frmRestoreBackup_->onShowFolder = [this] {
            if (!recovery_) return;
            const std::string folder =
                recovery_->recovery().backups().folderFor(controller_.project().fileName());
            runCommand([&] { controller_.showFolder(folder); });
        };
    }
    const Project& project = controller_.project();
    std::vector<BackupVersion> versions;
    if (recovery_ && !project.isUntitled())
        versions = recovery_->recovery().backups().versionsOf(project.fileName());
    frmRestoreBackup_->setVersions(versions, project.isUntitled());
    showOrRaise(frmRestoreBackup_);
}

void Form1::showCalendar() {
    createSecondaryWindows();
    showOrRaise(frmCal_);
}

void Form1::showSummary() {
    if (!frmSummary_) {
        frmSummary_ = new FrmSummary(controller_.grid(), controller_.locale(), this);
        frmSummary_->onSelectTaskRow = [this](int row) {
            if (runCommand([&] { controller_.selectTaskRow(row); })) showOrRaise(this);
        };
        frmSummary_->onCopy = [this](const Summary& summary) {
            runCommand([&] { controller_.copySummary(summary); });
        };
        frmSummary_->onExport = [this](const Summary& summary) {
            runCommand([&] { controller_.exportSummary(summary); });
        };
        // The range starts out as this month, for the user who ticks From or To.
        const CivilDate today = controller_.todayDate();
        const QDate first(today.year, today.month, 1);
        frmSummary_->setDefaultRange(first, first.addMonths(1).addDays(-1));
    }
    frmSummary_->setProjectTitle(CoreMessages::translate(controller_.project().title()));
    showOrRaise(frmSummary_);
}

void Form1::showAbout() {
    createSecondaryWindows();
    showOrRaise(frmAbout_);
}

// The window and the cells take the chosen font; the heading row keeps its own. Nothing is
// saved: the next start shows the design fonts.
void Form1::changeFont() {
    if (!fontDialog1_) {
        // Made on first use: it reads the whole font database, which start-up need not wait for.
        fontDialog1_ = new QFontDialog(this);
        fontDialog1_->setObjectName("FontDialog1");
        fontDialog1_->setOption(QFontDialog::DontUseNativeDialog);
    }
    fontDialog1_->setCurrentFont(fontDialogFont_);
    if (fontDialog1_->exec() != QDialog::Accepted) return;
    fontDialogFont_ = fontDialog1_->selectedFont();
    setFont(withChoice(font(), fontDialogFont_));
    grid_->setFont(withChoice(grid_->font(), fontDialogFont_));
}

void Form1::closeWindow() {
    close();
}

void Form1::showWindow() {
    if (trayIcon_) trayIcon_->setApplicationVisible(true);
}

void Form1::hideWindow() {
    if (trayIcon_) trayIcon_->setApplicationVisible(false);
}

// Long loads and saves report progress: show it after half a second in a modal
// dialog, which also keeps the window painting and blocks other commands.
void Form1::showProgress(int percent) {
    if (!progress_) {
        progress_ =
            new QProgressDialog(tr("Working on the project file..."), QString(), 0, 100, this);
        progress_->setObjectName("ProgressDialog");
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setMinimumDuration(500);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->setValue(0);
    }
    progress_->setValue(percent);
}

// The design's 16 pixels, or the height of a line of the total in a larger font.
void Form1::fitTotalPanel() {
    totalPanel_->setFixedHeight(std::max(16, lblTotal_->fontMetrics().height() + 2));
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange && totalPanel_) {
        fitTotalPanel();
        statusPanels_->fitFont();
    }
    if (event->type() == QEvent::WindowStateChange && isMinimized() && trayIcon_) {
        trayIcon_->minimizeLogic();
    }
}

bool Form1::runCommand(const std::function<void()>& command) {
    return runGuarded(command, nullptr);
}

// With error given, the message goes there instead of into a box.
bool Form1::runGuarded(const std::function<void()>& command, std::string* error) {
    if (busy_) return false;
    busy_ = true;
    std::optional<std::string> failure;
    try {
        command();
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (...) {
        failure = "An unexpected error occurred.";
    }
    const bool ok = !failure;
    if (failure && error)
        *error = *failure;
    else if (failure)
        controller_.showError(*failure);
    busy_ = false;
    if (progress_) {
        // Gone at once, with its timer: a dialog left for a deferred deletion is shown by
        // that timer when several commands run before the event loop turns (a test
        // script), and a window showing after the main window closed keeps the program
        // running. Nothing below this frame refers to it.
        delete progress_;
        progress_ = nullptr;
    }
    refresh();
    return ok;
}

void Form1::refresh() {
    const Project& project = controller_.project();
    if (tabs_->count() > 0) tabs_->setTabText(0, CoreMessages::translate(project.title()));
    if (frmSummary_) frmSummary_->setProjectTitle(CoreMessages::translate(project.title()));
    lblTotal_->setText(CoreMessages::translate(controller_.totalCaption()));
    statusPanels_->show(0, controller_.statusMessage());
    statusPanels_->show(1, controller_.timerText());
    statusPanels_->show(2, controller_.noticeText());
    updateActions();
    watchProjectFile();
    stopwatch_->follow();
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (statusPanels_) statusPanels_->fitStatus(width());
}

void Form1::watchProjectFile() {
    const QString path = QFile::decodeName(controller_.project().fileName().c_str());
    const QStringList watched = fileWatcher_->files();
    if (watched.size() == 1 && watched.front() == path) return;
    if (!watched.isEmpty()) fileWatcher_->removePaths(watched);
    if (!path.isEmpty() && QFile::exists(path)) fileWatcher_->addPath(path);
}

// Every action has a command and stays enabled; the reopen items and undo and redo
// follow the state.
void Form1::updateActions() {
    const Project& project = controller_.project();
    const History& history = controller_.history();
    const auto showStep = [](QAction* action, const QString& verb, bool can,
                             const std::string& name) {
        QString caption = verb;
        if (can) caption += ' ' + CoreMessages::translate(name).replace('&', QStringLiteral("&&"));
        action->setText(caption);
        if (!caption.startsWith('&')) action->setToolTip(caption);  // a toolbar button
        action->setEnabled(can);
    };
    showStep(menu_->mnuUndo1, tr("&Undo"), history.canUndo(), history.undoName());
    showStep(menu_->mnuRedo1, tr("&Redo"), history.canRedo(), history.redoName());
    showStep(menu_->tbtnUndo, tr("Undo"), history.canUndo(), history.undoName());
    showStep(menu_->tbtnRedo, tr("Redo"), history.canRedo(), history.redoName());
    for (size_t k = 0; k < menu_->mnuReopenF.size(); ++k) {
        const ReopenItem& item = project.reopenItems()[k];
        // A path is shown verbatim: an "&" in it must not become an accelerator.
        menu_->mnuReopenF[k]->setText(toQString(item.caption).replace('&', QStringLiteral("&&")));
        menu_->mnuReopenF[k]->setVisible(item.visible);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    bool proceed = false;
    const bool ok = runCommand([&] { proceed = controller_.confirmClose(); });
    if (!ok || !proceed) {
        event->ignore();
        return;
    }
    timer1_->stop();
    stopwatch_->stop();
    trayIcon_.reset();  // removes the icon from the notification area
    if (recovery_) recovery_->normalExit();
    event->accept();
}

StopwatchGuard& Form1::guard() {
    return stopwatch_->guard();
}

QTimer* Form1::guardTimer() const {
    return stopwatch_->pollTimer();
}

void Form1::setIdleSource(std::unique_ptr<IdleSource> source) {
    stopwatch_->setIdleSource(std::move(source));
}

void Form1::setStopwatchSettings(SettingsStore& store) {
    stopwatch_->setSettingsStore(store);
}

FrmStopwatchSettings* Form1::stopwatchSettingsWindow() const {
    return stopwatch_->settingsWindow();
}

bool Form1::listenForTimerCommands(const QString& path) {
    return stopwatch_->listen(path);
}

TimerReply Form1::runTimerCommand(TimerCommand command) {
    return stopwatch_->run(command);
}

void Form1::pollGuard() {
    stopwatch_->poll();
}

void Form1::showStopwatchSettings() {
    stopwatch_->showSettingsWindow();
}

}  // namespace quillet
