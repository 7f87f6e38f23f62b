#include "shell/Form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "ports/ProductInfo.h"
#include "shell/AppIcon.h"
#include "shell/CommandRunner.h"
#include "shell/CoreMessages.h"
#include "shell/GridModel.h"
#include "shell/GridView.h"
#include "shell/MainMenu.h"
#include "shell/OnTray.h"
#include "shell/PrintJob.h"
#include "shell/ProjectFileWatcher.h"
#include "shell/QtPorts.h"
#include "shell/RecoveryDriver.h"
#include "shell/SmallWindows.h"
#include "shell/StatusPanels.h"
#include "shell/StopwatchDriver.h"
#include "shell/TotalPanel.h"
#include "shell/Translations.h"
#include "shell/windows/SecondaryWindow.h"

namespace quillet {

namespace {
constexpr int kOuterWidth = 567;
constexpr int kOuterHeight = 401;
}  // namespace

Form1::Form1(MainController& controller, QWidget* parent)
    : QMainWindow(parent), controller_(controller) {
    setObjectName("Form1");
    // "[*]" shows as "*" while the table differs from the last save, the desktop's way.
    setWindowTitle(QString::fromUtf8(kProductName) + QStringLiteral("[*]"));
    setWindowIcon(appIcon());
    menu_ = std::make_unique<MainMenu>(this);
    runner_ = new CommandRunner(controller_, this);
    // Watched again by the refresh after the command.
    fileWatcher_ = new ProjectFileWatcher(
        [this] { runCommand([this] { controller_.reloadIfChangedOnDisk(); }); }, this);
    buildWidgets();
    runner_->refresh = [this] { refresh(); };
    wireCommands();
    controller_.setExecutablePath(
        QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
    // The manual in the language the windows speak, the desktop's or the one chosen for
    // this run; English when they speak English.
    const QString language = Translations::current();
    controller_.setHelpLanguages({language.isEmpty() ? std::string("en") : language.toStdString()});
    startUp();
}

// The stopwatch's driver goes first (no command from outside after it), the widgets last:
// the controller they read outlives the window.
Form1::~Form1() {
    // Hiding a window commits an open cell editor; this window can no longer take it.
    grid_->dropHandlers();
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
    recovery_ = std::make_unique<RecoveryDriver>(controller_, *runner_, dirs, clock);
    windows_->setRecovery(recovery_.get());
    if (recovered) recovery_->restore(*recovered);
}

void Form1::buildWidgets() {
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(true);
    statusPanels_ = std::make_unique<StatusPanels>(statusBar());

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

    totalPanel_ = new TotalPanel(menu_->puplblTotal(), central);
    layout->addWidget(totalPanel_);
    setCentralWidget(central);

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
        runner_->showProgress(percent);
    };

    windows_ = std::make_unique<SmallWindows>(controller_, *runner_, this, grid_);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(1000);

    stopwatch_ = std::make_unique<StopwatchDriver>(controller_, *runner_, this);
    stopwatch_->cellEditorOpen = [this] { return grid_->editorOpen(); };
    stopwatch_->setMenu(*menu_);
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
        {&MainMenu::mnuCut1, &MainController::cut},
        {&MainMenu::mnuDelete1, &MainController::emptySelection},
        {&MainMenu::mnuImportoldfile, &MainController::importOldFile},
        {&MainMenu::mnuExport1, &MainController::exportProject},
        {&MainMenu::HelpContents1, &MainController::showHelp},
        {&MainMenu::mnuVisitQuillet1homepage, &MainController::openHomePage},
    };
    // The Timer menu's commands.
    static constexpr struct {
        Action action;
        void (TaskTimer::*command)();
    } kTimerCommands[] = {
        {&MainMenu::mnuStartTimer1, &TaskTimer::startTimer},
        {&MainMenu::mnuStopTimer1, &TaskTimer::stopTimer},
        {&MainMenu::mnuResetTimer1, &TaskTimer::resetTimer},
        {&MainMenu::mnuAddTimerToHours1, &TaskTimer::addTimerToHours},
        {&MainMenu::mnuTimeThisTask1, &TaskTimer::timeThisTask},
    };
    // Commands that open a small window.
    static constexpr struct {
        Action action;
        void (SmallWindows::*command)();
    } kSmallWindows[] = {
        {&MainMenu::mnuFind1, &SmallWindows::showFind},
        {&MainMenu::mnuFindAgain1, &SmallWindows::findAgain},
        {&MainMenu::mnuChangeColumnNames1, &SmallWindows::showColumnNames},
        {&MainMenu::mnuRestoreBackup1, &SmallWindows::showRestoreBackup},
        {&MainMenu::mnuCalendar1, &SmallWindows::showCalendar},
        {&MainMenu::mnuSummary1, &SmallWindows::showSummary},
        {&MainMenu::mnuWorkLog1, &SmallWindows::showWorkLog},
        {&MainMenu::mnuAbout1, &SmallWindows::showAbout},
        {&MainMenu::mnuChangeFontSettings1, &SmallWindows::changeFont},
    };
    // Commands that need the window's own widgets.
    static constexpr struct {
        Action action;
        void (Form1::*command)();
    } kWindowCommands[] = {
        {&MainMenu::mnuPrint1, &Form1::print},
        {&MainMenu::mnuPrintPreview1, &Form1::printPreview},
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
    MainMenu& m = *menu_;
    // The inner closures hold their object, not `this`: GCC 12's sanitizer build misread it.
    for (const auto& [action, command] : kCommands) {
        connect(m.*action, &QAction::triggered, this,
                [this, command] { runCommand([&c = controller_, command] { (c.*command)(); }); });
    }
    for (const auto& [action, command] : kTimerCommands) {
        connect(m.*action, &QAction::triggered, this, [this, command] {
            runCommand([&t = controller_.timer(), command] { (t.*command)(); });
        });
    }
    for (const auto& [action, command] : kSmallWindows) {
        connect(m.*action, &QAction::triggered, this,
                [this, command] { runCommand([&w = *windows_, command] { (w.*command)(); }); });
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
    m.forwardRepeats();
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

// Runs even when an earlier start-up step failed: minimising may hide the window,
// so the icon that brings it back must exist.
void Form1::configureTray() {
    trayIcon_ = std::make_unique<OnTray>(this, menu_->pmnRight(), menu_->pmnLeft());
    trayIcon_->setHint(QString::fromUtf8(kProductName));  // the application title
    trayIcon_->setIcon(windowIcon());
    trayIcon_->setHideActions({menu_->pitHide, menu_->mnuRHideWindow1});
    trayIcon_->setApplicationVisible(true);
    trayIcon_->setActive(true);
    trayIcon_->setRestoreOnLeftClick(true);
    stopwatch_->setTray(trayIcon_.get());
}

// Once a second, even while a long load runs: the stopwatch's panel, the tray's hint and the
// work log's running session, not the whole window.
void Form1::updateStopWatchDisplay() {
    controller_.timer().updateStopWatchDisplay();
    statusPanels_->show(1, controller_.timer().timerText());
    showTiming();
    windows_->tick();
}

// The timed task and today's hours, and the tray that names them.
void Form1::showTiming() {
    statusPanels_->show(3, controller_.timer().timingText());
    statusPanels_->show(4, controller_.timer().dayWeekStatus());
    grid_->gridModel()->setTimedRow(controller_.timer().boundRow());
    stopwatch_->follow();
}

// The printer dialog and the job's progress are the window's; the layout is the core's.
void Form1::print() {
    printProject(controller_.grid(), this);
}

void Form1::printPreview() {
    previewProject(controller_.grid(), this);
}

void Form1::showWindow() {
    if (trayIcon_) trayIcon_->setApplicationVisible(true);
}

void Form1::hideWindow() {
    if (trayIcon_) trayIcon_->setApplicationVisible(false);
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange && totalPanel_) {
        totalPanel_->fitFont();
        statusPanels_->fitFont();
    }
    if (event->type() == QEvent::WindowStateChange && isMinimized() && trayIcon_) {
        trayIcon_->minimizeLogic();
    }
}

bool Form1::runCommand(const std::function<void()>& command) {
    return runner_->run(command);
}

void Form1::refresh() {
    const Project& project = controller_.project();
    if (tabs_->count() > 0)
        tabs_->setTabText(0, CoreMessages::translate(shownTitle(project.title())));
    windows_->refresh();
    totalPanel_->setTotal(toQString(controller_.totalCaption()));
    statusPanels_->show(0, controller_.statusMessage());
    statusPanels_->show(1, controller_.timer().timerText());
    statusPanels_->show(2, controller_.noticeText());
    menu_->showState(controller_.history(), project.reopenItems());
    setWindowModified(project.hasUnsavedChanges());
    fileWatcher_->watch(project.fileName());
    showTiming();
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (statusPanels_) statusPanels_->fitStatus(width());
}

void Form1::closeEvent(QCloseEvent* event) {
    // Text typed into a cell is part of the table the save question is about.
    grid_->commitOpenEditor();
    bool proceed = false;
    const bool ok = runCommand([&] { proceed = controller_.confirmClose(); });
    if (!ok || !proceed) {
        event->ignore();
        return;
    }
    timer1_->stop();
    stopwatch_->stop();
    stopwatch_->setTray(nullptr);
    trayIcon_.reset();  // removes the icon from the notification area
    if (recovery_) recovery_->normalExit();
    event->accept();
}

}  // namespace quillet
