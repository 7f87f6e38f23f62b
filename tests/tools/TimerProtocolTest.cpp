#include "tools/TimerProtocol.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Fakes.h"
#include "tools/HRStopWatch.h"

namespace quillet {
namespace {

TEST(TimerProtocol, EveryCommandTravelsAsOneLine) {
    for (const char* name : {"start", "stop", "toggle", "reset", "status", "book"}) {
        const auto command = timerCommandNamed(name);
        ASSERT_TRUE(command) << name;
        const std::string line = timerRequestLine(*command);
        EXPECT_EQ(line, std::string("QUILLET1-TIMER/1 ") + name + "\n");
        EXPECT_EQ(parseTimerRequest(std::string_view(line).substr(0, line.size() - 1)), command);
    }
    EXPECT_FALSE(timerCommandNamed("Start"));
    EXPECT_FALSE(timerCommandNamed(""));
}

TEST(TimerProtocol, AnythingElseIsNotARequest) {
    for (const std::string& line : std::vector<std::string>{
             "", "status", "QUILLET1-TIMER/1", "QUILLET1-TIMER/1 ", "QUILLET1-TIMER/1 Status",
             "QUILLET1-TIMER/2 status", "QUILLET1-TIMER/1  status", "QUILLET1-TIMER/1 status ",
             "QUILLET1-TIMER/1 status\r", "QUILLET1-TIMER/1\tstatus", "GET / HTTP/1.1",
             std::string("QUILLET1-TIMER/1 st\0tus", 23),
             "QUILLET1-TIMER/1 " + std::string(kMaxTimerLine, 'x')}) {
        EXPECT_FALSE(parseTimerRequest(line)) << line;
    }
}

TEST(TimerProtocol, RepliesRoundTripOnOneLine) {
    const TimerReply cases[] = {
        {true, "running 01:23:45"}, {false, "Select a task row first."}, {false, ""}};
    for (const TimerReply& reply : cases) {
        const std::string line = timerReplyLine(reply);
        ASSERT_EQ(line.back(), '\n');
        EXPECT_EQ(parseTimerReply(std::string_view(line).substr(0, line.size() - 1)), reply);
    }
    // A message of several lines stays one line, and a long one is cut to fit.
    EXPECT_EQ(timerReplyLine({false, "a\nb\r\nc"}), "QUILLET1-TIMER/1 error a b  c\n");
    EXPECT_EQ(timerReplyLine({false, std::string(2000, 'm')}).size(), kMaxTimerLine);
    EXPECT_FALSE(parseTimerReply("QUILLET1-TIMER/1 maybe running 00:00:00"));
    EXPECT_FALSE(parseTimerReply("QUILLET1-TIMER/0 ok running 00:00:00"));
}

TEST(TimerProtocol, StateTextCountsHoursPastADay) {
    struct Case {
        bool running;
        double days;
        const char* text;
    } const cases[] = {
        {false, 0.0, "stopped 00:00:00"},
        {true, (3600.0 + 23 * 60 + 45) / 86400.0, "running 01:23:45"},
        {true, 50.0 / 24, "running 50:00:00"},
        {false, 59.9994 / 86400.0, "stopped 00:00:59"},  // the status bar's second
    };
    for (const Case& c : cases) EXPECT_EQ(timerStateText(c.running, c.days), c.text);
}

// The remote reply and the tray's hint read the status bar's second at every instant.
TEST(TimerProtocol, ClockTextAgreesWithTheStatusBar) {
    struct Case {
        double seconds;
        const char* panel;
        const char* clock;
    } const cases[] = {
        {59.9994, "Timer: 00:00:00:59", "00:00:59"},
        {59.9996, "Timer: 00:00:01:00", "00:01:00"},
        {0.0004, "Timer: 00:00:00:00", "00:00:00"},
        {0.9996, "Timer: 00:00:00:01", "00:00:01"},
        {3599.9996, "Timer: 00:01:00:00", "01:00:00"},
        {-59.9996, "Timer: 00:00:01:00", "00:01:00"},    // a clock set back: the magnitude
        {86399.9996, "Timer: 00:00:00:00", "24:00:00"},  // the bar drops whole days
        {90061.4, "Timer: 00:01:01:01", "25:01:01"},
    };
    for (const Case& c : cases) {
        test::FakeClock clock;
        HRStopWatch watch(clock);
        watch.start();
        clock.value += c.seconds / 86400.0;
        EXPECT_EQ(stopWatchDisplayText(watch), c.panel) << c.seconds;
        EXPECT_EQ(elapsedClockText(watch.elapsedTime()), c.clock) << c.seconds;
    }
}

}  // namespace
}  // namespace quillet
