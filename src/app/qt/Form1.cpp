#include "app/qt/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "app/qt/AppIcon.h"
#include "app/qt/FindDialog.h"
#include "app/qt/GridModel.h"
#include "app/qt/MainMenu.h"
#include "app/qt/QtPorts.h"
#include "tools/qt/OnTray.h"

namespace quillet {

namespace {
constexpr int kOuterWidth = 567;
constexpr int kOuterHeight = 401;

// Tahoma when the desktop has it, else the platform's sans-serif.
QFont gridFont() {
    QFont font(QStringLiteral("Tahoma"), 8);
    if (!QFontInfo(font).exactMatch()) {
        font = QFont();
        font.setStyleHint(QFont::SansSerif);
        font.setPointSize(8);
    }
    return font;
}
}  // namespace

Form1::Form1(Ports ports, QWidget* parent) : QMainWindow(parent), controller_(ports) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Quillet1"));
    setWindowIcon(appIcon());
    menu_ = std::make_unique<MainMenu>(this);
    buildWidgets();
    wireCommands();
    FormCreate();
}

Form1::~Form1() {
    // The widgets read the grid owned by this object: they go before it does.
    trayIcon_.reset();
    delete centralWidget();
    delete model_;
}

QAction* Form1::action(const QString& name) const {
    return menu_->action(name);
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

    grid_ = new QTableView(central);
    grid_->setObjectName("StringAlignGrid1");
    model_ = new GridModel(controller_.grid(), this);
    grid_->setModel(model_);
    grid_->setFont(gridFont());
    grid_->horizontalHeader()->setFont(gridFont());
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(CellGrid::kDefaultRowHeight);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->horizontalHeader()->setMinimumSectionSize(0);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setSectionsClickable(false);
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->setWordWrap(false);
    grid_->setStyleSheet(QStringLiteral("QTableView { gridline-color: #c0c0c0; }"));
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(grid_, 1);

    auto* panel = new QWidget(central);
    panel->setObjectName("Panel1");
    panel->setFixedHeight(16);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(4, 0, 4, 0);
    panelLayout->setSpacing(2);
    auto* label1 = new QLabel(QStringLiteral("Total Cost/Fees for current project: $"), panel);
    label1->setObjectName("Label1");
    lblTotal_ = new QLabel(panel);
    lblTotal_->setObjectName("lblTotal");
    for (QLabel* label : {label1, lblTotal_}) {
        label->setToolTip(QStringLiteral("Right-click for options"));
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

    QStatusBar* status = statusBar();
    status->setObjectName("StatusBar1");
    status->setSizeGripEnabled(true);
    const int widths[3] = {250, 110, 0};
    for (int i = 0; i < 3; ++i) {
        statusPanels_[i] = new QLabel(status);
        statusPanels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        statusPanels_[i]->setContentsMargins(2, 0, 2, 0);
        if (widths[i] > 0) {
            statusPanels_[i]->setFixedWidth(widths[i]);
            status->addWidget(statusPanels_[i]);
        } else {
            status->addWidget(statusPanels_[i], 1);
        }
    }

    connect(model_, &GridModel::widthsChanged, this, &Form1::applyWidths);
    connect(model_, &GridModel::resetDone, this, [this] {
        applyWidths();
        grid_->horizontalHeader()->setVisible(model_->headerRows() > 0);
        showGridCurrent();
    });
    connect(model_, &GridModel::currentChanged, this, &Form1::showGridCurrent);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int col, int, int width) {
                if (!syncing_ && col < controller_.grid().colCount()) {
                    controller_.grid().setColWidth(col, width);
                }
            });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { gridCurrentMoved(current); });
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { gridSelectionMoved(); });
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        menu_->pupmnuGrid()->popup(grid_->viewport()->mapToGlobal(pos));
    });
    model_->onEdit = [this](int col, int row, const std::string& text) {
        cellEdited(col, row, text);
    };
    controller_.grid().onFileProgress = [this](std::int16_t percent) { showProgress(percent); };

    findDialog_ = new FindDialog(this);
    connect(findDialog_, &FindDialog::findNext, this, [this](const QString& text) {
        bool close = false;
        runCommand([&] { close = controller_.FindDialog1Find(fromQString(text)); });
        if (close) findDialog_->hide();
    });

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(1000);
}

void Form1::wireCommands() {
    Project& project = controller_.project();
    MainController& c = controller_;
    QHash<QString, std::function<void()>> commands = {
        {"mnuNew1", [&project] { project.mnuNew1Click(); }},
        {"mnuOpen1", [&project] { project.mnuOpen1Click(); }},
        {"mnuSave1", [&project] { project.mnuSave1Click(); }},
        {"mnuSaveProjectAs1", [&project] { project.mnuSaveProjectAs1Click(); }},
        {"mnuClearReopenList1", [&project] { project.mnuClearReopenList1Click(); }},
        {"mnuCalculateTotal", [&c] { c.mnuCalculateTotalClick(); }},
        {"pupAddtotaltogrid", [&c] { c.pupAddtotaltogridClick(); }},
        {"mnuCopy1", [&c] { c.mnuCopy1Click(); }},
        {"mnuCopyAll1", [&c] { c.mnuCopyAll1Click(); }},
        {"mnuPaste1", [&c] { c.mnuPaste1Click(); }},
        {"mnuAddTask1", [&c] { c.mnuAddTask1Click(); }},
        {"mnuDeleteTask1", [&c] { c.mnuDeleteTask1Click(); }},
        {"mnuFind1", [this] { mnuFind1Click(); }},
        {"mnuFindAgain1", [&c] { c.mnuFindAgain1Click(); }},
        {"mnuResetHighlightedCells1", [&c] { c.mnuResetHighlightedCells1Click(); }},
        {"mnuSortbyTask1", [&c] { c.mnuSortbyTask1Click(); }},
        {"mnuSortbyTaskDate1", [&c] { c.mnuSortbyTaskDate1Click(); }},
        {"tbtnCut", [this] { controller_.tbtnCutClick(); }},
        {"mnuStartTimer1", [this] { controller_.mnuStartTimer1Click(); }},
        {"mnuStopTimer1", [this] { controller_.mnuStopTimer1Click(); }},
        {"mnuResetTimer1", [this] { controller_.mnuResetTimer1Click(); }},
    };
    const auto show = [this] {
        if (trayIcon_) trayIcon_->setApplicationVisible(true);
    };
    const auto hide = [this] {
        if (trayIcon_) trayIcon_->setApplicationVisible(false);
    };
    // Closing runs the closing sequence through the error handler itself (closeEvent).
    connect(menu_->action("mnuExit1"), &QAction::triggered, this, &QWidget::close);
    connect(menu_->action("prExit"), &QAction::triggered, this, &QWidget::close);
    for (int k = 1; k <= 5; ++k) {
        connect(menu_->action(QStringLiteral("mnuReopenF%1").arg(k)), &QAction::triggered, this,
                [this, k] { runCommand([&] { controller_.project().mnuReopenClick(k); }); });
    }
    connect(menu_->action("pitShow"), &QAction::triggered, this, show);
    connect(menu_->action("mnuRShowWindow1"), &QAction::triggered, this, show);
    connect(menu_->action("pitHide"), &QAction::triggered, this, hide);
    connect(menu_->action("mnuRHideWindow1"), &QAction::triggered, this, hide);
    // One place decides which actions run: built commands are enabled, the rest wait.
    for (auto it = menu_->actions().begin(); it != menu_->actions().end(); ++it) {
        QAction* action = it.value();
        const QString name = it.key();
        if (name.startsWith("mnuReopenF") || name == "pitShow" || name == "pitHide" ||
            name == "mnuExit1" || name == "prExit" || name == "mnuRShowWindow1" ||
            name == "mnuRHideWindow1") {
            continue;  // wired where their state lives
        }
        const QString target = MainMenu::forwards().value(name);
        if (!target.isEmpty()) {
            QAction* targetAction = menu_->action(target);
            action->setEnabled(commands.contains(target));
            connect(action, &QAction::triggered, targetAction, &QAction::trigger);
            continue;
        }
        const auto command = commands.value(name);
        action->setEnabled(static_cast<bool>(command));
        if (command) {
            connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
        }
    }
}

void Form1::FormCreate() {
    for (int i = 0; i < 3; ++i) statusPanels_[i]->clear();
    tabs_->addTab(QString());
    runCommand([this] { controller_.FormCreate(); });
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        runCommand([&] { controller_.TabControl1Change(fromQString(tabs_->tabText(index))); });
    });
    configureTray();
    grid_->setFocus();  // typing goes straight into the task table
    connect(timer1_, &QTimer::timeout, this, &Form1::Timer1Timer);
    timer1_->start();

    resize(kOuterWidth, kOuterHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(kOuterWidth / 2, kOuterHeight / 2));
    }
}

// Runs even when an earlier start-up step failed: minimising may hide the window,
// so the icon that brings it back must exist.
void Form1::configureTray() {
    trayIcon_ = std::make_unique<OnTray>(this, menu_->pmnRight(), menu_->pmnLeft());
    trayIcon_->setHint(windowTitle());  // the application title
    trayIcon_->setIcon(windowIcon());
    trayIcon_->setApplicationVisible(true);
    trayIcon_->setActive(true);
    trayIcon_->setRestoreOnLeftClick(true);
}

void Form1::Timer1Timer() {
    if (busy_) {
        // A long load is running: keep the stopwatch moving, run nothing else.
        controller_.Timer1Timer();
        statusPanels_[1]->setText(toQString(controller_.timerText()));
        return;
    }
    runCommand([this] { controller_.Timer1Timer(); });
}

void Form1::mnuFind1Click() {
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

void Form1::cellEdited(int col, int row, const std::string& text) {
    runCommand([&] {
        controller_.grid().editCellText(col, row, text);
        // Clearing a cell is not entering a date.
        if (!text.empty()) controller_.StringAlignGrid1AfterEdit(col, row);
    });
}

// Long loads and saves report progress: show it after half a second in a modal
// dialog, which also keeps the window painting and blocks other commands.
void Form1::showProgress(int percent) {
    if (!progress_) {
        progress_ = new QProgressDialog(QStringLiteral("Working on the project file..."), QString(),
                                        0, 100, this);
        progress_->setObjectName("ProgressDialog");
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setMinimumDuration(500);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->setValue(0);
    }
    progress_->setValue(percent);
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && trayIcon_) {
        trayIcon_->minimizeLogic();
    }
}

bool Form1::runCommand(const std::function<void()>& command) {
    if (busy_) return false;
    busy_ = true;
    bool ok = true;
    try {
        command();
    } catch (const std::exception& e) {
        ok = false;
        controller_.showError(e.what());
    } catch (...) {
        ok = false;
        controller_.showError("An unexpected error occurred.");
    }
    busy_ = false;
    if (progress_) {
        progress_->deleteLater();
        progress_ = nullptr;
    }
    refresh();
    return ok;
}

void Form1::refresh() {
    const Project& project = controller_.project();
    if (tabs_->count() > 0) tabs_->setTabText(0, toQString(project.title()));
    lblTotal_->setText(toQString(controller_.totalCaption()));
    statusPanels_[0]->setText(toQString(controller_.statusMessage()));
    statusPanels_[1]->setText(toQString(controller_.timerText()));
    statusPanels_[2]->setText(toQString(controller_.noticeText()));
    for (int k = 1; k <= 5; ++k) {
        const ReopenItem& item = project.reopenItems()[static_cast<size_t>(k - 1)];
        QAction* action = menu_->action(QStringLiteral("mnuReopenF%1").arg(k));
        // A path is shown verbatim: an "&" in it must not become an accelerator.
        action->setText(toQString(item.caption).replace('&', QStringLiteral("&&")));
        action->setVisible(item.visible);
    }
}

void Form1::applyWidths() {
    syncing_ = true;
    const CellGrid& grid = controller_.grid();
    for (int col = 0; col < model_->columnCount(); ++col) {
        grid_->horizontalHeader()->resizeSection(col, std::max(0, grid.colWidth(col)));
    }
    syncing_ = false;
}

void Form1::showGridCurrent() {
    const CellGrid& grid = controller_.grid();
    const int row = model_->modelRow(grid.currentRow());
    syncing_ = true;
    if (row >= 0 && row < model_->rowCount() && grid.currentCol() < model_->columnCount()) {
        grid_->selectionModel()->setCurrentIndex(model_->index(row, grid.currentCol()),
                                                 QItemSelectionModel::ClearAndSelect);
    } else {
        grid_->selectionModel()->clearSelection();
    }
    syncing_ = false;
}

void Form1::gridCurrentMoved(const QModelIndex& current) {
    if (syncing_ || !current.isValid()) return;
    runCommand([&] {
        controller_.grid().setCurrentCell(current.column(), model_->gridRow(current.row()));
    });
}

void Form1::gridSelectionMoved() {
    if (syncing_) return;
    const QModelIndex current = grid_->selectionModel()->currentIndex();
    const QItemSelection selection = grid_->selectionModel()->selection();
    if (!current.isValid() || selection.isEmpty()) return;
    // The selection is a rectangle from an anchor corner to the current cell.
    const QItemSelectionRange range = selection.last();
    const int anchorCol = current.column() == range.left() ? range.right() : range.left();
    const int anchorRow = current.row() == range.top() ? range.bottom() : range.top();
    controller_.grid().setSelection(anchorCol, model_->gridRow(anchorRow), current.column(),
                                    model_->gridRow(current.row()));
}

void Form1::closeEvent(QCloseEvent* event) {
    bool proceed = false;
    const bool ok = runCommand([&] { proceed = controller_.FormClose(); });
    if (!ok || !proceed) {
        event->ignore();
        return;
    }
    QThread::msleep(10);
    timer1_->stop();
    trayIcon_.reset();  // removes the icon from the notification area
    event->accept();
}

}  // namespace quillet
