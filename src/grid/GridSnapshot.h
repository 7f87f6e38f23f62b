#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "grid/CellGrid.h"

namespace quillet {

// What a project file stores of a grid (counts, widths, every non-empty cell text),
// copied into two flat buffers so the copy is cheap to take on the user-interface
// thread and can be written to a file on another thread while the grid changes on.
class GridSnapshot {
  public:
    // The sizes of an earlier snapshot let the buffers be sized without counting first.
    explicit GridSnapshot(const CellGrid& grid, std::size_t expectedCells = 0,
                          std::size_t expectedBytes = 0);

    std::size_t cellCount() const { return cells_.size(); }
    std::size_t textBytes() const { return text_.size(); }

    // The grid again as it was at the time of the snapshot (counts, widths, texts), so the
    // one project file writer writes it.
    std::unique_ptr<CellGrid> toGrid() const;

  private:
    struct Cell {
        int col;
        int row;
        std::size_t end;  // this cell's text ends here in text_
    };

    int colCount_;
    int rowCount_;
    std::vector<int> widths_;
    std::vector<Cell> cells_;
    std::string text_;
};

}  // namespace quillet
