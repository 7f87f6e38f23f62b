#pragma once

#include <string>

#include "grid/CellGrid.h"
#include "ports/Ports.h"
#include "tools/StopwatchGuard.h"

namespace quillet {

// Keys of the per-user settings store.
std::string reopenKey(int slot);   // "reopenF1" .. "reopenF5"
std::string widthKey(int column);  // column 0 -> "col_1w" .. column 6 -> "col_7w"

inline constexpr int kReopenSlots = 5;
inline constexpr int kStoredWidths = 7;

// Decimal integer conversion of stored text; throws std::invalid_argument with
// "'<text>' is not a valid integer value" when the text is not one.
int toInteger(const std::string& text);

// Applies every stored width that is not "n/a". A width that is not an integer is
// skipped and, after the others are applied, reported by throwing its conversion error.
void applyStoredWidths(CellGrid& grid, SettingsStore& settings);

// Writes the seven widths as decimal text, in column order.
void storeWidths(const CellGrid& grid, SettingsStore& settings);

// The guard's settings from the store of their own section ("Stopwatch"): keys "awayMinutes"
// and "reminderHours", and "bookTo" ("task" or "day"). A missing or unreadable value gives its
// default; out-of-range ones are clamped, so a hand-edited file never stops the program.
GuardSettings readGuardSettings(SettingsStore& stopwatchSection);
void storeGuardSettings(const GuardSettings& settings, SettingsStore& stopwatchSection);

}  // namespace quillet
