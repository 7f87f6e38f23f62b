#include "tasks/TimerHours.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "tasks/Columns.h"
#include "tasks/CostTotal.h"

namespace quillet {

namespace {
constexpr std::int64_t kMsPerHundredth = 36000;  // 0.01 h
}  // namespace

std::int64_t hundredthsOfHour(double elapsedSeconds) {
    // Whole milliseconds first, as the stopwatch shows them, so 18 s is exactly half a
    // hundredth whatever the binary fraction of the day-based clock.
    const double ms = std::nearbyint(elapsedSeconds * 1000.0);
    if (!(ms > 0)) return 0;  // negative, zero or not a number
    // 9e18 ms are some 285 million years: only a wildly wrong clock gets there.
    const auto whole = static_cast<std::int64_t>(std::min(ms, 9e18));
    return (whole + kMsPerHundredth / 2) / kMsPerHundredth;
}

std::string formatHundredths(std::int64_t hundredths, const Locale& locale) {
    std::string out = hundredths < 0 ? "-" : "";
    const std::uint64_t magnitude = hundredths < 0 ? 0 - static_cast<std::uint64_t>(hundredths)
                                                   : static_cast<std::uint64_t>(hundredths);
    out += std::to_string(magnitude / 100);
    const std::uint64_t fraction = magnitude % 100;
    if (fraction != 0) {
        out += locale.decimalSeparator;
        out += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
    }
    return out;
}

namespace {

// The Hours of a task row, read as a cost is (an empty cell counts as 0), or why they
// cannot take time.
std::optional<long double> hoursOfRow(const CellGrid& grid, int row, const Locale& locale,
                                      TimerHoursResult& refusal) {
    using Outcome = TimerHoursResult::Outcome;
    // A grid narrowed by an old file may have no Hours column to add to.
    if (row < 1 || row >= grid.rowCount() || grid.colCount() <= Hours || isTotalRow(grid, row)) {
        refusal = {Outcome::NotATask, kSelectTaskRowFirst};
        return std::nullopt;
    }
    const CellGrid::TextView hoursText = grid.cellText(Hours, row);
    const std::string_view trimmed = trimBlanksAndControls(hoursText);
    if (trimmed.empty()) return 0;
    // The same plain number as a cost: sign, digits, the locale's decimal separator, an
    // optional exponent; no thousands separator.
    const std::optional<long double> value = parseCost(trimmed, locale);
    if (!value) {
        refusal = {Outcome::InvalidHours,
                   Message(QUILLET_TR("CoreMessages", "'%1' is not a valid number of hours"))
                       .arg(std::string(hoursText))};
    }
    return value;
}

std::string taskNumberOf(const CellGrid& grid, int row) {
    std::string taskNo(trimBlanksAndControls(grid.cellText(TaskNo, row)));
    return taskNo.empty() ? std::to_string(row) : taskNo;
}

}  // namespace

TimerHoursResult addTimerToHours(CellGrid& grid, int row, double elapsedSeconds,
                                 const Locale& locale, const std::string& todayText) {
    TimerHoursResult refusal;
    const std::optional<long double> hours = hoursOfRow(grid, row, locale, refusal);
    if (!hours) return refusal;
    const std::int64_t added = hundredthsOfHour(elapsedSeconds);
    // The total's number format: locale separator, no thousands separator, no trailing zeros.
    grid.setCellText(Hours, row,
                     formatTotal(*hours + static_cast<long double>(added) / 100, locale));
    if (EndDate < grid.colCount() && trimBlanksAndControls(grid.cellText(EndDate, row)).empty())
        grid.setCellText(EndDate, row, todayText);
    return {TimerHoursResult::Outcome::Added,
            Message(QUILLET_TR("CoreMessages", "Added %1 h to task %2"))
                .arg(formatHundredths(added, locale))
                .arg(taskNumberOf(grid, row))};
}

TimerHoursResult changeHours(CellGrid& grid, int row, std::int64_t hundredths,
                             const Locale& locale) {
    TimerHoursResult refusal;
    const std::optional<long double> hours = hoursOfRow(grid, row, locale, refusal);
    if (!hours) return refusal;
    grid.setCellText(Hours, row,
                     formatTotal(*hours + static_cast<long double>(hundredths) / 100, locale));
    return {TimerHoursResult::Outcome::Added,
            Message(QUILLET_TR("CoreMessages", "Hours of task %1 changed by %2 h"))
                .arg(taskNumberOf(grid, row))
                .arg((hundredths > 0 ? "+" : "") + formatHundredths(hundredths, locale))};
}

}  // namespace quillet
