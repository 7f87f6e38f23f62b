#include "tools/StopwatchGuard.h"

#include <cctype>
#include <cmath>

#include <gtest/gtest.h>

#include "ports/DateTime.h"
#include "support/Fakes.h"

namespace quillet {
namespace {

constexpr std::int64_t kMinute = 60000;

// A day's clock from 10:00 with the stopwatch started then, polled as the window would.
class StopwatchGuardTest : public ::testing::Test {
  protected:
    test::FakeClock clock;
    test::FakeIdleSource idle;
    HRStopWatch watch{clock};
    StopwatchGuard guard{watch, clock, idle};

    void SetUp() override {
        clock.value = at(10, 0, 0);
        watch.start();
    }
    static double at(int h, int m, int s) {
        return encodeDate(2026, 12, 7) + encodeTime(h, m, s, 0);
    }
    // A poll at h:m:s with the last input at lastH:lastM:lastS.
    GuardPoll pollAt(int h, int m, int s, int lastH, int lastM, int lastS) {
        clock.value = at(h, m, s);
        idle.idle = std::llround((at(h, m, s) - at(lastH, lastM, lastS)) * 86400000.0);
        return guard.poll();
    }
    // Away from 10:05 to 10:40; the question comes with the poll at 10:40:10.
    void awayFrom1005To1040() {
        EXPECT_FALSE(pollAt(10, 14, 50, 10, 5, 0).ask);  // not yet ten minutes
        EXPECT_FALSE(pollAt(10, 15, 5, 10, 5, 0).ask);   // noted, the user is still away
        EXPECT_FALSE(pollAt(10, 39, 50, 10, 5, 0).ask);
        EXPECT_TRUE(pollAt(10, 40, 10, 10, 40, 0).ask);
    }
    double elapsedMinutes() const { return watch.elapsedTime() * 1440.0; }
};

TEST_F(StopwatchGuardTest, TheQuestionNamesWhenTheUserLeftAndCameBack) {
    awayFrom1005To1040();
    ASSERT_TRUE(guard.pending());
    EXPECT_EQ(guard.questionText(),
              "You were away from 10:05 to 10:40 (35 min) while the stopwatch was running.");
    std::vector<std::string> buttons;
    for (const Message& button : guard.answerButtons()) buttons.push_back(button.english());
    EXPECT_EQ(buttons, (std::vector<std::string>{"&Keep the time", "&Remove the away time",
                                                 "&Stop at 10:05"}));
    // Nothing changes until the answer: the display keeps counting.
    EXPECT_TRUE(watch.running());
    EXPECT_NEAR(elapsedMinutes(), 40.0 + 10.0 / 60, 1e-6);
    EXPECT_FALSE(pollAt(10, 40, 25, 10, 40, 20).ask);  // one question at a time
}

struct AnswerCase {
    const char* name;
    AwayAnswer answer;
    bool stoppedFirst;  // the user clicked Stop on coming back, before the poll saw them
    double minutes;     // elapsed after the answer, at 10:41
    bool running;
};

class StopwatchGuardAnswerTest : public StopwatchGuardTest,
                                 public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(StopwatchGuardAnswerTest, EachAnswerSetsTheElapsedTime) {
    const AnswerCase& c = GetParam();
    EXPECT_FALSE(pollAt(10, 15, 5, 10, 5, 0).ask);
    if (c.stoppedFirst) {
        clock.value = at(10, 40, 5);
        watch.stop();
        EXPECT_TRUE(pollAt(10, 40, 5, 10, 40, 5).ask);  // the poll that follows a stop
    } else {
        EXPECT_TRUE(pollAt(10, 40, 10, 10, 40, 0).ask);
    }
    clock.value = at(10, 41, 0);  // the user reads the question for a while
    guard.answer(c.answer);
    EXPECT_FALSE(guard.pending());
    EXPECT_NEAR(elapsedMinutes(), c.minutes, 1e-6) << c.name;
    EXPECT_EQ(watch.running(), c.running) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, StopwatchGuardAnswerTest,
    ::testing::Values(AnswerCase{"keep", AwayAnswer::Keep, false, 41.0, true},
                      AnswerCase{"remove", AwayAnswer::Remove, false, 6.0, true},
                      AnswerCase{"stop at leaving", AwayAnswer::StopAtLeave, false, 5.0, false},
                      AnswerCase{"keep, stopped", AwayAnswer::Keep, true, 40.0 + 5.0 / 60, false},
                      // The click on Stop was the first input: the time away ran up to it.
                      AnswerCase{"remove, stopped", AwayAnswer::Remove, true, 5.0, false},
                      AnswerCase{"stop at, stopped", AwayAnswer::StopAtLeave, true, 5.0, false}),
    [](const ::testing::TestParamInfo<AnswerCase>& param) {
        std::string name = param.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST_F(StopwatchGuardTest, TheThresholdDecidesAndZeroNeverAsks) {
    struct Case {
        int awayMinutes;
        int idleMinutes;
        bool asks;
    } const cases[] = {{10, 9, false}, {10, 10, true}, {1, 1, true}, {0, 120, false}};
    for (const Case& c : cases) {
        StopwatchGuard fresh(watch, clock, idle);
        fresh.setSettings({c.awayMinutes, 0});
        clock.value = at(13, 0, 0);
        idle.idle = c.idleMinutes * kMinute;
        EXPECT_FALSE(fresh.poll().ask);
        clock.value = at(13, 0, 15);
        idle.idle = 1000;
        EXPECT_EQ(fresh.poll().ask, c.asks) << c.awayMinutes << " min, idle " << c.idleMinutes;
    }
}

TEST_F(StopwatchGuardTest, NoAbsenceWithoutIdleTimeOrWhileStopped) {
    idle.idle = std::nullopt;  // the desktop gives none
    clock.value = at(11, 0, 0);
    EXPECT_FALSE(guard.poll().ask);
    idle.idle = 0;
    clock.value = at(11, 0, 15);
    EXPECT_FALSE(guard.poll().ask);

    watch.stop();
    idle.idle = 60 * kMinute;  // away, but the stopwatch counts nothing
    EXPECT_FALSE(guard.poll().ask);
    idle.idle = 0;
    EXPECT_FALSE(guard.poll().ask);
    EXPECT_FALSE(guard.pending());
}

TEST_F(StopwatchGuardTest, TimeBeforeTheStartIsNotTimeAway) {
    // Idle since 09:00, though the stopwatch started at 10:00 (from another program).
    EXPECT_FALSE(pollAt(10, 30, 0, 9, 0, 0).ask);
    EXPECT_TRUE(pollAt(10, 45, 0, 10, 44, 55).ask);
    EXPECT_EQ(guard.questionText(),
              "You were away from 10:00 to 10:44 (45 min) while the stopwatch was running.");
    guard.answer(AwayAnswer::Remove);
    EXPECT_NEAR(elapsedMinutes(), 5.0 / 60, 1e-6);
}

TEST_F(StopwatchGuardTest, AnAbsenceWhileTheQuestionIsOpenExtendsIt) {
    awayFrom1005To1040();
    // No answer: the user went again at 10:41 and came back at 11:30.
    EXPECT_FALSE(pollAt(10, 55, 0, 10, 41, 0).ask);
    const GuardPoll back = pollAt(11, 30, 10, 11, 30, 0);
    EXPECT_FALSE(back.ask);
    EXPECT_TRUE(back.extended);
    EXPECT_EQ(guard.questionText(),
              "You were away from 10:05 to 11:30 (1 h 25 min) while the "
              "stopwatch was running.");
    EXPECT_EQ(guard.answerButtons().back(), "&Stop at 10:05");
    guard.answer(AwayAnswer::Remove);
    EXPECT_NEAR(elapsedMinutes(), 90.0 + 10.0 / 60 - 85.0, 1e-6);
    EXPECT_TRUE(watch.running());
    // Answered: the next absence is a question of its own.
    EXPECT_FALSE(pollAt(11, 45, 0, 11, 31, 0).ask);
    EXPECT_TRUE(pollAt(11, 50, 0, 11, 49, 0).ask);
}

TEST_F(StopwatchGuardTest, RemindersRepeatEachPeriodOfARun) {
    guard.setSettings({0, 4});
    auto reminderAt = [&](int h, int m) {
        clock.value = at(h, m, 0);
        return guard.poll().reminder;
    };
    EXPECT_EQ(reminderAt(13, 59), "");
    EXPECT_EQ(reminderAt(14, 0), "The stopwatch has been running for 4 hours.");
    EXPECT_EQ(reminderAt(14, 15), "");
    EXPECT_EQ(reminderAt(17, 59), "");
    EXPECT_EQ(reminderAt(18, 0), "The stopwatch has been running for 8 hours.");
    EXPECT_EQ(reminderAt(21, 59), "");
    // A new run counts from its own start.
    watch.stop();
    watch.start();
    EXPECT_EQ(reminderAt(23, 30), "");
    clock.value = at(21, 59, 0) + 4.0 / 24;
    EXPECT_EQ(guard.poll().reminder, "The stopwatch has been running for 4 hours.");

    guard.setSettings({0, 1});  // a shorter period goes on from what was reminded
    EXPECT_EQ(guard.poll().reminder, "");
    clock.value += 1.0 / 24;
    EXPECT_EQ(guard.poll().reminder, "The stopwatch has been running for 5 hours.");
    guard.setSettings({0, 0});
    clock.value += 10.0 / 24;
    EXPECT_EQ(guard.poll().reminder, "");
    EXPECT_EQ(reminderText(1), "The stopwatch has been running for 1 hour.");
}

TEST(StopwatchGuardTexts, ClockAndDuration) {
    EXPECT_EQ(clockText(encodeDate(2026, 1, 2) + encodeTime(0, 0, 0, 0)), "00:00");
    EXPECT_EQ(clockText(encodeDate(2026, 1, 2) + encodeTime(23, 59, 59, 999)), "23:59");
    EXPECT_EQ(clockText(encodeTime(10, 5, 0, 0)), "10:05");
    EXPECT_EQ(durationText(encodeTime(0, 59, 29, 0)), "59 min");
    EXPECT_EQ(durationText(encodeTime(1, 0, 0, 0)), "1 h 00 min");
    EXPECT_EQ(durationText(2.5), "60 h 00 min");
}

}  // namespace
}  // namespace quillet
