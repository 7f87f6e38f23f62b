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

TimerHoursResult addTimerToHours(CellGrid& grid, int row, double elapsedSeconds,
                                 const Locale& locale, const std::string& todayText) {
    using Outcome = TimerHoursResult::Outcome;
    // A grid narrowed by an old file may have no Hours column to add to.
    if (row < 1 || row >= grid.rowCount() || grid.colCount() <= Hours || isTotalRow(grid, row))
        return {Outcome::NotATask, kSelectTaskRowFirst};

    const CellGrid::TextView hoursText = grid.cellText(Hours, row);
    const std::string_view trimmed = trimBlanksAndControls(hoursText);
    long double hours = 0;
    if (!trimmed.empty()) {
        // The same plain number as a cost: sign, digits, the locale's decimal separator,
        // an optional exponent; no thousands separator.
        const std::optional<long double> value = parseCost(trimmed, locale);
        if (!value) {
            return {Outcome::InvalidHours,
                    Message(QUILLET_TR("CoreMessages", "'%1' is not a valid number of hours"))
                        .arg(std::string(hoursText))};
        }
        hours = *value;
    }

    const std::int64_t added = hundredthsOfHour(elapsedSeconds);
    // The total's number format: locale separator, no thousands separator, no trailing zeros.
    std::string newHours = formatTotal(hours + static_cast<long double>(added) / 100, locale);

    std::string taskNo(trimBlanksAndControls(grid.cellText(TaskNo, row)));
    if (taskNo.empty()) taskNo = std::to_string(row);

    grid.setCellText(Hours, row, std::move(newHours));
    if (EndDate < grid.colCount() && trimBlanksAndControls(grid.cellText(EndDate, row)).empty())
        grid.setCellText(EndDate, row, todayText);
    return {Outcome::Added, Message(QUILLET_TR("CoreMessages", "Added %1 h to task %2"))
                                .arg(formatHundredths(added, locale))
                                .arg(std::move(taskNo))};
}

}  // namespace quillet
