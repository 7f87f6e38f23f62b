#pragma once

#include <random>
#include <string>

#include "grid/CellGrid.h"
#include "ports/DateTime.h"
#include "ports/Locale.h"

namespace quillet {

inline constexpr int kCols = 7;
inline constexpr int kMillionCellRows = 1000000 / kCols + 1;  // 1,000,006 cells with headings

inline Locale benchLocale() {
    Locale l;  // month/day/year, decimal point: fixed, as in the tests
    l.currentYear = 2026;
    return l;
}

// Task rows in random order: numbers, dates spread over ten years, words.
inline void fillTasks(CellGrid& g, int rows, unsigned seed) {
    std::mt19937 rng(seed);
    const Locale locale = benchLocale();
    g.setRowCount(rows + 1);
    const char* headings[] = {"Task #", "Task Description", "Hours",   "Start Date",
                              "Cost",   "Misc. Notes",      "End Date"};
    for (int c = 0; c < kCols; ++c) g.rawSetCellText(c, 0, headings[c]);
    const double firstDay = encodeDate(2020, 1, 1);
    for (int r = 1; r <= rows; ++r) {
        g.rawSetCellText(0, r, std::to_string(rng() % 1000000));
        g.rawSetCellText(1, r, "Task " + std::to_string(rng() % 50000) + " design review");
        g.rawSetCellText(2, r, std::to_string(rng() % 100) + ".5");
        g.rawSetCellText(3, r, locale.formatDate(firstDay + rng() % 3650));
        g.rawSetCellText(4, r, std::to_string(rng() % 10000));
        g.rawSetCellText(5, r, "note " + std::to_string(rng() % 100));
        g.rawSetCellText(6, r, locale.formatDate(firstDay + rng() % 3650));
    }
}

// Task rows as users write them: descriptions that share a long prefix, dates as m/d/yyyy
// without leading zeros. Text and date comparisons do their most work on these.
inline void fillRealisticTasks(CellGrid& g, int rows, unsigned seed) {
    std::mt19937 rng(seed);
    g.setRowCount(rows + 1);
    const char* headings[] = {"Task #", "Task Description", "Hours",   "Start Date",
                              "Cost",   "Misc. Notes",      "End Date"};
    for (int c = 0; c < kCols; ++c) g.rawSetCellText(c, 0, headings[c]);
    const auto date = [&rng] {
        return std::to_string(rng() % 12 + 1) + "/" + std::to_string(rng() % 28 + 1) + "/" +
               std::to_string(2019 + rng() % 7);
    };
    for (int r = 1; r <= rows; ++r) {
        g.rawSetCellText(0, r, std::to_string(r));
        g.rawSetCellText(1, r,
                         "Task " + std::to_string(rng() % 1000) + ", phase " +
                             std::to_string(rng() % 9) + " for client \"Acme\"");
        g.rawSetCellText(2, r, std::to_string(rng() % 8) + ".25");
        g.rawSetCellText(3, r, date());
        g.rawSetCellText(4, r, std::to_string(rng() % 900) + ".00");
        g.rawSetCellText(5, r, "");
        g.rawSetCellText(6, r, date());
    }
}

}  // namespace quillet
