#pragma once

#include "grid/CellGrid.h"

namespace quillet::test {

// Counts what a view would hear from the grid.
struct CountingListener : CellGridListener {
    int cells = 0, layouts = 0, widths = 0, current = 0;
    int content = 0;  // changes that a saved project would notice
    void gridChanged(const GridChange& change) override {
        switch (change.kind) {
            case GridChange::Kind::Cells:
                ++cells;
                break;
            case GridChange::Kind::Layout:
                ++layouts;
                break;
            case GridChange::Kind::Widths:
                ++widths;
                break;
            case GridChange::Kind::Current:
                ++current;
                break;
        }
        if (change.content) ++content;
    }
};

}  // namespace quillet::test
