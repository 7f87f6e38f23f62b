#include "tasks/SummaryChart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tasks/CostTotal.h"

namespace quillet {

namespace {

constexpr int kWantedSteps = 4;
// Each bar leaves this share of its slot empty, so neighbours stay apart.
constexpr double kGapShare = 0.2;

// 1, 2, 2.5 or 5 times a power of ten: steps a reader adds up at a glance.
double roundStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
        if (factor * power >= rough) return factor * power;
    }
    return 10 * power;
}

}  // namespace

BarChartLayout layoutBarChart(std::span<const double> values, const ChartRect& area) {
    BarChartLayout layout;
    double lowest = 0;
    double highest = 0;
    for (const double v : values) {
        if (!std::isfinite(v)) continue;
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    if (highest == lowest) highest = lowest + 1;  // all zero: an axis from 0 to 1
    const double step = roundStep((highest - lowest) / kWantedSteps);
    layout.low = std::floor(lowest / step) * step;
    layout.high = std::ceil(highest / step) * step;
    const double scale = area.height / (layout.high - layout.low);
    const auto yOf = [&](double v) { return area.y + (layout.high - v) * scale; };
    const auto steps = static_cast<int>(std::lround((layout.high - layout.low) / step));
    for (int k = 0; k <= steps; ++k) {
        const double t = layout.low + k * step;
        const double tick = std::abs(t) < step / 2 ? 0.0 : t;  // no "-0" from rounding
        layout.ticks.push_back(tick);
        layout.tickY.push_back(yOf(tick));
    }
    layout.zeroY = yOf(0);
    if (values.empty()) return layout;
    const double slot = area.width / static_cast<double>(values.size());
    layout.bars.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double v = std::isfinite(values[i]) ? values[i] : 0;
        const double top = yOf(std::max(v, 0.0));
        const double bottom = yOf(std::min(v, 0.0));
        layout.bars.push_back({area.x + slot * (static_cast<double>(i) + kGapShare / 2), top,
                               slot * (1 - kGapShare), bottom - top});
    }
    return layout;
}

namespace {

// The first three letters of a month's name, counted in characters, not UTF-8 bytes.
std::string shortMonth(const std::string& name) {
    std::size_t end = 0;
    for (int letters = 0; end < name.size() && letters < 3; ++letters) {
        ++end;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) ++end;
    }
    return name.substr(0, end);
}

std::string isoWeekName(int year, int week) {
    char text[16];
    std::snprintf(text, sizeof text, "%d-W%02d", year, week);
    return text;
}

// The year shows on the first bar and where a new one starts; the tooltip has the rest.
std::string barLabel(const SummaryRow& row, bool first, const Locale& locale) {
    if (row.emptyRun) return "\u2026";
    const bool newYear = first || row.number == 1;
    switch (row.period) {
        case SummaryPeriod::Week: {
            const std::string iso = isoWeekName(row.year, row.number);
            return newYear ? iso : iso.substr(iso.rfind('-') + 1);
        }
        case SummaryPeriod::Month: {
            const std::string name =
                shortMonth(locale.monthNames[static_cast<std::size_t>(row.number - 1)]);
            return newYear ? name + " " + std::to_string(row.year) : name;
        }
        case SummaryPeriod::Year:
            break;
    }
    return std::to_string(row.year);
}

double chartValue(const SummaryRow& row, bool hours) {
    return static_cast<double>(hours ? row.hours : row.cost);
}

}  // namespace

std::vector<SummaryBar> summaryBars(const Summary& summary, bool hours, const Locale& locale) {
    std::vector<SummaryBar> bars;
    for (const SummaryRow& row : summary.rows) {
        if (row.kind != SummaryRow::Kind::Period) break;
        Message tooltip(QUILLET_TR("CoreMessages", "%1\nHours: %2\nCost: %3\nTasks: %4"));
        tooltip.arg(summaryLabel(row))
            .arg(formatTotal(row.hours, locale))
            .arg(formatTotal(row.cost, locale))
            .arg(std::to_string(row.taskCount));
        bars.push_back({chartValue(row, hours), barLabel(row, bars.empty(), locale), tooltip});
    }
    return bars;
}

Message summaryChartDescription(const Summary& summary, bool hours, const Locale& locale) {
    const SummaryRow* largest = nullptr;
    for (const SummaryRow& row : summary.rows) {
        if (row.kind != SummaryRow::Kind::Period) break;
        if (chartValue(row, hours) > (largest ? chartValue(*largest, hours) : 0)) largest = &row;
    }
    if (!largest) {
        return hours ? QUILLET_TR("CoreMessages", "No period has hours")
                     : QUILLET_TR("CoreMessages", "No period has a cost");
    }
    const Message period = largest->period == SummaryPeriod::Week
                               ? Message(QUILLET_TR("CoreMessages", "week %1"))
                                     .arg(isoWeekName(largest->year, largest->number))
                               : Message::verbatim(largest->label);
    const std::string value = formatTotal(hours ? largest->hours : largest->cost, locale);
    return Message(hours ? QUILLET_TR("CoreMessages", "Largest: %1, %2 h")
                         : QUILLET_TR("CoreMessages", "Largest: %1, cost %2"))
        .arg(period)
        .arg(value);
}

int barLabelStep(double widestLabel, double slotWidth, double minimumGap) {
    if (slotWidth <= 0) return 1;
    const double step = std::ceil((widestLabel + minimumGap) / slotWidth);
    return std::max(1, static_cast<int>(std::min(step, 1e9)));
}

}  // namespace quillet
