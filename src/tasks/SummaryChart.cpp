#include "tasks/SummaryChart.h"

#include <algorithm>
#include <cmath>

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

}  // namespace quillet
