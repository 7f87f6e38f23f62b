#include "app/TimerRemote.h"

#include <gtest/gtest.h>

#include "app/AppHarness.h"

namespace quillet {
namespace {

TEST(TimerRemote, TogglesBooksAndRefusesWithoutABox) {
    test::AppHarness h;
    MainController& app = h.start();
    TimerRemote remote(app);
    EXPECT_EQ(remote.run(TimerCommand::Toggle), (TimerReply{true, "running 00:00:00"}));
    h.clock.advanceMs(1800000);
    EXPECT_EQ(remote.run(TimerCommand::Toggle), (TimerReply{true, "stopped 00:30:00"}));
    EXPECT_EQ(remote.run(TimerCommand::Toggle), (TimerReply{true, "running 00:30:00"}));

    app.selectCell(0, 0);  // the heading row takes no hours
    const TimerReply refused = remote.run(TimerCommand::Book);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.text, "Select a task row first");
    EXPECT_TRUE(h.prompts.messages.empty());
    EXPECT_EQ(remote.run(TimerCommand::Status), (TimerReply{true, "running 00:30:00"}));

    app.selectCell(0, 1);
    EXPECT_EQ(remote.run(TimerCommand::Book), (TimerReply{true, "running 00:00:00"}));
    EXPECT_EQ(app.grid().cellText(Hours, 1), "0.5");
    EXPECT_FALSE(TimerRemote::busyReply().ok);
}

TEST(TimerRemote, StatusIsAlwaysAnsweredAndAnOpenEditorHoldsOnlyABooking) {
    using C = TimerCommand;
    for (const C command : {C::Start, C::Stop, C::Toggle, C::Reset, C::Status, C::Book}) {
        const bool reads = command == C::Status;
        EXPECT_EQ(TimerRemote::refusal(command, true, false).has_value(), !reads);
        EXPECT_EQ(TimerRemote::refusal(command, false, true).has_value(), command == C::Book);
        EXPECT_FALSE(TimerRemote::refusal(command, false, false));
    }
}

}  // namespace
}  // namespace quillet
