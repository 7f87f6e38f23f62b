#pragma once

#include <span>
#include <string>
#include <vector>

#include "ports/Locale.h"
#include "ports/Message.h"
#include "tasks/Summary.h"

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

// What the summary's chart shows of one period row: its bar's height, the short text under
// it ("Nov 2026", "Dec", "W49", "2026") and its tooltip with the row's figures.
struct SummaryBar {
    double value = 0;
    std::string label;
    Message tooltip;
};

// The bars of the summary's periods, of the hours or of the cost. "No date" and "Total"
// have none: they would dwarf the periods.
std::vector<SummaryBar> summaryBars(const Summary& summary, bool hours, const Locale& locale);

// What a screen reader says of the chart: "Largest: week 2026-W49, 14.5 h".
Message summaryChartDescription(const Summary& summary, bool hours, const Locale& locale);

// Every how many bars one carries its label: labels as wide as `widestLabel` stay
// `minimumGap` apart on bars `slotWidth` apart.
int barLabelStep(double widestLabel, double slotWidth, double minimumGap);

}  // namespace quillet
