#pragma once

#include <memory>

#include "ports/Ports.h"

namespace quillet {

// The desktop's idle time from the first source that answers: the X server's screen-saver
// extension on X11, then the desktop's D-Bus services (org.freedesktop.ScreenSaver, GNOME's
// Mutter); otherwise a source that knows nothing. Needs a QGuiApplication.
std::unique_ptr<IdleSource> makeIdleSource();

}  // namespace quillet
