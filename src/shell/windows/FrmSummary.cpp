#include "shell/windows/FrmSummary.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "ports/DateTime.h"
#include "shell/CoreMessages.h"
#include "shell/QtPorts.h"
#include "shell/windows/SecondaryWindow.h"
#include "shell/windows/SummaryChartView.h"
#include "tasks/Columns.h"
#include "tasks/CostTotal.h"
#include "tasks/SummaryChart.h"

namespace quillet {

namespace {

constexpr int kTaskRowRole = Qt::UserRole;
constexpr int kFirstNumberColumn = 2;  // Tasks, Hours and Cost are right-aligned

QTableWidget* makeTable(const char* name, const QString& accessible, const QStringList& headings,
                        QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setAccessibleName(accessible);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    // Translated headings are longer than the English ones ("Aufgabenbeschreibung"): each
    // column starts as wide as its heading, and stays so while the table is empty.
    table->resizeColumnsToContents();
    return table;
}

QTableWidgetItem* item(const std::string& text, bool number) {
    auto* cell = new QTableWidgetItem(toQString(text));
    if (number) cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return cell;
}

std::optional<int> dayOf(const QDateEdit* edit) {
    const QDate d = edit->date();
    return static_cast<int>(encodeDate(d.year(), d.month(), d.day()));
}

}  // namespace

FrmSummary::FrmSummary(CellGrid& grid, const Locale& locale, QWidget* parent)
    : QWidget(parent, secondaryWindowFlags()), grid_(grid), locale_(locale) {
    setObjectName("frmSummary");
    setWindowTitle(tr("Summary"));
    recomputeTimer_ = new QTimer(this);
    recomputeTimer_->setSingleShot(true);
    recomputeTimer_->setInterval(0);
    connect(recomputeTimer_, &QTimer::timeout, this, &FrmSummary::recompute);

    auto* layout = new QVBoxLayout(this);
    buildChoices(layout);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* left = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    QStringList headings;
    for (const std::string& heading : summaryHeadings())
        headings << CoreMessages::translate(Message(heading.c_str()));
    grdSummary_ = makeTable("grdSummary", tr("Summary by period"), headings, left);
    leftLayout->addWidget(grdSummary_, 3);
    btnNonNumbers_ = new QPushButton(left);
    btnNonNumbers_->setObjectName("btnNonNumbers");
    btnNonNumbers_->setFlat(true);
    btnNonNumbers_->setToolTip(tr("Select the first of them in the task table"));
    btnNonNumbers_->hide();
    leftLayout->addWidget(btnNonNumbers_, 0, Qt::AlignLeft);
    grdSummaryTasks_ =
        makeTable("grdSummaryTasks", tr("Tasks of the selected period"),
                  {tr("Task #"), tr("Task Description"), tr("Hours"), tr("Cost")}, left);
    leftLayout->addWidget(grdSummaryTasks_, 2);

    auto* right = new QWidget(splitter);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* chartChoice = new QHBoxLayout;
    optChartHours_ = new QRadioButton(tr("&Hours"), right);
    optChartHours_->setObjectName("optChartHours");
    optChartHours_->setAccessibleName(tr("Chart the hours"));
    optChartHours_->setChecked(true);
    optChartCost_ = new QRadioButton(tr("C&ost"), right);
    optChartCost_->setObjectName("optChartCost");
    optChartCost_->setAccessibleName(tr("Chart the cost"));
    chartChoice->addWidget(optChartHours_);
    chartChoice->addWidget(optChartCost_);
    chartChoice->addStretch();
    rightLayout->addLayout(chartChoice);
    chart_ = new SummaryChartView(right);
    rightLayout->addWidget(chart_, 1);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);

    // Export and other actions on the summary join Copy here.
    buttons_ = new QHBoxLayout;
    btnCopy_ = new QPushButton(tr("&Copy"), this);
    btnCopy_->setObjectName("btnCopy");
    btnCopy_->setAccessibleName(tr("Copy the summary"));
    buttons_->addWidget(btnCopy_);
    btnExport_ = new QPushButton(tr("&Export..."), this);
    btnExport_->setObjectName("btnExport");
    btnExport_->setAccessibleName(tr("Export the summary to a file"));
    buttons_->addWidget(btnExport_);
    buttons_->addStretch();
    layout->addLayout(buttons_);

    connect(grdSummary_, &QTableWidget::itemSelectionChanged, this, &FrmSummary::periodSelected);
    connect(grdSummaryTasks_, &QTableWidget::itemDoubleClicked, this, [this](QTableWidgetItem* it) {
        if (onSelectTaskRow) onSelectTaskRow(it->data(kTaskRowRole).toInt());
    });
    connect(grdSummaryTasks_, &QTableWidget::itemActivated, this, [this](QTableWidgetItem* it) {
        if (onSelectTaskRow) onSelectTaskRow(it->data(kTaskRowRole).toInt());
    });
    connect(btnNonNumbers_, &QPushButton::clicked, this, [this] {
        if (onSelectTaskRow && summary_.firstNonNumberRow > 0)
            onSelectTaskRow(summary_.firstNonNumberRow);
    });
    connect(btnCopy_, &QPushButton::clicked, this, [this] {
        if (stale_) recompute();
        if (onCopy) onCopy(summary_);
    });
    connect(btnExport_, &QPushButton::clicked, this, [this] {
        if (stale_) recompute();
        if (onExport) onExport(summary_);
    });
    connect(optChartHours_, &QRadioButton::toggled, this, &FrmSummary::fillChart);
    connect(chart_, &SummaryChartView::barClicked, this,
            [this](int index) { grdSummary_->selectRow(index); });

    grid_.addListener(this);
    placeCentred(this, 720, 480);
}

FrmSummary::~FrmSummary() {
    grid_.removeListener(this);
}

void FrmSummary::buildChoices(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    const auto labelFor = [&](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        row->addWidget(label);
        row->addWidget(buddy);
    };
    cboPeriod_ = new QComboBox(this);
    cboPeriod_->setObjectName("cboPeriod");
    cboPeriod_->setAccessibleName(tr("Group by"));
    cboPeriod_->addItems({tr("Week"), tr("Month"), tr("Year")});
    cboPeriod_->setCurrentIndex(1);
    labelFor(tr("&Group by"), cboPeriod_);
    cboDateColumn_ = new QComboBox(this);
    cboDateColumn_->setObjectName("cboDateColumn");
    cboDateColumn_->setAccessibleName(tr("Date to group by"));
    cboDateColumn_->addItems({tr("Start Date"), tr("End Date")});
    labelFor(tr("&Date"), cboDateColumn_);

    const QString format = toQString(locale_.shortDatePattern);
    const auto rangeEnd = [&](const QString& text, const char* box, const char* edit,
                              const QString& accessible, QCheckBox*& check, QDateEdit*& date) {
        check = new QCheckBox(text, this);
        check->setObjectName(QString::fromLatin1(box));
        date = new QDateEdit(QDate::currentDate(), this);
        date->setObjectName(QString::fromLatin1(edit));
        date->setAccessibleName(accessible);
        date->setDisplayFormat(format);
        date->setCalendarPopup(true);
        date->setEnabled(false);  // unticked: open-ended
        connect(check, &QCheckBox::toggled, date, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, recomputeTimer_, qOverload<>(&QTimer::start));
        connect(date, &QDateEdit::dateChanged, recomputeTimer_, qOverload<>(&QTimer::start));
        row->addWidget(check);
        row->addWidget(date);
    };
    rangeEnd(tr("&From"), "chkFrom", "dtpFrom", tr("From date"), chkFrom_, dtpFrom_);
    rangeEnd(tr("&To"), "chkTo", "dtpTo", tr("To date"), chkTo_, dtpTo_);
    row->addStretch();
    layout->addLayout(row);
    for (QComboBox* box : {cboPeriod_, cboDateColumn_})
        connect(box, &QComboBox::currentIndexChanged, recomputeTimer_, qOverload<>(&QTimer::start));
}

void FrmSummary::setProjectTitle(const QString& title) {
    setWindowTitle(tr("Summary — %1").arg(title));
}

void FrmSummary::setDefaultRange(const QDate& from, const QDate& to) {
    if (!chkFrom_->isChecked()) dtpFrom_->setDate(from);
    if (!chkTo_->isChecked()) dtpTo_->setDate(to);
}

void FrmSummary::clearRange() {
    chkFrom_->setChecked(false);
    chkTo_->setChecked(false);
}

// A change while hidden waits for the next showing.
void FrmSummary::gridChanged(const GridChange& change) {
    if (!change.content) return;
    stale_ = true;
    if (isVisible()) recomputeTimer_->start();
}

void FrmSummary::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) recompute();
    grdSummary_->setFocus();
}

SummaryOptions FrmSummary::options() const {
    SummaryOptions o;
    o.period = static_cast<SummaryPeriod>(cboPeriod_->currentIndex());
    o.dateColumn = cboDateColumn_->currentIndex() == 1 ? EndDate : StartDate;
    if (chkFrom_->isChecked()) o.from = dayOf(dtpFrom_);
    if (chkTo_->isChecked()) o.to = dayOf(dtpTo_);
    return o;
}

void FrmSummary::recompute() {
    recomputeTimer_->stop();
    // The selection follows its period's name through the recompute.
    const int previous = grdSummary_->currentRow();
    const std::string selectedLabel =
        previous >= 0 && previous < static_cast<int>(summary_.rows.size())
            ? summary_.rows[static_cast<std::size_t>(previous)].label
            : std::string();
    summary_ = summarize(grid_, options(), locale_);
    stale_ = false;
    fillTable();
    int index = -1;
    for (std::size_t i = 0; i < summary_.rows.size(); ++i) {
        if (!selectedLabel.empty() && summary_.rows[i].label == selectedLabel)
            index = static_cast<int>(i);
    }
    fillChart();
    {
        const QSignalBlocker quiet(grdSummary_);
        if (index >= 0) {
            grdSummary_->selectRow(index);
        } else {
            grdSummary_->clearSelection();
            grdSummary_->setCurrentCell(-1, -1);
        }
    }
    periodSelected();
    btnNonNumbers_->setText(CoreMessages::translate(nonNumberNotice(summary_.nonNumberTasks)));
    btnNonNumbers_->setAccessibleName(btnNonNumbers_->text());
    btnNonNumbers_->setVisible(summary_.nonNumberTasks > 0);
}

void FrmSummary::fillTable() {
    const QSignalBlocker quiet(grdSummary_);
    grdSummary_->clearContents();
    grdSummary_->setRowCount(static_cast<int>(summary_.rows.size()));
    for (int r = 0; r < grdSummary_->rowCount(); ++r) {
        const SummaryRow& row = summary_.rows[static_cast<std::size_t>(r)];
        const std::vector<std::string> cells = summaryCells(row, locale_);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            QTableWidgetItem* cell =
                item(cells[static_cast<std::size_t>(c)], c >= kFirstNumberColumn);
            // The period in the window's language; the Copy keeps the English label.
            if (c == 0) cell->setText(CoreMessages::translate(summaryLabel(row)));
            if (row.kind == SummaryRow::Kind::Total) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
            }
            grdSummary_->setItem(r, c, cell);
        }
    }
    grdSummary_->resizeColumnsToContents();
}

void FrmSummary::fillChart() {
    const bool hours = optChartHours_->isChecked();
    chart_->setBars(summaryBars(summary_, hours, locale_),
                    CoreMessages::translate(summaryChartDescription(summary_, hours, locale_)),
                    locale_);
}

void FrmSummary::periodSelected() {
    const QList<QTableWidgetItem*> chosen = grdSummary_->selectedItems();
    const int index = chosen.isEmpty() ? -1 : chosen.front()->row();
    chart_->setSelected(index);
    showTasksOf(index);
}

void FrmSummary::showTasksOf(int index) {
    grdSummaryTasks_->clearContents();
    grdSummaryTasks_->setRowCount(0);
    if (index < 0 || index >= static_cast<int>(summary_.rows.size())) {
        grdSummaryTasks_->resizeColumnsToContents();
        return;
    }
    const SummaryRow& period = summary_.rows[static_cast<std::size_t>(index)];
    grdSummaryTasks_->setRowCount(static_cast<int>(period.taskRows.size()));
    int r = 0;
    for (const int gridRow : period.taskRows) {
        // Rows the grid lost since the recompute show empty until the next one.
        const int columns[] = {TaskNo, Description, Hours, Cost};
        for (int c = 0; c < 4; ++c) {
            const std::string text =
                gridRow < grid_.rowCount()
                    ? std::string(std::string_view(grid_.cellText(columns[c], gridRow)))
                    : std::string();
            QTableWidgetItem* cell = item(text, c >= kFirstNumberColumn);
            cell->setData(kTaskRowRole, gridRow);
            grdSummaryTasks_->setItem(r, c, cell);
        }
        ++r;
    }
    grdSummaryTasks_->resizeColumnsToContents();
}

// Esc closes it, as it closes the program's dialogs.
void FrmSummary::keyPressEvent(QKeyEvent* event) {
    if (!closeOnEscape(this, event)) QWidget::keyPressEvent(event);
}

}  // namespace quillet
