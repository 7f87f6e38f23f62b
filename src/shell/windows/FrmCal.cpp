#include "shell/windows/FrmCal.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QShowEvent>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include "shell/windows/SecondaryWindow.h"

namespace quillet {

FrmCal::FrmCal(QWidget* parent)
    : QWidget(parent, secondaryWindowFlags()), MonthCalendar1_(new QCalendarWidget(this)) {
    setObjectName("frmCal");
    setWindowTitle(tr("Quillet1 - Calendar"));
    // White in a light theme, the theme's field colour in a dark one.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);

    MonthCalendar1_->setObjectName("MonthCalendar1");
    MonthCalendar1_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MonthCalendar1_);
    placeCentred(this, 226, 172);
}

// Restoring the window from minimised is not a new showing.
void FrmCal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) showToday();
}

void FrmCal::showToday() {
    const QDate date = today ? today() : QDate::currentDate();
    MonthCalendar1_->setSelectedDate(date);
    MonthCalendar1_->setCurrentPage(date.year(), date.month());
    // Today is marked, whatever the user selects.
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    MonthCalendar1_->setDateTextFormat(QDate(), QTextCharFormat());
    MonthCalendar1_->setDateTextFormat(date, bold);
}

// Esc closes it, as it closes the program's dialogs.
void FrmCal::keyPressEvent(QKeyEvent* event) {
    if (!closeOnEscape(this, event)) QWidget::keyPressEvent(event);
}

}  // namespace quillet
