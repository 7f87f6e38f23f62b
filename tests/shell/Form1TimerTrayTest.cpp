#include <QAction>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include "shell/Form1.h"
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
    EXPECT_FALSE(form.controller().stopWatch().running());
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

}  // namespace
}  // namespace quillet
