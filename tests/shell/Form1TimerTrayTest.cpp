#include <QAction>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include "shell/Form1.h"
#include "shell/GridModel.h"
#include "shell/OnTray.h"
#include "shell/OwnedForm1.h"
#include "support/FakePorts.h"
#include "support/Fakes.h"

namespace quillet {
namespace {

class Form1TimerTrayTest : public ::testing::Test, protected test::FakePorts {
  protected:
    test::OwnedForm1 form{ports()};

    QString panel1() const { return form.findChild<QLabel*>("StatusBar1Panel1")->text(); }
};

TEST_F(Form1TimerTrayTest, TimerMenuDrivesTheSecondPanel) {
    EXPECT_TRUE(form.timer1()->isActive());
    EXPECT_EQ(form.timer1()->interval(), 1000);
    EXPECT_EQ(panel1(), "");  // nothing until the first tick
    form.updateStopWatchDisplay();
    EXPECT_EQ(panel1(), "Timer: 00:00:00:00");

    form.action("mnuStartTimer1")->trigger();
    clock.advanceMs(3723456);
    EXPECT_EQ(panel1(), "Timer: 00:00:00:00");  // Start does not refresh; the tick does
    form.updateStopWatchDisplay();
    EXPECT_EQ(panel1(), "Timer: 00:01:02:03");

    form.action("mnuStopTimer1")->trigger();
    clock.advanceMs(600000);  // the pause is not counted
    form.action("mnuStartTimer1")->trigger();
    clock.advanceMs(1000);
    form.updateStopWatchDisplay();
    EXPECT_EQ(panel1(), "Timer: 00:01:02:04");

    form.action("mnuResetTimer1")->trigger();  // while running: stops, zeroes, shows at once
    EXPECT_EQ(panel1(), "Timer: 00:00:00:00");
    EXPECT_FALSE(form.controller().timer().stopWatch().running());
}

TEST_F(Form1TimerTrayTest, TrayIsConfiguredAndExitClosesLikeFileExit) {
    ASSERT_NE(form.trayIcon(), nullptr);
    EXPECT_EQ(form.trayIcon()->hint(), "Quillet1");
    EXPECT_TRUE(form.trayIcon()->active());
    EXPECT_TRUE(form.trayIcon()->applicationVisible());
    EXPECT_TRUE(form.trayIcon()->restoreOnLeftClick());
    form.show();
    prompts.yesNoAnswers = {false};
    form.action("prExit")->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(settings.values.count("col_7w"), 1u);
    EXPECT_EQ(form.trayIcon(), nullptr);  // the icon went with the window
}

TEST_F(Form1TimerTrayTest, TheTimedTaskIsShownSwitchedAndAskedAboutOnClosing) {
    MainController& app = form.controller();
    app.grid().setCellText(Description, 1, "Write report");
    app.selectCell(Hours, 1);
    form.action("mnuStartTimer1")->trigger();
    auto* task = form.findChild<QLabel*>("StatusBar1Panel3");
    EXPECT_EQ(task->accessibleName(), "Timing task 1: Write report");
    EXPECT_EQ(form.findChild<QLabel*>("StatusBar1Panel4")->accessibleName(),
              "Timed today 0 h · Week 0 h");
    const QModelIndex mark = form.gridModel()->index(0, 0);
    EXPECT_FALSE(mark.data(Qt::DecorationRole).isNull());
    EXPECT_EQ(mark.data(Qt::AccessibleDescriptionRole).toString(), "Timed task");
    EXPECT_EQ(form.action("mnuRTimeTask1")->text(), "Time task 1: Write report");
    EXPECT_EQ(form.action("mnuTimeThisTask1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));

    form.action("mnuAddTask1")->trigger();
    app.selectCell(Hours, app.grid().rowCount() - 1);
    clock.advanceMs(3600000);
    form.action("pupTimeThisTask1")->trigger();  // an hour to task 1, then task 2 from zero
    EXPECT_EQ(app.grid().cellText(Hours, 1), "1");
    EXPECT_EQ(task->accessibleName(), "Timing task 5");
    clock.advanceMs(120000);
    prompts.choices = {std::nullopt};  // Cancel: no save question, the window stays
    EXPECT_FALSE(form.close());
    EXPECT_EQ(prompts.questions,
              std::vector<std::string>{"The stopwatch holds 0:02:00 for task 5 that is not in its "
                                       "Hours. Add it before closing?"});
}

}  // namespace
}  // namespace quillet
