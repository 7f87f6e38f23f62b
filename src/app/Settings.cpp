#include "app/Settings.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <stdexcept>

#include "ports/Message.h"

namespace quillet {

std::string reopenKey(int slot) {
    return "reopenF" + std::to_string(slot);
}

std::string widthKey(int column) {
    return "col_" + std::to_string(column + 1) + "w";
}

int toInteger(const std::string& text) {
    std::string_view view = text;
    while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
    while (!view.empty() && view.back() == ' ') view.remove_suffix(1);
    if (!view.empty() && view.front() == '+') view.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (view.empty() || ec != std::errc() || end != view.data() + view.size()) {
        throw MessageError(
            Message(QUILLET_TR("CoreMessages", "'%1' is not a valid integer value")).arg(text));
    }
    return value;
}

void applyStoredWidths(CellGrid& grid, SettingsStore& settings) {
    std::optional<MessageError> firstError;
    for (int col = 0; col < kStoredWidths; ++col) {
        const std::string value = settings.readSetting(widthKey(col));
        if (value == kNotAvailable) continue;
        try {
            const int width = toInteger(value);
            if (col < grid.colCount()) grid.setColWidth(col, width);
        } catch (const MessageError& e) {
            if (!firstError) firstError = e;
        }
    }
    if (firstError) throw *firstError;
}

void storeWidths(const CellGrid& grid, SettingsStore& settings) {
    SettingValues widths;
    for (int col = 0; col < kStoredWidths; ++col)
        widths.emplace_back(widthKey(col), std::to_string(grid.colWidth(col)));
    settings.writeSettings(widths);
}

namespace {
int storedOr(SettingsStore& store, const char* key, int fallback) {
    const std::string text = store.readSetting(key);
    if (text == kNotAvailable) return fallback;
    try {
        return toInteger(text);
    } catch (const MessageError&) {
        return fallback;
    }
}
}  // namespace

GuardSettings readGuardSettings(SettingsStore& stopwatchSection) {
    const GuardSettings defaults;
    GuardSettings settings;
    settings.awayMinutes =
        std::clamp(storedOr(stopwatchSection, "awayMinutes", defaults.awayMinutes), 0,
                   StopwatchGuard::kMaxAwayMinutes);
    settings.reminderHours =
        std::clamp(storedOr(stopwatchSection, "reminderHours", defaults.reminderHours), 0,
                   StopwatchGuard::kMaxReminderHours);
    settings.rowPerDay = stopwatchSection.readSetting("bookTo") == "day";
    return settings;
}

void storeGuardSettings(const GuardSettings& settings, SettingsStore& stopwatchSection) {
    SettingValues values{{"awayMinutes", std::to_string(settings.awayMinutes)},
                         {"reminderHours", std::to_string(settings.reminderHours)}};
    // Written once chosen: a store that never had it reads as the task's row.
    if (settings.rowPerDay || stopwatchSection.readSetting("bookTo") != "n/a")
        values.emplace_back("bookTo", settings.rowPerDay ? "day" : "task");
    stopwatchSection.writeSettings(values);
}

}  // namespace quillet
