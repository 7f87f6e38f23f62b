#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

#include <gtest/gtest.h>

#include "ports/DateTime.h"
#include "shell/Form1.h"
#include "shell/OwnedForm1.h"
#include "shell/Translations.h"
#include "shell/windows/FrmWorkLog.h"
#include "support/FakePorts.h"

namespace quillet {
namespace {

class FrmWorkLogTest : public ::testing::Test, protected test::FakePorts {
  protected:
    void SetUp() override {
        MainController& c = form.controller();
        const char* tasks[] = {"Design", "Write report", "Test"};
        c.grid().setRowCount(4);
        for (int r = 1; r <= 3; ++r) {
            c.editCell(TaskNo, r, std::to_string(r));
            c.editCell(Description, r, tasks[r - 1]);
            c.editCell(Hours, r, "1");
        }
        clock.value = encodeDate(2026, 12, 9) + encodeTime(9, 0, 0, 0);  // a Wednesday
    }
    FrmWorkLog* open() {
        form.action("mnuWorkLog1")->trigger();
        FrmWorkLog* window = form.workLogWindow();
        EXPECT_TRUE(window && window->isVisible());
        return window;
    }
    QPushButton* button(const char* name) { return window()->findChild<QPushButton*>(name); }
    FrmWorkLog* window() { return form.workLogWindow(); }
    // The texts of a day's row, or of one of its sessions.
    QStringList row(int day, int session = -1) {
        QTreeWidgetItem* item = window()->list()->topLevelItem(day);
        if (item && session >= 0) item = item->child(session);
        QStringList texts;
        for (int c = 0; item && c < 5; ++c) texts << item->text(c);
        return texts;
    }
    // Runs `fill` on the next modal dialog, inside its own event loop, then accepts it.
    static void answer(const std::function<void(QWidget*)>& fill) {
        QTimer::singleShot(0, [fill] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            fill(dialog);
            qobject_cast<QDialog*>(dialog)->accept();
        });
    }
    void select(int day, int session) {
        window()->list()->setCurrentItem(window()->list()->topLevelItem(day)->child(session));
    }
    std::string hours(int row) {
        return std::string(form.controller().grid().cellText(Hours, row));
    }

    test::OwnedForm1 form{ports()};
};

TEST_F(FrmWorkLogTest, ListsTheTimedSessionsFollowsTheRunningOneAndMarksOverlaps) {
    form.controller().selectCell(Hours, 2);
    form.action("mnuStartTimer1")->trigger();
    clock.advanceMs(40 * 60000);
    form.action("mnuStopTimer1")->trigger();

    QAction* action = form.action("mnuWorkLog1");
    EXPECT_EQ(action->text(), "Work &Log...");
    FrmWorkLog* window = open();
    EXPECT_EQ(window->windowTitle(), "Quillet1 - Work Log");
    EXPECT_EQ(window->focusWidget(), window->list());
    ASSERT_EQ(window->list()->topLevelItemCount(), 1);
    EXPECT_EQ(row(0), (QStringList{"Wednesday 12/9/2026", "", "", "40 min", ""}));
    EXPECT_EQ(row(0, 0), (QStringList{"2: Write report", "09:00", "09:40", "40 min", ""}));
    auto* total = window->findChild<QLabel*>("lblTotal");
    EXPECT_EQ(total->text(), "Total for 12/7/2026 to 12/13/2026: 40 min");
    EXPECT_TRUE(button("btnChange")->isEnabled());
    EXPECT_FALSE(button("btnStartedEarlier")->isEnabled());

    // The day before has nothing; Change and Delete have nothing to act on.
    window->findChild<QComboBox*>("cboShow")->setCurrentIndex(0);
    window->findChild<QToolButton*>("btnPrevious")->click();
    EXPECT_EQ(row(0).first(), "No sessions in this period");
    EXPECT_EQ(total->text(), "Total for Tuesday 12/8/2026: 0 min");
    EXPECT_FALSE(button("btnChange")->isEnabled());
    EXPECT_FALSE(button("btnDelete")->isEnabled());
    button("btnToday")->click();

    // A second session runs on; each second of the clock moves its length.
    clock.advanceMs(20 * 60000);
    form.action("mnuStartTimer1")->trigger();
    QCoreApplication::processEvents();
    clock.advanceMs(5 * 60000);
    form.updateStopWatchDisplay();
    EXPECT_EQ(row(0, 1), (QStringList{"2: Write report", "10:00", "running", "5 min", "Running"}));
    EXPECT_EQ(row(0)[3], "45 min");
    select(0, 1);
    EXPECT_FALSE(button("btnDelete")->isEnabled());  // the stopwatch's own session

    // It began 25 minutes earlier, inside the first one: both are marked, in words too.
    answer([](QWidget* dialog) { dialog->findChild<QSpinBox*>("spnMinutes")->setValue(25); });
    button("btnStartedEarlier")->click();
    EXPECT_EQ(row(0, 1),
              (QStringList{"2: Write report", "09:35", "running", "30 min", "Running, Overlaps"}));
    EXPECT_EQ(row(0, 0)[4], "Overlaps");
    EXPECT_FALSE(window->list()->topLevelItem(0)->child(0)->icon(0).isNull());
    EXPECT_NEAR(form.controller().timer().stopWatch().elapsedTime() * 1440, 70, 1e-6);
    EXPECT_TRUE(prompts.messages.empty());

    QTest::keyClick(window->list(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FrmWorkLogTest, AddChangeAndDeleteBookToHoursAndUndoTakesThemBack) {
    FrmWorkLog* window = open();
    EXPECT_EQ(row(0).first(), "No sessions in this period");
    answer([](QWidget* dialog) {
        auto* task = dialog->findChild<QComboBox*>("cboTask");
        ASSERT_EQ(task->count(), 3);
        task->setCurrentIndex(2);
        dialog->findChild<QDateEdit*>("dtpDay")->setDate(QDate(2026, 12, 8));
        dialog->findChild<QTimeEdit*>("tmeStart")->setTime(QTime(9, 0));
        dialog->findChild<QTimeEdit*>("tmeEnd")->setTime(QTime(9, 40));
    });
    button("btnAdd")->click();
    EXPECT_EQ(hours(3), "1.67");
    EXPECT_EQ(row(0).first(), "Tuesday 12/8/2026");
    EXPECT_EQ(row(0, 0),
              (QStringList{"3: Test", "09:00", "09:40", "40 min", "Booked, Added by hand"}));

    // Enter changes the session: its Hours follow the new length.
    select(0, 0);
    answer([](QWidget* dialog) {
        auto* end = dialog->findChild<QDateTimeEdit*>("dtpEnd");
        end->setTime(QTime(10, 0));
    });
    QTest::keyClick(window->list(), Qt::Key_Return);
    EXPECT_EQ(row(0, 0)[2], "10:00");
    EXPECT_EQ(hours(3), "2");

    // Delete asks first, through the prompts, then takes the time off.
    prompts.yesNoAnswers = {true};
    QTest::keyClick(window->list(), Qt::Key_Delete);
    EXPECT_EQ(prompts.questions.back(),
              "Delete the session of task 3 on 12/8/2026 from 09:00 to 10:00? Its time also "
              "comes off the task's Hours; Undo puts it back.");
    EXPECT_EQ(hours(3), "1");
    EXPECT_EQ(row(0).first(), "No sessions in this period");

    form.action("mnuUndo1")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(hours(3), "2");
    EXPECT_EQ(row(0, 0)[2], "10:00");
    form.action("mnuUndo1")->trigger();
    form.action("mnuUndo1")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(hours(3), "1");
    EXPECT_EQ(row(0).first(), "No sessions in this period");
    EXPECT_TRUE(prompts.messages.empty());
}

// On a 1280x800 screen at twice the scale too (CTest runs it so), in every language.
TEST_F(FrmWorkLogTest, FitsTheScreenInEveryLanguage) {
    QStringList languages = Translations::shipped();
    languages.prepend(QString());
    for (const QString& language : languages) {
        Translations::install(language);
        {
            test::OwnedForm1 own(ports());
            own.action("mnuWorkLog1")->trigger();
            FrmWorkLog* window = own.workLogWindow();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
            const QRect available = window->screen()->availableGeometry();
            EXPECT_TRUE(available.contains(window->frameGeometry())) << language.toStdString();
            EXPECT_GE(window->width(), window->minimumSizeHint().width()) << language.toStdString();
            EXPECT_GE(window->height(), window->minimumSizeHint().height())
                << language.toStdString();
            if (language == "de") {
                EXPECT_EQ(window->windowTitle().toStdString(), "Quillet1 - Arbeitsprotokoll");
            }
        }
        Translations::remove();
    }
}

}  // namespace
}  // namespace quillet
