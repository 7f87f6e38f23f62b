#pragma once

#include <QIcon>

namespace quillet {

// The program's icon (window, tray and about box), drawn so it needs no image files.
QIcon appIcon();

}  // namespace quillet
