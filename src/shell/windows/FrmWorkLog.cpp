#include "shell/windows/FrmWorkLog.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "app/MainController.h"
#include "ports/DateTime.h"
#include "shell/CommandRunner.h"
#include "shell/CoreMessages.h"
#include "shell/QtPorts.h"
#include "shell/ThemeIcons.h"
#include "shell/windows/SecondaryWindow.h"
#include "tasks/TaskRow.h"
#include "tasks/TaskTiming.h"
#include "tools/StopwatchGuard.h"

namespace quillet {

namespace {

enum Column { TaskColumn, StartColumn, EndColumn, DurationColumn, NotesColumn, kColumns };
enum Period { DayPeriod, WeekPeriod };
constexpr int kDayRole = Qt::UserRole;        // index into the page's days
constexpr int kEntryRole = Qt::UserRole + 1;  // index into the day's sessions; -1 on a day's row
constexpr double kMsPerDay = 86400000.0;

QDate toQDate(double day) {
    const CivilDate d = decodeDate(day);
    return {d.year, d.month, d.day};
}

double fromQDate(const QDate& date) {
    return encodeDate(date.year(), date.month(), date.day());
}

// The edits hold the local wall time as it is written: as UTC, no zone moves or refuses an
// hour that summer time skips.
QDateTime toQDateTime(double local) {
    const ClockTime t = decodeTime(local);
    return {toQDate(std::floor(local)), QTime(t.hour, t.minute, t.second, t.millisecond), Qt::UTC};
}

// To the minute the edit shows: seconds it hides are not kept from before the change.
double fromQDateTime(const QDateTime& value) {
    const QTime t = value.time();
    return fromQDate(value.date()) + encodeTime(t.hour(), t.minute(), 0, 0);
}

QString duration(std::int64_t ms) {
    return CoreMessages::translate(durationText(static_cast<double>(ms) / kMsPerDay));
}

QDialogButtonBox* okCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

// The caption is the name a screen reader says, as it is the one seen; the hint says more.
QPushButton* makeButton(const QString& text, const char* name, const QString& hint,
                        QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAccessibleDescription(hint);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

FrmWorkLog::FrmWorkLog(MainController& controller, CommandRunner& runner, QWidget* parent)
    : QWidget(parent, secondaryWindowFlags()), controller_(controller), runner_(runner) {
    setObjectName("FrmWorkLog");
    setWindowTitle(tr("Quillet1 - Work Log"));
    refreshTimer_ = new QTimer(this);
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(0);
    connect(refreshTimer_, &QTimer::timeout, this, &FrmWorkLog::refresh);

    auto* layout = new QVBoxLayout(this);
    buildPeriodRow(layout);

    auto* middle = new QHBoxLayout;
    lstWorkLog_ = new QTreeWidget(this);
    lstWorkLog_->setObjectName("lstWorkLog");
    lstWorkLog_->setAccessibleName(tr("Sessions"));
    lstWorkLog_->setAccessibleDescription(
        tr("Each day of the period with its total, and below it the day's sessions"));
    lstWorkLog_->setHeaderLabels({tr("Task"), tr("Start"), tr("End"), tr("Duration"), tr("Notes")});
    lstWorkLog_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstWorkLog_->setAllColumnsShowFocus(true);
    lstWorkLog_->setUniformRowHeights(true);
    // Enter and a double click change a session; on a day they fold it, once.
    lstWorkLog_->setExpandsOnDoubleClick(false);
    lstWorkLog_->header()->setStretchLastSection(true);
    lstWorkLog_->setMinimumSize(160, 80);
    lstWorkLog_->installEventFilter(this);
    middle->addWidget(lstWorkLog_, 1);

    auto* buttons = new QVBoxLayout;
    btnChange_ = makeButton(tr("&Change..."), "btnChange", tr("Change the session's times"), this);
    btnDelete_ = makeButton(tr("&Delete"), "btnDelete", tr("Delete the session"), this);
    btnAdd_ = makeButton(tr("&Add..."), "btnAdd", tr("Add a session by hand"), this);
    btnStartedEarlier_ = makeButton(tr("Started &Earlier..."), "btnStartedEarlier",
                                    tr("Move the running session's start back"), this);
    btnExport_ =
        makeButton(tr("E&xport..."), "btnExport", tr("Export the work log to a file"), this);
    btnClose_ = makeButton(tr("Close"), "btnClose", tr("Close the work log"), this);
    for (QPushButton* button : {btnChange_, btnDelete_, btnAdd_, btnStartedEarlier_, btnExport_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(btnClose_);
    middle->addLayout(buttons);
    layout->addLayout(middle, 1);

    lblTotal_ = new QLabel(this);
    lblTotal_->setObjectName("lblTotal");
    lblTotal_->setWordWrap(true);
    lblTotal_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblTotal_);

    setTabOrder(btnNext_, lstWorkLog_);
    setTabOrder(lstWorkLog_, btnChange_);
    setTabOrder(btnChange_, btnDelete_);
    setTabOrder(btnDelete_, btnAdd_);
    setTabOrder(btnAdd_, btnStartedEarlier_);
    setTabOrder(btnStartedEarlier_, btnExport_);
    setTabOrder(btnExport_, btnClose_);

    connect(lstWorkLog_, &QTreeWidget::currentItemChanged, this, &FrmWorkLog::updateButtons);
    connect(lstWorkLog_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kEntryRole).toInt() >= 0)
            changeSession();
        else if (item->childCount() > 0)
            item->setExpanded(!item->isExpanded());
    });
    connect(lstWorkLog_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        const int day = item->data(0, kDayRole).toInt();
        if (day >= 0 && day < static_cast<int>(days_.size()))
            collapsed_.insert(days_[static_cast<std::size_t>(day)].day);
    });
    connect(lstWorkLog_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        const int day = item->data(0, kDayRole).toInt();
        if (day >= 0 && day < static_cast<int>(days_.size()))
            collapsed_.erase(days_[static_cast<std::size_t>(day)].day);
    });
    connect(btnChange_, &QPushButton::clicked, this, &FrmWorkLog::changeSession);
    connect(btnDelete_, &QPushButton::clicked, this, &FrmWorkLog::deleteSession);
    connect(btnAdd_, &QPushButton::clicked, this, &FrmWorkLog::addSession);
    connect(btnStartedEarlier_, &QPushButton::clicked, this, &FrmWorkLog::startedEarlier);
    connect(btnExport_, &QPushButton::clicked, this,
            [this] { runner_.run([this] { controller_.timer().exportLog(); }); });
    connect(btnClose_, &QPushButton::clicked, this, &QWidget::close);

    placeCentred(this, 640, 400);
}

void FrmWorkLog::buildPeriodRow(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    cboShow_ = new QComboBox(this);
    cboShow_->setObjectName("cboShow");
    cboShow_->setAccessibleName(tr("Show a day or a week"));
    cboShow_->addItems({tr("Day"), tr("Week")});
    cboShow_->setCurrentIndex(WeekPeriod);
    auto* show = new QLabel(tr("&Show"), this);
    show->setBuddy(cboShow_);

    const CivilDate today = controller_.todayDate();
    dtpDate_ = new QDateEdit(QDate(today.year, today.month, today.day), this);
    dtpDate_->setObjectName("dtpDate");
    dtpDate_->setAccessibleName(tr("Date of the day or week shown"));
    dtpDate_->setDisplayFormat(toQString(controller_.locale().shortDatePattern));
    dtpDate_->setCalendarPopup(true);
    auto* of = new QLabel(tr("&of"), this);
    of->setBuddy(dtpDate_);

    btnToday_ = makeButton(tr("&Today"), "btnToday", tr("Show today"), this);
    // Small buttons: they hold one character, and take the focus as the others do.
    const auto arrow = [this](const char* text, const char* name, const QString& accessible) {
        auto* button = new QToolButton(this);
        button->setText(QString::fromLatin1(text));
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleName(accessible);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    };
    btnPrevious_ = arrow("<", "btnPrevious", tr("Previous"));
    btnNext_ = arrow(">", "btnNext", tr("Next"));
    btnPrevious_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    btnNext_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    btnPrevious_->setToolTip(tr("Previous day or week (%1)")
                                 .arg(btnPrevious_->shortcut().toString(QKeySequence::NativeText)));
    btnNext_->setToolTip(
        tr("Next day or week (%1)").arg(btnNext_->shortcut().toString(QKeySequence::NativeText)));

    row->addWidget(show);
    row->addWidget(cboShow_);
    row->addWidget(of);
    row->addWidget(dtpDate_);
    row->addWidget(btnToday_);
    row->addWidget(btnPrevious_);
    row->addWidget(btnNext_);
    row->addStretch();
    layout->addLayout(row);

    connect(cboShow_, &QComboBox::currentIndexChanged, this, &FrmWorkLog::refresh);
    connect(dtpDate_, &QDateEdit::dateChanged, this, &FrmWorkLog::refresh);
    connect(btnToday_, &QPushButton::clicked, this, [this] {
        const CivilDate d = controller_.todayDate();
        dtpDate_->setDate(QDate(d.year, d.month, d.day));
    });
    connect(btnPrevious_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(btnNext_, &QToolButton::clicked, this, [this] { step(1); });
}

double FrmWorkLog::periodStart() const {
    QDate date = dtpDate_->date();
    if (cboShow_->currentIndex() == WeekPeriod) date = date.addDays(1 - date.dayOfWeek());
    return fromQDate(date);
}

double FrmWorkLog::periodEnd() const {
    return periodStart() + (cboShow_->currentIndex() == WeekPeriod ? 7 : 1);
}

void FrmWorkLog::step(int direction) {
    const int days = cboShow_->currentIndex() == WeekPeriod ? 7 : 1;
    dtpDate_->setDate(dtpDate_->date().addDays(direction * days));
}

void FrmWorkLog::logChanged() {
    stale_ = true;
    if (isVisible()) refreshTimer_->start();
}

// The running session's length changes each minute, and the stopwatch may start or stop
// without a record (a refused command): both are looked at each second, only while shown.
void FrmWorkLog::tick() {
    if (!isVisible()) return;
    const bool running = controller_.timer().sessionRunning();
    if (stale_ || running || running != btnStartedEarlier_->isEnabled())
        refresh();
    else
        updateButtons();
}

void FrmWorkLog::refresh() {
    refreshTimer_->stop();
    stale_ = false;
    fill(controller_.timer().logPage(periodStart(), periodEnd()));
}

const LogPageEntry* FrmWorkLog::currentEntry() const {
    const QTreeWidgetItem* item = lstWorkLog_->currentItem();
    if (!item) return nullptr;
    const int day = item->data(0, kDayRole).toInt();
    const int entry = item->data(0, kEntryRole).toInt();
    if (entry < 0 || day < 0 || day >= static_cast<int>(days_.size())) return nullptr;
    const std::vector<LogPageEntry>& entries = days_[static_cast<std::size_t>(day)].entries;
    return entry < static_cast<int>(entries.size()) ? &entries[static_cast<std::size_t>(entry)]
                                                    : nullptr;
}

// The same days and sessions only change their texts, so the current row, the scroll
// position and a screen reader's place stay; anything else builds the rows again.
void FrmWorkLog::fill(std::vector<LogPageDay> days) {
    bool sameRows = days.size() == days_.size() && !days.empty();
    for (std::size_t d = 0; sameRows && d < days.size(); ++d) {
        sameRows = days[d].day == days_[d].day && days[d].entries.size() == days_[d].entries.size();
        for (std::size_t e = 0; sameRows && e < days[d].entries.size(); ++e)
            sameRows = days[d].entries[e].id == days_[d].entries[e].id;
    }
    if (sameRows) {
        days_ = std::move(days);
        updateTexts();
        updateButtons();
        return;
    }

    std::optional<LogId> current;
    std::optional<double> currentDay;
    if (const LogPageEntry* entry = currentEntry()) {
        current = entry->id;
    } else if (const QTreeWidgetItem* item = lstWorkLog_->currentItem()) {
        const int day = item->data(0, kDayRole).toInt();
        if (day >= 0 && day < static_cast<int>(days_.size()))
            currentDay = days_[static_cast<std::size_t>(day)].day;
    }
    days_ = std::move(days);
    {
        const QSignalBlocker quiet(lstWorkLog_);
        lstWorkLog_->clear();
        QTreeWidgetItem* chosen = nullptr;
        QTreeWidgetItem* running = nullptr;
        QTreeWidgetItem* last = nullptr;
        for (std::size_t d = 0; d < days_.size(); ++d) {
            auto* dayItem = new QTreeWidgetItem(lstWorkLog_);
            dayItem->setData(0, kDayRole, static_cast<int>(d));
            dayItem->setData(0, kEntryRole, -1);
            QFont bold = dayItem->font(0);
            bold.setBold(true);
            for (int c = 0; c < kColumns; ++c) dayItem->setFont(c, bold);
            const std::vector<LogPageEntry>& entries = days_[d].entries;
            for (std::size_t e = 0; e < entries.size(); ++e) {
                auto* item = new QTreeWidgetItem(dayItem);
                item->setData(0, kDayRole, static_cast<int>(d));
                item->setData(0, kEntryRole, static_cast<int>(e));
                item->setTextAlignment(DurationColumn, Qt::AlignRight | Qt::AlignVCenter);
                if (current && entries[e].id == *current) chosen = item;
                if (entries[e].running) running = item;
                last = item;
            }
            dayItem->setTextAlignment(DurationColumn, Qt::AlignRight | Qt::AlignVCenter);
            dayItem->setExpanded(!collapsed_.contains(days_[d].day));
            if (currentDay && days_[d].day == *currentDay && !chosen) chosen = dayItem;
        }
        if (days_.empty()) {
            // Said in the list itself, where a screen reader is.
            auto* none = new QTreeWidgetItem(lstWorkLog_, {tr("No sessions in this period")});
            none->setData(0, kDayRole, -1);
            none->setData(0, kEntryRole, -1);
            none->setFlags(Qt::ItemIsEnabled);
            none->setFirstColumnSpanned(true);
            chosen = none;
        }
        QTreeWidgetItem* next = chosen ? chosen : running ? running : last;
        if (next) {
            if (next->parent()) next->parent()->setExpanded(true);
            lstWorkLog_->setCurrentItem(next);
        }
    }
    for (int c = 0; c < NotesColumn; ++c) lstWorkLog_->setColumnWidth(c, 0);
    updateTexts();
    updateButtons();
}

void FrmWorkLog::updateTexts() {
    for (int d = 0; d < lstWorkLog_->topLevelItemCount(); ++d) {
        QTreeWidgetItem* dayItem = lstWorkLog_->topLevelItem(d);
        const int index = dayItem->data(0, kDayRole).toInt();
        if (index < 0 || index >= static_cast<int>(days_.size())) continue;
        const LogPageDay& day = days_[static_cast<std::size_t>(index)];
        dayItem->setText(TaskColumn, dayText(day.day));
        dayItem->setText(DurationColumn, duration(day.ms));
        dayItem->setData(TaskColumn, Qt::AccessibleTextRole,
                         tr("%1, %2 worked").arg(dayText(day.day), duration(day.ms)));
        for (int e = 0; e < dayItem->childCount(); ++e) {
            const int entry = dayItem->child(e)->data(0, kEntryRole).toInt();
            if (entry >= 0 && entry < static_cast<int>(day.entries.size()))
                showRow(dayItem->child(e), day.entries[static_cast<std::size_t>(entry)]);
        }
    }
    // Wide enough for what they hold now; a running total that grows widens its column, and
    // nothing narrows a column under the user's hand.
    for (int c = 0; c < NotesColumn; ++c) {
        const int width = lstWorkLog_->columnWidth(c);
        lstWorkLog_->resizeColumnToContents(c);
        if (lstWorkLog_->columnWidth(c) < width) lstWorkLog_->setColumnWidth(c, width);
    }
    const Locale& locale = controller_.locale();
    const double first = periodStart();
    const QString period =
        cboShow_->currentIndex() == WeekPeriod
            ? tr("%1 to %2")
                  .arg(toQString(locale.formatDate(first)), toQString(locale.formatDate(first + 6)))
            : dayText(first);
    // Sessions begun before the period count for their part in it.
    const std::int64_t total = controller_.timer().timedInDays(first, periodEnd());
    lblTotal_->setText(tr("Total for %1: %2").arg(period, duration(total)));
}

void FrmWorkLog::showRow(QTreeWidgetItem* item, const LogPageEntry& entry) {
    item->setText(TaskColumn, taskText(entry.task));
    item->setText(StartColumn, toQString(clockText(entry.start)));
    QString end = toQString(clockText(entry.end));
    if (std::floor(entry.end) != std::floor(entry.start))
        end = toQString(controller_.locale().formatDate(entry.end)) + ' ' + end;
    item->setText(EndColumn, entry.running ? tr("running") : end);
    item->setText(DurationColumn, duration(entry.ms));
    const QString notes = notesText(entry);
    item->setText(NotesColumn, notes);
    // The mark is a picture and words both: the icon for the eye, the note for everyone.
    item->setIcon(TaskColumn,
                  entry.overlaps
                      ? QIcon::fromTheme(QStringLiteral("dialog-warning"),
                                         style()->standardIcon(QStyle::SP_MessageBoxWarning))
                      : QIcon());
    item->setIcon(EndColumn, entry.running ? themeIcon("media-playback-start") : QIcon());
    item->setToolTip(TaskColumn,
                     entry.overlaps ? tr("This session overlaps another one") : QString());
    item->setData(TaskColumn, Qt::AccessibleDescriptionRole, notes);
}

QString FrmWorkLog::dayText(double day) const {
    static const char* const names[] = {QT_TR_NOOP("Monday"),    QT_TR_NOOP("Tuesday"),
                                        QT_TR_NOOP("Wednesday"), QT_TR_NOOP("Thursday"),
                                        QT_TR_NOOP("Friday"),    QT_TR_NOOP("Saturday"),
                                        QT_TR_NOOP("Sunday")};
    const int weekday = toQDate(day).dayOfWeek();  // 1 = Monday
    return tr("%1 %2").arg(tr(names[weekday - 1]), toQString(controller_.locale().formatDate(day)));
}

QString FrmWorkLog::taskText(const TaskName& task) const {
    if (task.number.empty() && task.description.empty()) return tr("(no task)");
    if (task.number.empty()) return toQString(task.description);
    if (task.description.empty()) return toQString(task.number);
    return tr("%1: %2").arg(toQString(task.number), toQString(task.description));
}

QString FrmWorkLog::notesText(const LogPageEntry& entry) const {
    QStringList notes;
    if (entry.running) notes << tr("Running");
    if (entry.open) notes << tr("Interrupted");
    if (entry.booked) notes << tr("Booked");
    if (entry.manual) notes << tr("Added by hand");
    if (entry.overlaps) notes << tr("Overlaps");
    return notes.join(tr(", "));
}

void FrmWorkLog::updateButtons() {
    const LogPageEntry* entry = currentEntry();
    btnChange_->setEnabled(entry != nullptr);
    // The stopwatch's session ends with the stopwatch, not here.
    btnDelete_->setEnabled(entry != nullptr && !entry->running);
    const CellGrid& grid = controller_.grid();
    bool anyTask = false;
    for (int row = 1; row < grid.rowCount() && !anyTask; ++row) anyTask = isTaskRow(grid, row);
    btnAdd_->setEnabled(anyTask);
    btnStartedEarlier_->setEnabled(controller_.timer().sessionRunning());
}

void FrmWorkLog::correct(const std::function<Message()>& correction) {
    runner_.run([&] {
        const Message refusal = correction();
        if (!refusal.empty()) controller_.showError(refusal);
    });
    refresh();
}

void FrmWorkLog::changeSession() {
    const LogPageEntry* found = currentEntry();
    if (!found) return;
    const LogPageEntry entry = *found;  // a refresh while the dialog is open replaces the page

    QDialog dialog(this);
    dialog.setObjectName("dlgChangeSession");
    dialog.setWindowTitle(tr("Change Session"));
    auto* form = new QFormLayout(&dialog);
    form->addRow(tr("Task:"), new QLabel(taskText(entry.task), &dialog));
    const QString format =
        toQString(controller_.locale().shortDatePattern) + QStringLiteral(" HH:mm");
    const auto edit = [&](const char* name, double value, const QString& label,
                          const QString& accessible) {
        auto* box = new QDateTimeEdit(toQDateTime(value), &dialog);
        box->setObjectName(QString::fromLatin1(name));
        box->setTimeSpec(Qt::UTC);
        box->setDisplayFormat(format);
        box->setCalendarPopup(true);
        box->setAccessibleName(accessible);
        form->addRow(label, box);
        return box;
    };
    QDateTimeEdit* start = edit("dtpStart", entry.start, tr("&Start:"), tr("Start"));
    QDateTimeEdit* end = edit("dtpEnd", entry.end, tr("&End:"), tr("End"));
    if (entry.running) {
        // It can begin earlier, not later: the stopwatch has counted from its start.
        start->setMaximumDateTime(toQDateTime(entry.start));
        end->setEnabled(false);
        auto* note =
            new QLabel(tr("The session is running: it ends when the stopwatch stops."), &dialog);
        note->setWordWrap(true);
        form->addRow(note);
    }
    form->addRow(okCancel(&dialog));
    start->setFocus();
    if (dialog.exec() != QDialog::Accepted) return;
    // What was left alone keeps its seconds.
    const QDateTime startShown = toQDateTime(entry.start);
    const QDateTime endShown = toQDateTime(entry.end);
    const double from =
        start->dateTime() == startShown ? entry.start : fromQDateTime(start->dateTime());
    const double to = end->dateTime() == endShown ? entry.end : fromQDateTime(end->dateTime());
    if (from == entry.start && to == entry.end) return;
    correct([&] { return controller_.timer().changeSession(entry.id, from, to); });
}

void FrmWorkLog::deleteSession() {
    const LogPageEntry* found = currentEntry();
    if (!found || found->running) return;
    const LogPageEntry entry = *found;
    // The timer asks first, through the window's prompts.
    correct([&] { return controller_.timer().deleteSession(entry.id); });
}

void FrmWorkLog::addSession() {
    const CellGrid& grid = controller_.grid();
    QDialog dialog(this);
    dialog.setObjectName("dlgAddSession");
    dialog.setWindowTitle(tr("Add Session"));
    auto* form = new QFormLayout(&dialog);

    auto* task = new QComboBox(&dialog);
    task->setObjectName("cboTask");
    task->setAccessibleName(tr("Task"));
    // The task selected in the table, else the timed one, else the first.
    const int selected = isTaskRow(grid, controller_.selectedRow())
                             ? controller_.selectedRow()
                             : controller_.timer().boundRow();
    for (int row = 1; row < grid.rowCount(); ++row) {
        if (!isTaskRow(grid, row)) continue;
        task->addItem(taskText({taskNumberText(grid, row), taskDescriptionText(grid, row)}), row);
        if (row == selected) task->setCurrentIndex(task->count() - 1);
    }
    form->addRow(tr("&Task:"), task);

    auto* day = new QDateEdit(dtpDate_->date(), &dialog);
    day->setObjectName("dtpDay");
    day->setAccessibleName(tr("Date"));
    day->setDisplayFormat(toQString(controller_.locale().shortDatePattern));
    day->setCalendarPopup(true);
    form->addRow(tr("&Date:"), day);

    // The hour up to now, the likeliest stretch to have gone untimed.
    const ClockTime now = decodeTime(controller_.clock().now());
    const QTime end(now.hour, now.minute);
    const auto timeEdit = [&](const char* name, const QTime& value, const QString& label,
                              const QString& accessible) {
        auto* box = new QTimeEdit(value, &dialog);
        box->setObjectName(QString::fromLatin1(name));
        box->setDisplayFormat(QStringLiteral("HH:mm"));
        box->setAccessibleName(accessible);
        form->addRow(label, box);
        return box;
    };
    QTimeEdit* from = timeEdit("tmeStart", end.hour() > 0 ? end.addSecs(-3600) : QTime(0, 0),
                               tr("&Start:"), tr("Start time"));
    QTimeEdit* to = timeEdit("tmeEnd", end, tr("&End:"), tr("End time"));
    form->addRow(okCancel(&dialog));
    task->setFocus();
    if (dialog.exec() != QDialog::Accepted || task->currentIndex() < 0) return;

    const int row = task->currentData().toInt();
    const double date = fromQDate(day->date());
    const double start = date + encodeTime(from->time().hour(), from->time().minute(), 0, 0);
    const double finish = date + encodeTime(to->time().hour(), to->time().minute(), 0, 0);
    correct([&] { return controller_.timer().addSession(row, start, finish); });
}

void FrmWorkLog::startedEarlier() {
    QDialog dialog(this);
    dialog.setObjectName("dlgStartedEarlier");
    dialog.setWindowTitle(tr("Started Earlier"));
    auto* form = new QFormLayout(&dialog);
    auto* minutes = new QSpinBox(&dialog);
    minutes->setObjectName("spnMinutes");
    minutes->setRange(1, 24 * 60);
    minutes->setValue(15);
    minutes->setAccessibleName(tr("Minutes earlier"));
    form->addRow(tr("Started this many &minutes earlier:"), minutes);
    form->addRow(okCancel(&dialog));
    minutes->setFocus();
    minutes->selectAll();
    if (dialog.exec() != QDialog::Accepted) return;
    const int value = minutes->value();
    correct([&] { return controller_.timer().startedEarlier(value); });
}

void FrmWorkLog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();  // a running session went on while the window was hidden
    lstWorkLog_->setFocus();
}

// Esc closes it, as it closes the program's dialogs.
void FrmWorkLog::keyPressEvent(QKeyEvent* event) {
    if (!closeOnEscape(this, event)) QWidget::keyPressEvent(event);
}

bool FrmWorkLog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstWorkLog_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            if (btnDelete_->isEnabled()) deleteSession();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quillet
