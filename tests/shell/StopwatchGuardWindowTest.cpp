#include <sys/socket.h>
#include <sys/stat.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <future>
#include <optional>

#include <gtest/gtest.h>

#include "shell/Form1.h"
#include "shell/OnTray.h"
#include "shell/OwnedForm1.h"
#include "shell/QtPorts.h"
#include "shell/TimerClient.h"
#include "shell/TimerServer.h"
#include "shell/windows/FrmStopwatchSettings.h"
#include "support/FakePorts.h"
#include "support/Fakes.h"
#include "tools/LocalSocket.h"

namespace quillet {
namespace {

class StopwatchGuardWindowTest : public ::testing::Test, protected test::FakePorts {
  protected:
    test::OwnedForm1 form{ports()};
    test::FakeIdleSource* idle = nullptr;
    test::MemorySettings stopwatchSettings;

    void SetUp() override {
        auto source = std::make_unique<test::FakeIdleSource>();
        idle = source.get();
        form.setIdleSource(std::move(source));
        form.setStopwatchSettings(stopwatchSettings);
    }
    QString panel(int k) const {
        return form.findChild<QLabel*>(QStringLiteral("StatusBar1Panel%1").arg(k))->text();
    }
    // Runs the client on its own thread while this one serves, as two processes would.
    template <typename Work>
    auto fromOutside(Work work) {
        auto result = std::async(std::launch::async, work);
        while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return result.get();
    }
    TimerClientResult send(TimerCommand command, const QString& path) {
        return fromOutside([&] { return sendTimerCommand(command, path, 5000); });
    }
};

TEST_F(StopwatchGuardWindowTest, CommandsFromOutsideRunTheTimerMenusCommands) {
    QTemporaryDir dir;
    const QString path = dir.filePath("timer");
    EXPECT_EQ(send(TimerCommand::Status, path).exitCode, kTimerNotRunningExit);
    EXPECT_EQ(send(TimerCommand::Status, path).output, "Quillet1 is not running");
    ASSERT_TRUE(form.listenForTimerCommands(path));

    struct Step {
        TimerCommand command;
        double advanceMs;  // before the command
        int exitCode;
        const char* output;
    } const steps[] = {
        {TimerCommand::Status, 0, 0, "stopped 00:00:00"},
        {TimerCommand::Toggle, 0, 0, "running 00:00:00"},
        {TimerCommand::Status, 3723000, 0, "running 01:02:03"},
        {TimerCommand::Stop, 1000, 0, "stopped 01:02:04"},
        {TimerCommand::Start, 5000, 0, "running 01:02:04"},
        {TimerCommand::Toggle, 1000, 0, "stopped 01:02:05"},
        {TimerCommand::Reset, 0, 0, "stopped 00:00:00"},
    };
    for (const Step& step : steps) {
        clock.advanceMs(step.advanceMs);
        const TimerClientResult result = send(step.command, path);
        EXPECT_EQ(result.exitCode, step.exitCode) << timerCommandName(step.command);
        EXPECT_EQ(result.output, step.output) << timerCommandName(step.command);
    }
    // The window shows what the remote commands did, as after the menu's.
    EXPECT_EQ(panel(1), "Timer: 00:00:00:00");

    // Booking on the heading row is refused: the message comes back, no box is shown.
    form.controller().selectCell(0, 0);
    const TimerClientResult refused = send(TimerCommand::Book, path);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_FALSE(refused.output.empty());
    EXPECT_TRUE(prompts.messages.empty());

    form.action("mnuStartTimer1")->trigger();
    clock.advanceMs(1800000);
    form.controller().selectCell(0, 1);
    EXPECT_EQ(send(TimerCommand::Book, path).output, "running 00:00:00");
    EXPECT_EQ(form.controller().statusMessage(), "Added 0.5 h to task 1");

    // While the user types in Hours, a booking waits; status is still answered.
    clock.advanceMs(600000);
    QTableView* view = form.gridView();
    view->edit(view->model()->index(0, Hours));
    auto* editor = view->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("15");
    EXPECT_EQ(send(TimerCommand::Book, path).exitCode, 1);
    EXPECT_EQ(send(TimerCommand::Status, path).output, "running 00:10:00");
    EXPECT_EQ(editor->text(), "15");
    EXPECT_EQ(form.controller().grid().cellText(Hours, 1), "0.5");
}

TEST_F(StopwatchGuardWindowTest, WhatIsNotTheProtocolIsDroppedAndTheServerGoesOn) {
    QTemporaryDir dir;
    const QString path = dir.filePath("timer");
    ASSERT_TRUE(form.listenForTimerCommands(path));
    for (const QByteArray& garbage :
         {QByteArray("hello\n"), QByteArray("QUILLET1-TIMER/2 status\n"),
          QByteArray("QUILLET1-TIMER/1 status\nQUILLET1-TIMER/1 stop\n"), QByteArray(100000, 'x'),
          QByteArray("\0\n", 2)}) {
        const QByteArray answer = fromOutside([&] {
            const UniqueFd socket = connectLocalSocket(path.toStdString(), 5000);
            if (!socket) return QByteArray("no connection");
            // The server may hang up before it has all of a long one.
            writeLocalSocket(socket.get(), garbage.toStdString(), 5000);
            // The server hangs up without a word.
            return QByteArray::fromStdString(readLocalSocketLine(socket.get(), 1000, 5000));
        });
        EXPECT_EQ(answer, QByteArray()) << garbage.left(40).toStdString();
    }
    EXPECT_FALSE(form.controller().timer().stopWatch().running());
    EXPECT_EQ(send(TimerCommand::Status, path).output, "stopped 00:00:00");
}

TimerServer::Handler answering(const char* text) {
    return [text](const TimerRequest&) { return TimerReply{true, text}; };
}

// What the server said before it hung up; marked when it has not hung up by the deadline.
std::string lastWords(int fd, int timeoutMs) {
    const std::string said = readLocalSocketLine(fd, 1000, timeoutMs);
    char byte;
    return ::recv(fd, &byte, 1, MSG_DONTWAIT) == 0 || errno != EAGAIN ? said : said + "(open)";
}

TEST_F(StopwatchGuardWindowTest, TheServerTakesOverOnlyASocketNobodyAnswers) {
    QTemporaryDir dir;
    const QString path = dir.filePath("timer");
    enum class Before { Nothing, LeftByACrash, ServedByAnother };
    for (const Before before : {Before::Nothing, Before::LeftByACrash, Before::ServedByAnother}) {
        std::optional<TimerServer> other;
        if (before == Before::LeftByACrash) listenLocalSocket(path.toStdString());  // file stays
        if (before == Before::ServedByAnother) other.emplace(answering("running 00:00:01"));
        ASSERT_TRUE(!other || other->listen(path));
        {
            TimerServer server(answering("stopped 00:00:00"));
            EXPECT_EQ(server.listen(path), !other);
            struct stat st {};
            EXPECT_EQ(::stat(path.toStdString().c_str(), &st) == 0 ? st.st_mode & 0777 : 0, 0600u);
            // The socket, and the lock its take-over is made under.
            EXPECT_EQ(
                std::distance(std::filesystem::directory_iterator(dir.path().toStdString()), {}),
                2);
            EXPECT_EQ(send(TimerCommand::Status, path).output,
                      other ? "running 00:00:01" : "stopped 00:00:00");
        }
        other.reset();
        // Removed by the one that listened.
        EXPECT_FALSE(std::filesystem::exists(path.toStdString()));
    }
    // A copy that exits removes only the socket it bound, not one another copy put there.
    {
        std::optional<TimerServer> first(std::in_place, answering("running 00:00:01"));
        ASSERT_TRUE(first->listen(path));
        ::unlink(path.toStdString().c_str());
        TimerServer second(answering("stopped 00:00:00"));
        ASSERT_TRUE(second.listen(path));
        first.reset();
        EXPECT_EQ(send(TimerCommand::Status, path).output, "stopped 00:00:00");
    }
    const QString tooLong = dir.filePath(QString(120, 'x'));
    EXPECT_FALSE(TimerServer(answering("")).listen(tooLong));
    EXPECT_EQ(send(TimerCommand::Status, tooLong).exitCode, kTimerNotRunningExit);
}

TEST_F(StopwatchGuardWindowTest, TheServerHangsUpOnSilentAndOverlongClientsAndServesOthers) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("timer").toStdString();
    const auto openSockets = [] {
        return std::ranges::count_if(
            std::filesystem::directory_iterator("/proc/self/fd"), [](auto& fd) {
                std::error_code gone;  // closed meanwhile
                return std::filesystem::read_symlink(fd, gone).string().starts_with("socket:");
            });
    };
    const auto socketsBefore = openSockets();
    UniqueFd waiting;
    {
        TimerServer server(answering("stopped 00:00:00"));
        ASSERT_TRUE(server.listen(QString::fromStdString(path)));
        const std::vector<std::string> heard = fromOutside([&] {
            std::vector<UniqueFd> clients;
            for (const std::string& opening :
                 {std::string(600, 'x'), std::string(), std::string("QUIL")}) {
                clients.push_back(connectLocalSocket(path, 1000));
                writeLocalSocket(clients.back().get(), opening, 1000);
            }
            // Answered while the others wait; the overlong one is gone at once, the silent
            // ones at the request's deadline.
            return std::vector<std::string>{
                sendTimerCommand(TimerCommand::Status, QString::fromStdString(path), 5000).output,
                lastWords(clients[0].get(), 1000), lastWords(clients[1].get(), 10000),
                lastWords(clients[2].get(), 10000)};
        });
        EXPECT_EQ(heard, (std::vector<std::string>{"stopped 00:00:00", "", "", ""}));
        waiting = connectLocalSocket(path, 1000);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(lastWords(waiting.get(), 1000), "");  // the server's end hangs up on it too
    waiting.reset();
    EXPECT_EQ(openSockets(), socketsBefore);
}

TEST_F(StopwatchGuardWindowTest, PollsOnlyWhileRunningAndAsksAboutTimeAway) {
    EXPECT_FALSE(form.guardTimer()->isActive());
    form.action("mnuStartTimer1")->trigger();
    EXPECT_TRUE(form.guardTimer()->isActive());
    EXPECT_EQ(form.guardTimer()->interval(), 15000);

    clock.advanceMs(15 * 60000.0);
    idle->idle = 10 * 60000;  // away since 12:05
    form.pollGuard();
    EXPECT_TRUE(prompts.questions.empty());
    clock.advanceMs(35 * 60000.0);
    idle->idle = 5000;      // back at 12:49:55
    prompts.choices = {1};  // remove the away time
    form.pollGuard();
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0],
              "You were away from 12:05 to 12:49 (45 min) while the stopwatch was running.");
    EXPECT_EQ(panel(1), "Timer: 00:00:05:05");
    EXPECT_TRUE(form.isVisible());  // brought forward to ask

    // Absent again, then the click on Stop is the first input: asked at once.
    idle->idle = 20 * 60000;
    clock.advanceMs(20 * 60000.0);
    form.pollGuard();
    idle->idle = 0;
    prompts.choices = {2};  // stop when the user left
    form.action("mnuStopTimer1")->trigger();
    EXPECT_FALSE(form.guardTimer()->isActive());
    QCoreApplication::processEvents();
    ASSERT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(panel(1), "Timer: 00:00:05:05");
}

TEST_F(StopwatchGuardWindowTest, TrayHintFollowsTheMinuteAndRemindersGoToTheStatusBar) {
    stopwatchSettings.values = {{"awayMinutes", "0"}, {"reminderHours", "1"}};
    form.setStopwatchSettings(stopwatchSettings);
    form.action("mnuStartTimer1")->trigger();
    clock.advanceMs(61000);
    form.updateStopWatchDisplay();
    EXPECT_EQ(form.trayIcon()->hint(), QString::fromUtf8("Quillet1 \u2014 0 h 01 min"));
    clock.advanceMs(30000);
    form.updateStopWatchDisplay();  // it changes once a minute and shows no seconds
    EXPECT_EQ(form.trayIcon()->hint(), QString::fromUtf8("Quillet1 \u2014 0 h 01 min"));

    clock.advanceMs(3600000);
    form.pollGuard();
    if (!form.trayIcon()->systemTrayIcon()->isVisible()) {
        EXPECT_EQ(panel(0), "The stopwatch has been running for 1 hour.");
    }
    form.action("mnuStopTimer1")->trigger();
    EXPECT_EQ(form.trayIcon()->hint(), "Quillet1");
}

TEST_F(StopwatchGuardWindowTest, SettingsWindowShowsStoresAndNamesTheIdleSource) {
    QAction* item = form.action("mnuStopwatchSettings1");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Stop&watch Settings...");
    item->trigger();
    FrmStopwatchSettings* window = form.stopwatchSettingsWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->awayMinutesBox()->value(), 10);
    EXPECT_EQ(window->reminderHoursBox()->value(), 4);
    EXPECT_EQ(window->idleSourceLabel()->text(), "Idle time from the X server");
    window->awayMinutesBox()->setValue(1);
    window->reminderHoursBox()->setValue(0);
    window->findChild<QPushButton*>("btnOkay")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(form.guard().settings(), (GuardSettings{1, 0}));
    EXPECT_EQ(stopwatchSettings.values["awayMinutes"], "1");
    EXPECT_EQ(stopwatchSettings.values["reminderHours"], "0");
    EXPECT_TRUE(settings.values.count("awayMinutes") == 0);  // not in the main section

    EXPECT_EQ(idleSourceText(IdleKind::DBus), "Idle time from the desktop (D-Bus)");
    EXPECT_EQ(idleSourceText(IdleKind::None),
              "No idle time available on this desktop: time away cannot be noticed");
}

// An absence that grows while its question is open shows in that question's box only.
TEST_F(StopwatchGuardWindowTest, TheOpenQuestionsBoxFollowsALongerAbsence) {
    QtPrompts boxes;
    test::OwnedForm1 window{
        ControllerPorts{boxes, clipboard, clock, settings, urls, test::usLocale()}};
    boxes.setParent(&window);
    auto source = std::make_unique<test::FakeIdleSource>();
    test::FakeIdleSource& away = *source;
    window.setIdleSource(std::move(source));
    window.action("mnuStartTimer1")->trigger();
    clock.advanceMs(15 * 60000.0);
    away.idle = 10 * 60000;  // away since 12:05
    window.pollGuard();
    const QString asked(
        "You were away from 12:05 to 12:49 (45 min) while the stopwatch was running.");
    QMessageBox older(QMessageBox::Information, "", asked, QMessageBox::Ok, &window);
    QString shown;
    QTimer::singleShot(0, &window, [&] {
        clock.advanceMs(20 * 60000.0);
        away.idle = 20 * 60000;  // away again while the question is open
        window.pollGuard();
        away.idle = 0;
        window.pollGuard();
        for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
            if (box == &older || !box->isVisible()) continue;
            shown = box->text();
            box->reject();
        }
    });
    clock.advanceMs(35 * 60000.0);
    away.idle = 5000;
    window.pollGuard();  // asks, and returns once the box is closed
    EXPECT_EQ(shown.toStdString(),
              "You were away from 12:05 to 13:10 (1 h 05 min) while the stopwatch was running.");
    EXPECT_EQ(older.text().toStdString(), asked.toStdString());
}

}  // namespace
}  // namespace quillet
