#pragma once

#include "grid/CellGrid.h"

namespace quillet::test {

// Counts what a view would hear from the grid.
struct CountingListener : CellGridListener {
    int cells = 0, layouts = 0, widths = 0, current = 0;
    void cellsChanged(int, int, int, int) override { ++cells; }
    void layoutChanged() override { ++layouts; }
    void colWidthsChanged() override { ++widths; }
    void currentCellChanged() override { ++current; }
};

}  // namespace quillet::test
