#pragma once

#include <QDate>
#include <QWidget>
#include <functional>

#include "grid/CellGrid.h"
#include "ports/Locale.h"
#include "tasks/Summary.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;
class QVBoxLayout;

namespace quillet {

class SummaryChartView;

// The modeless summary by week, month or year. It follows the grid's notifications, and
// recomputes once after a burst of them (a zero-time timer), never while painting.
class FrmSummary : public QWidget, private CellGridListener {
    Q_OBJECT

  public:
    FrmSummary(CellGrid& grid, const Locale& locale, QWidget* parent = nullptr);
    ~FrmSummary() override;

    void setProjectTitle(const QString& title);
    // The range's dates when the user first ticks From or To.
    void setDefaultRange(const QDate& from, const QDate& to);
    // Unticks From and To: the summary covers every task again.
    void clearRange();

    // Selects a task's row in the main table.
    std::function<void(int row)> onSelectTaskRow;
    std::function<void(const Summary& summary)> onCopy;
    std::function<void(const Summary& summary)> onExport;

    const Summary& summary() const { return summary_; }
    QTableWidget* summaryTable() const { return grdSummary_; }
    QTableWidget* tasksTable() const { return grdSummaryTasks_; }
    SummaryChartView* chart() const { return chart_; }
    // Computes at once what a pending timer would.
    void recompute();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void gridChanged(const GridChange& change) override;
    void buildChoices(QVBoxLayout* layout);
    SummaryOptions options() const;
    void fillTable();
    void fillChart();
    void showTasksOf(int index);
    void periodSelected();

    CellGrid& grid_;
    Locale locale_;
    Summary summary_;
    bool stale_ = true;
    QTimer* recomputeTimer_ = nullptr;
    QComboBox* cboPeriod_ = nullptr;
    QComboBox* cboDateColumn_ = nullptr;
    QCheckBox* chkFrom_ = nullptr;
    QDateEdit* dtpFrom_ = nullptr;
    QCheckBox* chkTo_ = nullptr;
    QDateEdit* dtpTo_ = nullptr;
    QTableWidget* grdSummary_ = nullptr;
    QTableWidget* grdSummaryTasks_ = nullptr;
    QPushButton* btnNonNumbers_ = nullptr;
    QPushButton* btnCopy_ = nullptr;
    QPushButton* btnExport_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
    QRadioButton* optChartHours_ = nullptr;
    QRadioButton* optChartCost_ = nullptr;
    SummaryChartView* chart_ = nullptr;
};

}  // namespace quillet
