#pragma once

#include <span>
#include <vector>

namespace quillet {

struct ChartRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

// Where a bar chart's bars and value axis go inside a plot area, in the area's coordinates
// (y grows downwards). Computed apart from the painting so it can be checked by numbers.
struct BarChartLayout {
    double low = 0;  // the axis' ends: round numbers that hold every value and zero
    double high = 0;
    std::vector<double> ticks;  // from low to high, one round step apart
    std::vector<double> tickY;  // each tick's height in the area
    double zeroY = 0;
    std::vector<ChartRect> bars;  // one per value, growing up from zero (down when negative)
};

BarChartLayout layoutBarChart(std::span<const double> values, const ChartRect& area);

}  // namespace quillet
