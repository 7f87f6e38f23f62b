#pragma once

#include <cstddef>
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

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    std::size_t cellCount() const { return cells_.size(); }
    std::size_t textBytes() const { return text_.size(); }

    // Writes the project file that saveCellsToFile would have written for the grid at
    // the time of the snapshot. Throws CellGridError as that does.
    void saveToFile(const std::string& path) const;

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
