#pragma once

#include "app/MainController.h"
#include "support/Fakes.h"

namespace quillet::test {

// One user's outside world in fakes, for a main window or controller under test. Fixtures
// inherit it so the fakes are there before the window they are handed to.
struct FakePorts {
    FakePrompts prompts;
    FakeClipboard clipboard;
    FakeClock clock;
    MemorySettings settings;
    FakeUrlOpener urls;

    ControllerPorts ports(Locale locale = usLocale()) {
        return {prompts, clipboard, clock, settings, urls, std::move(locale)};
    }
};

}  // namespace quillet::test
