#pragma once

#include <string>
#include <string_view>

namespace quillet {

// Where the remote control's socket lives, or why it may live nowhere. The folder holding
// it must be a real folder of ours that nobody else can enter: in a shared one another
// user could take the name first and receive our commands.
struct TimerSocketPlace {
    std::string path;     // empty when refused
    std::string refusal;  // why, for the command line (the protocol's side stays English)
};

// runtimeDir is $XDG_RUNTIME_DIR (used as it is, never created or changed); without one, a
// folder "quillet1-UID" of our own is made in tempDir.
TimerSocketPlace timerSocketPlace(const std::string& runtimeDir, const std::string& tempDir);

// A reply as a terminal may show it: control characters (C0, DEL and C1) and Unicode's
// format characters (bidirectional overrides, zero-width ones) left out, so a reply cannot
// move the cursor, retitle the window, reorder or hide text.
std::string printableReplyText(std::string_view text);

}  // namespace quillet
