#include <gtest/gtest.h>

#include "app/Settings.h"
#include "support/Fakes.h"

namespace quillet {
namespace {

TEST(GuardSettings, StoredValuesRoundTripAndBadOnesFallBack) {
    struct Case {
        const char* away;  // nullptr: not stored
        const char* reminder;
        GuardSettings read;
    } const cases[] = {
        {nullptr, nullptr, {10, 4}},
        {"1", "0", {1, 0}},
        {" 25 ", "+8", {25, 8}},
        {"ten", "", {10, 4}},  // unreadable: the default
        {"-5", "100000", {0, StopwatchGuard::kMaxReminderHours}},
        {"99999", "2.5", {StopwatchGuard::kMaxAwayMinutes, 4}},
    };
    for (const Case& c : cases) {
        test::MemorySettings store;
        if (c.away) store.values["awayMinutes"] = c.away;
        if (c.reminder) store.values["reminderHours"] = c.reminder;
        EXPECT_EQ(readGuardSettings(store), c.read) << (c.away ? c.away : "-");
    }
    test::MemorySettings store;
    storeGuardSettings({0, 12}, store);
    EXPECT_EQ(store.values,
              (std::map<std::string, std::string>{{"awayMinutes", "0"}, {"reminderHours", "12"}}));
    EXPECT_EQ(readGuardSettings(store), (GuardSettings{0, 12}));
}

}  // namespace
}  // namespace quillet
