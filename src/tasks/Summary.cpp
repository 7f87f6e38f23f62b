#include "tasks/Summary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <string_view>
#include <unordered_map>

#include "ports/DateTime.h"
#include "tasks/CostTotal.h"
#include "tasks/TaskRow.h"

namespace quillet {

namespace {

int floorDiv(int a, int b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// Day numbers count from Saturday 1899-12-30: day 2 was a Monday.
int mondayBasedWeekday(int day) {
    return day - (floorDiv(day + 5, 7) * 7 - 5);
}

int dayOf(int year, int month, int day) {
    return static_cast<int>(encodeDate(year, month, day));
}

// The cost total's rule: blank is nothing, else a plain number or not a number at all.
std::optional<long double> readNumber(std::string_view text, const Locale& locale, bool& bad) {
    const std::string_view trimmed = trimBlanksAndControls(text);
    if (trimmed.empty()) return std::nullopt;
    if (auto quick = parseCostQuickly(trimmed, locale.decimalSeparator)) return quick;
    if (auto value = parseCost(trimmed, locale)) return value;
    bad = true;
    return std::nullopt;
}

// Periods numbered consecutively, so that a gap between two is just the keys in between.
int periodKey(SummaryPeriod period, int day) {
    switch (period) {
        case SummaryPeriod::Week:
            return floorDiv(day + 5, 7);
        case SummaryPeriod::Month: {
            const CivilDate d = decodeDate(day);
            return d.year * 12 + d.month - 1;
        }
        case SummaryPeriod::Year:
            return decodeDate(day).year;
    }
    return 0;
}

SummaryRow periodRow(SummaryPeriod period, int key, const Locale& locale) {
    SummaryRow row;
    row.period = period;
    switch (period) {
        case SummaryPeriod::Week: {
            row.firstDay = key * 7 - 5;
            row.lastDay = row.firstDay + 6;
            const IsoWeek week = isoWeekOf(row.firstDay);
            row.year = week.year;
            row.number = week.week;
            row.label = summaryLabel(row).english();
            break;
        }
        case SummaryPeriod::Month: {
            row.year = floorDiv(key, 12);
            row.number = key - row.year * 12 + 1;
            row.firstDay = dayOf(row.year, row.number, 1);
            row.lastDay = dayOf(row.year, row.number, daysInMonth(row.year, row.number));
            row.label = locale.monthNames[static_cast<std::size_t>(row.number - 1)] + " " +
                        std::to_string(row.year);
            break;
        }
        case SummaryPeriod::Year:
            row.year = key;
            row.firstDay = dayOf(key, 1, 1);
            row.lastDay = dayOf(key, 12, 31);
            row.label = std::to_string(key);
            break;
    }
    return row;
}

struct TaskEntry {
    int row;
    std::optional<int> key;  // nullopt: no date
    long double hours;
    long double cost;
};

}  // namespace

IsoWeek isoWeekOf(int day) {
    // The week belongs to the year of its Thursday.
    const int thursday = day - mondayBasedWeekday(day) + 3;
    const int year = decodeDate(thursday).year;
    return {year, (thursday - dayOf(year, 1, 1)) / 7 + 1};
}

int mondayOfIsoWeek(int year, int week) {
    const int jan4 = dayOf(year, 1, 4);  // always in week 1
    return jan4 - mondayBasedWeekday(jan4) + (week - 1) * 7;
}

std::optional<int> readDay(std::string_view text, const Locale& locale) {
    const std::string_view trimmed = trimBlanksAndControls(text);
    if (trimmed.empty()) return std::nullopt;
    const std::optional<double> value = locale.parseDateTime(trimmed);
    if (!value) return std::nullopt;
    return static_cast<int>(std::floor(*value));
}

Summary summarize(const CellGrid& grid, const SummaryOptions& options, const Locale& locale) {
    Summary summary;
    std::vector<TaskEntry> tasks;
    // A table holds few distinct dates (a few thousand over years), each on many rows.
    std::unordered_map<std::string_view, std::optional<int>> days;
    long double totalHours = 0;
    long double totalCost = 0;
    int noDateCount = 0;
    std::optional<int> lowKey;
    std::optional<int> highKey;
    for (int r = 1; r < grid.rowCount(); ++r) {
        if (!isTaskRow(grid, r)) continue;
        const std::span<const CellGrid::StoredCell> cells = grid.storedCells(r);
        const std::string_view dateText = textIn(cells, options.dateColumn);
        std::optional<int> day;
        if (!dateText.empty()) {
            auto [at, added] = days.try_emplace(dateText);
            if (added) at->second = readDay(dateText, locale);
            day = at->second;
        }
        // A range keeps only the days inside it, so a task without one is outside.
        if ((options.from || options.to) &&
            (!day || (options.from && *day < *options.from) || (options.to && *day > *options.to)))
            continue;
        bool bad = false;
        const long double hours = readNumber(textIn(cells, Hours), locale, bad).value_or(0);
        const long double cost = readNumber(textIn(cells, Cost), locale, bad).value_or(0);
        if (bad && summary.nonNumberTasks++ == 0) summary.firstNonNumberRow = r;
        // Added in row order, as the cost total adds them, so the two agree to the last bit.
        totalHours += hours;
        totalCost += cost;
        std::optional<int> key;
        if (day) {
            key = periodKey(options.period, *day);
            lowKey = std::min(lowKey.value_or(*key), *key);
            highKey = std::max(highKey.value_or(*key), *key);
        } else {
            ++noDateCount;
        }
        tasks.push_back({r, key, hours, cost});
    }

    // The range's ends show their periods even when nothing falls in them.
    if (options.from) lowKey = periodKey(options.period, *options.from);
    if (options.to) highKey = periodKey(options.period, *options.to);
    if (lowKey && !highKey) highKey = lowKey;
    if (highKey && !lowKey) lowKey = highKey;
    // Every period with a task shows, and the range's ends; the empty ones between them
    // too, but a long run of those as one row (a mistyped year would otherwise bring
    // hundreds of zeros).
    constexpr std::uint32_t kEmpty = UINT32_MAX;
    const int periods = lowKey && highKey && *highKey >= *lowKey ? *highKey - *lowKey + 1 : 0;
    std::vector<std::uint32_t> rowOfPeriod(static_cast<std::size_t>(periods), kEmpty);
    const auto mark = [&](int key) { rowOfPeriod[static_cast<std::size_t>(key - *lowKey)] = 0; };
    if (periods > 0) {
        mark(*lowKey);
        mark(*highKey);
        for (const TaskEntry& task : tasks)
            if (task.key) mark(*task.key);
    }
    for (int k = 0; k < periods;) {
        if (rowOfPeriod[static_cast<std::size_t>(k)] != kEmpty) {
            rowOfPeriod[static_cast<std::size_t>(k)] =
                static_cast<std::uint32_t>(summary.rows.size());
            summary.rows.push_back(periodRow(options.period, *lowKey + k, locale));
            ++k;
            continue;
        }
        int next = k;  // the last period is marked: the run ends before it
        while (rowOfPeriod[static_cast<std::size_t>(next)] == kEmpty) ++next;
        if (next - k > kLongestEmptyRun) {
            SummaryRow run = periodRow(options.period, *lowKey + k, locale);
            const SummaryRow end = periodRow(options.period, *lowKey + next - 1, locale);
            run.lastDay = end.lastDay;
            run.emptyRun = SummaryRow::EmptyRun{run.label, end.label, end.year, end.number};
            run.label = summaryLabel(run).english();
            summary.rows.push_back(std::move(run));
        } else {
            for (; k < next; ++k)
                summary.rows.push_back(periodRow(options.period, *lowKey + k, locale));
        }
        k = next;
    }

    SummaryRow noDate;
    noDate.kind = SummaryRow::Kind::NoDate;
    noDate.label = kSummaryNoDate;
    noDate.taskRows.reserve(static_cast<std::size_t>(noDateCount));
    for (const TaskEntry& task : tasks) {
        SummaryRow* target = &noDate;
        if (task.key) {
            // Every dated task lies between the ends: the range keeps only those inside.
            target = &summary.rows[rowOfPeriod[static_cast<std::size_t>(*task.key - *lowKey)]];
        }
        ++target->taskCount;
        target->hours += task.hours;
        target->cost += task.cost;
        target->taskRows.push_back(task.row);
    }
    if (noDate.taskCount > 0) summary.rows.push_back(std::move(noDate));

    SummaryRow total;
    total.kind = SummaryRow::Kind::Total;
    total.label = kSummaryTotal;
    for (const SummaryRow& row : summary.rows) total.taskCount += row.taskCount;
    total.hours = totalHours;
    total.cost = totalCost;
    summary.rows.push_back(std::move(total));
    return summary;
}

std::vector<std::string> summaryHeadings() {
    // The window translates them; the clipboard and the export keep them in English.
    return {QUILLET_TR("CoreMessages", "Period"), QUILLET_TR("CoreMessages", "First day"),
            QUILLET_TR("CoreMessages", "Tasks"), QUILLET_TR("CoreMessages", "Hours"),
            QUILLET_TR("CoreMessages", "Cost")};
}

std::vector<std::string> summaryCells(const SummaryRow& row, const Locale& locale) {
    const bool isPeriod = row.kind == SummaryRow::Kind::Period;
    return {row.label, isPeriod ? locale.formatDate(row.firstDay) : std::string(),
            std::to_string(row.taskCount), formatTotal(row.hours, locale),
            formatTotal(row.cost, locale)};
}

std::string summaryClipboardText(const Summary& summary, const Locale& locale) {
    std::string text;
    const auto appendLine = [&text](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0) text += '\t';
            text += cells[c];
        }
        text += "\r\n";
    };
    appendLine(summaryHeadings());
    for (const SummaryRow& row : summary.rows) appendLine(summaryCells(row, locale));
    return text;
}

namespace {
// A month's or a year's label is the locale's own names and digits.
Message periodLabel(SummaryPeriod period, int year, int number, const std::string& label) {
    if (period != SummaryPeriod::Week) return Message::verbatim(label);
    return Message(QUILLET_TR("CoreMessages", "Week %1, %2"))
        .arg(std::to_string(number))
        .arg(std::to_string(year));
}
}  // namespace

Message summaryLabel(const SummaryRow& row) {
    switch (row.kind) {
        case SummaryRow::Kind::NoDate:
            return kSummaryNoDate;
        case SummaryRow::Kind::Total:
            return kSummaryTotal;
        case SummaryRow::Kind::Period:
            break;
    }
    if (row.emptyRun) {
        return Message(QUILLET_TR("CoreMessages", "No tasks from %1 to %2"))
            .arg(periodLabel(row.period, row.year, row.number, row.emptyRun->from))
            .arg(periodLabel(row.period, row.emptyRun->toYear, row.emptyRun->toNumber,
                             row.emptyRun->to));
    }
    return periodLabel(row.period, row.year, row.number, row.label);
}

Message nonNumberNotice(int count) {
    if (count <= 0) return {};
    if (count == 1)
        return QUILLET_TR("CoreMessages", "1 task has Hours or Cost that is not a number");
    return Message(QUILLET_TR("CoreMessages", "%1 tasks have Hours or Cost that are not numbers"))
        .arg(std::to_string(count));
}

}  // namespace quillet
