#include <QGuiApplication>

#include <gtest/gtest.h>

#include "shell/IdleSources.h"

namespace quillet {
namespace {

// The screen-saver extension's library is loaded on the first request: on an X server it
// must still be found and give a reading.
TEST(IdleSources, AnXServerGivesItsIdleTime) {
    if (QGuiApplication::platformName() != u"xcb") GTEST_SKIP() << "needs an X server";
    const std::unique_ptr<IdleSource> source = makeIdleSource();
    EXPECT_EQ(source->kind(), IdleKind::XServer);
    EXPECT_TRUE(source->idleMs().has_value());
}

}  // namespace
}  // namespace quillet
