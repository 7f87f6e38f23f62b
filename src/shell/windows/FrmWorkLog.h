#pragma once

#include <QDate>
#include <QWidget>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "ports/Message.h"
#include "tasks/WorkLogPage.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

namespace quillet {

class CommandRunner;
class MainController;

// The modeless Work Log: the sessions of a day or a week from the project's log, and the
// corrections of them. It only shows and asks; each correction is a command of the timer,
// run through the runner so that a failure shows as every command's does.
class FrmWorkLog : public QWidget {
    Q_OBJECT

  public:
    FrmWorkLog(MainController& controller, CommandRunner& runner, QWidget* parent = nullptr);

    // The log changed: read again once the burst is over, or at the next showing.
    void logChanged();
    // The clock's second: a running session's end and length move on while it is shown.
    void tick();
    // Reads the period from the log at once.
    void refresh();

    QTreeWidget* list() const { return lstWorkLog_; }
    // The period shown: local days [first, end).
    double periodStart() const;
    double periodEnd() const;
    // The session of the current row, or none for a day's row.
    const LogPageEntry* currentEntry() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildPeriodRow(QVBoxLayout* layout);
    void step(int direction);
    void fill(std::vector<LogPageDay> days);
    void updateTexts();
    void updateButtons();
    QString dayText(double day) const;
    QString taskText(const TaskName& task) const;
    QString notesText(const LogPageEntry& entry) const;
    void showRow(QTreeWidgetItem* item, const LogPageEntry& entry);
    // Runs a correction of the log as a command; its refusal shows in a message box.
    void correct(const std::function<Message()>& correction);
    void changeSession();
    void deleteSession();
    void addSession();
    void startedEarlier();

    MainController& controller_;
    CommandRunner& runner_;
    std::vector<LogPageDay> days_;
    std::set<double> collapsed_;  // days the user folded
    bool stale_ = true;
    QTimer* refreshTimer_ = nullptr;
    QComboBox* cboShow_ = nullptr;
    QDateEdit* dtpDate_ = nullptr;
    QPushButton* btnToday_ = nullptr;
    QToolButton* btnPrevious_ = nullptr;
    QToolButton* btnNext_ = nullptr;
    QTreeWidget* lstWorkLog_ = nullptr;
    QLabel* lblTotal_ = nullptr;
    QPushButton* btnChange_ = nullptr;
    QPushButton* btnDelete_ = nullptr;
    QPushButton* btnAdd_ = nullptr;
    QPushButton* btnStartedEarlier_ = nullptr;
    QPushButton* btnExport_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};

}  // namespace quillet
