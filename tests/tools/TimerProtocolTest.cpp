#include "tools/TimerProtocol.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/Fakes.h"
#include "support/TempDir.h"
#include "tools/HRStopWatch.h"
#include "tools/LocalSocket.h"
#include "tools/TimerSocketPlace.h"

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

TEST(TimerSocketPlace, OnlyAFolderOfOursClosedToOthersHoldsTheSocket) {
    const test::TempDir temp;
    const std::string open = temp.file("open"), mine = temp.file("mine"), file = temp.file("f");
    std::filesystem::create_directory(open);
    std::filesystem::create_directory(mine);
    ::chmod(open.c_str(), 0755);
    ::chmod(mine.c_str(), 0700);
    test::writeBytes(file, "x");
    std::filesystem::create_directory_symlink(mine, temp.file("link"));
    EXPECT_EQ(timerSocketPlace(mine, "/nonexistent").path, mine + "/quillet1-timer");
    for (const std::string& refused : {open, file, temp.file("link"), temp.file("none")}) {
        const TimerSocketPlace place = timerSocketPlace(refused, mine);
        EXPECT_EQ(place.path, "") << refused;
        EXPECT_NE(place.refusal.find(refused), std::string::npos) << place.refusal;
    }
    // Without a runtime folder, one of our own is made in the temporary folder.
    const std::string own = mine + "/quillet1-" + std::to_string(::geteuid());
    EXPECT_EQ(timerSocketPlace("", mine).path, own + "/timer");
    ::chmod(own.c_str(), 0777);
    EXPECT_EQ(timerSocketPlace("", mine).path, "");
}

TEST(TimerSocketPlace, ARepliesControlCharactersNeverReachTheTerminal) {
    EXPECT_EQ(printableReplyText("running 00:00:01"), "running 00:00:01");
    EXPECT_EQ(printableReplyText("a\x1b]0;owned\x07"
                                 "b\x1b[2Jc\rd\x7f"),
              "a]0;ownedb[2Jcd");
    EXPECT_EQ(printableReplyText("\xc2\x9b"
                                 "31mx \xc3\xa9 \xc2\xa0"),
              "31mx \xc3\xa9 \xc2\xa0");
    // Format characters: a right-to-left override, a zero-width space and joiner, a tag.
    EXPECT_EQ(printableReplyText("task 2: \xe2\x80\xaetroper\xe2\x80\x8b \xe2\x80\x8d"
                                 "W\xf3\xa0\x80\x81 \xe2\x80\x94"),
              "task 2: troper W \xe2\x80\x94");
}

TEST(TimerProtocol, TheClientReadsALineUntilItsNewlineTheLimitTheHangUpOrTheDeadline) {
    struct Case {
        const char* sent;
        bool hangUp;
        std::size_t maxBytes;
        const char* line;
    } const cases[] = {
        {"ok\nmore", false, 100, "ok\n"},
        {"abcdef", false, 4, "abcd"},
        {"abc", true, 100, "abc"},
        {"abc", false, 100, "abc"},  // the deadline
    };
    for (const Case& c : cases) {
        int pair[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair), 0);
        UniqueFd mine(pair[0]), peer(pair[1]);
        ASSERT_TRUE(writeLocalSocket(peer.get(), c.sent, 1000));
        if (c.hangUp) peer.reset();
        EXPECT_EQ(readLocalSocketLine(mine.get(), c.maxBytes, 50), c.line) << c.sent;
        // Writing to a peer that hung up fails, and does not end the program with SIGPIPE.
        peer.reset();
        EXPECT_FALSE(writeLocalSocket(mine.get(), "x", 50));
    }
}

}  // namespace
}  // namespace quillet
