#pragma once

#include <string>

#include "grid/CellGrid.h"

namespace quillet {

// Widths of the three columns a fresh project sizes itself; the others keep the default.
struct DefaultWidths {
    int taskNo;
    int description;
    int notes;
};

// The window's design at start-up, and the slightly different sizes New Project has
// always used. Both are what users' stored widths were first taken from: keep them apart.
inline constexpr DefaultWidths kStartUpWidths{42, 120, 120};
inline constexpr DefaultWidths kNewProjectWidths{42, 115, 125};

// Writes the seven headings, the widths, and task 1 numbered "1" and dated today in an
// otherwise empty row 1. Listeners hear one change.
void fillDefaultProject(CellGrid& grid, const DefaultWidths& widths, const std::string& todayText);

}  // namespace quillet
