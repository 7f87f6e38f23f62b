#include "tools/HRStopWatch.h"

#include <gtest/gtest.h>

#include "support/Fakes.h"

namespace quillet {
namespace {

constexpr double kHour = 3600000.0;

TEST(HRStopWatch, ResumeAfterStopSkipsThePauseAndSecondStartIsIgnored) {
    test::FakeClock clock;
    HRStopWatch watch(clock);
    EXPECT_FALSE(watch.running());
    EXPECT_EQ(stopWatchDisplayText(watch), "Timer: 00:00:00:00");

    watch.start();
    clock.advanceMs(10000);
    watch.start();  // ignored: the interval still counts from the first start
    clock.advanceMs(5000);
    EXPECT_EQ(stopWatchDisplayText(watch), "Timer: 00:00:00:15");
    watch.stop();
    clock.advanceMs(60000);  // paused
    EXPECT_EQ(stopWatchDisplayText(watch), "Timer: 00:00:00:15");
    watch.stop();  // ignored while stopped
    EXPECT_EQ(watch.decodeElapsed().seconds, 15);

    watch.start();
    clock.advanceMs(2000);
    EXPECT_TRUE(watch.running());
    EXPECT_EQ(stopWatchDisplayText(watch), "Timer: 00:00:00:17");
    // The display follows every tick while running.
    clock.advanceMs(1000);
    EXPECT_EQ(stopWatchDisplayText(watch), "Timer: 00:00:00:18");
}

TEST(HRStopWatch, ResetOnlyWhenStoppedButTheMenuCommandStopsFirst) {
    test::FakeClock clock;
    HRStopWatch watch(clock);
    watch.start();
    clock.advanceMs(3000);
    watch.reset();  // ignored while running
    EXPECT_TRUE(watch.running());
    EXPECT_NE(watch.startedAt(), 0.0);
    EXPECT_EQ(watch.decodeElapsed().seconds, 3);

    EXPECT_EQ(timerResetCommand(watch), "Timer: 00:00:00:00");
    EXPECT_FALSE(watch.running());
    EXPECT_EQ(watch.accumulated(), 0.0);
    EXPECT_EQ(watch.startedAt(), 0.0);
    EXPECT_EQ(watch.stoppedAt(), 0.0);
    clock.advanceMs(5000);
    EXPECT_EQ(stopWatchDisplayText(watch), "Timer: 00:00:00:00");  // stays stopped
}

TEST(HRStopWatch, MenuCommandSteps) {
    test::FakeClock clock;
    HRStopWatch watch(clock);
    EXPECT_EQ(timerStopCommand(watch), "Timer: 00:00:00:00");  // stop while stopped refreshes
    timerStartCommand(watch);
    EXPECT_TRUE(watch.running());
    clock.advanceMs(61000);
    EXPECT_EQ(timerStopCommand(watch), "Timer: 00:00:01:01");
    EXPECT_FALSE(watch.running());
    EXPECT_DOUBLE_EQ(watch.stoppedAt(), clock.value);
}

TEST(HRStopWatch, RestartZeroesAndKeepsTheRunningState) {
    test::FakeClock clock;
    HRStopWatch watch(clock);
    watch.start();
    clock.advanceMs(90 * 60000);
    EXPECT_EQ(timerRestartCommand(watch), "Timer: 00:00:00:00");
    EXPECT_TRUE(watch.running());  // runs on from zero
    clock.advanceMs(60000);
    EXPECT_EQ(stopWatchDisplayText(watch), "Timer: 00:00:01:00");

    watch.stop();
    clock.advanceMs(60000);
    EXPECT_EQ(timerRestartCommand(watch), "Timer: 00:00:00:00");
    EXPECT_FALSE(watch.running());  // stays stopped
    EXPECT_EQ(watch.accumulated(), 0.0);
    clock.advanceMs(60000);
    EXPECT_EQ(watch.elapsedTime(), 0.0);
}

TEST(HRStopWatch, DisplayDropsDaysMillisecondsAndSign) {
    test::FakeClock clock;
    HRStopWatch watch(clock);
    watch.start();
    clock.advanceMs(25 * kHour);
    EXPECT_EQ(stopWatchDisplayText(watch), "Timer: 00:01:00:00");
    watch.stop();

    HRStopWatch short_(clock);
    short_.start();
    clock.advanceMs(59999);
    EXPECT_EQ(stopWatchDisplayText(short_), "Timer: 00:00:00:59");
    EXPECT_EQ(elapsedToText(short_.decodeElapsed()), "00:00:00:59:999");

    // A negative interval shows its magnitude, still within one day.
    EXPECT_EQ(elapsedToText(decodeElapsedDays(-(2 * kHour + 30000) / 86400000.0)),
              "00:02:00:30:000");
}

// The wall clock moves (set by hand, or summer time begins or ends): 30 real seconds stay 30.
TEST(HRStopWatch, MeasuresRealTimeWhateverTheWallClockDoes) {
    for (const auto& [jumpMs, keepUtc] : std::vector<std::pair<double, bool>>{
             {-kHour, true}, {kHour, true}, {-2 * kHour, false}, {26 * kHour, false}}) {
        test::FakeClock clock;
        HRStopWatch watch(clock);
        watch.start();
        clock.advanceMs(10000);
        clock.setWallClock(jumpMs, keepUtc);
        clock.advanceMs(20000);
        EXPECT_EQ(stopWatchDisplayText(watch), "Timer: 00:00:00:30") << jumpMs;
        watch.stop();
        EXPECT_NEAR(watch.elapsedTime() * 86400.0, 30.0, 1e-6) << jumpMs;
    }
}

TEST(DecodeElapsed, RoundsMillisecondTiesToEven) {
    // 3/2048 and 1/2048 of a day are exact in binary and land on half milliseconds.
    const ElapsedParts down = decodeElapsedDays(3.0 / 2048.0);  // 126562.5 ms
    EXPECT_EQ(elapsedToText(down), "00:00:02:06:562");
    const ElapsedParts up = decodeElapsedDays(1.0 / 2048.0);  // 42187.5 ms
    EXPECT_EQ(elapsedToText(up), "00:00:00:42:188");
    EXPECT_EQ(elapsedToText(decodeElapsedDays(-3.0 / 2048.0)), "00:00:02:06:562");

    // Far beyond the range of a 32-bit millisecond count.
    EXPECT_EQ(elapsedToText(decodeElapsedDays(1e9 + 0.5)), "00:12:00:00:000");
}

TEST(ElapsedToText, FixedWidthFields) {
    EXPECT_EQ(elapsedToText({0, 1, 2, 3, 456}), "00:01:02:03:456");
    EXPECT_EQ(elapsedToText({0, 0, 0, 0, 7}), "00:00:00:00:007");
}

}  // namespace
}  // namespace quillet
