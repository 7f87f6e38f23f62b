#pragma once

#include <QDate>
#include <QWidget>
#include <functional>

class QCalendarWidget;

namespace quillet {

// The modeless month calendar for looking up dates. Each showing from hidden selects today;
// bringing it forward keeps the user's selection. Nothing chosen here reaches the table.
class FrmCal : public QWidget {
    Q_OBJECT

  public:
    explicit FrmCal(QWidget* parent = nullptr);

    // Today's date from the program's clock.
    std::function<QDate()> today;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showToday();

    QCalendarWidget* MonthCalendar1_;
};

}  // namespace quillet
