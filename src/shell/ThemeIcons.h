#pragma once

#include <QIcon>
#include <QStringList>

namespace quillet {

// The icon for a freedesktop icon name ("edit-cut", "document-save", ...): the desktop
// theme's own when the theme has it, else the program's drawing of it, so a button never
// shows an unrelated picture and never shows none. Never null.
QIcon themeIcon(const char* name);

// The program's own drawing of a freedesktop icon name; null when it has none.
QIcon bundledIcon(const char* name);

// Every name the program draws itself.
const QStringList& bundledIconNames();

// The program's icon (window, tray, about box) from its SVG.
QIcon programIcon();

}  // namespace quillet
