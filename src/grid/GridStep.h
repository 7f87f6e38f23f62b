#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillet {

class CellGrid;

// What one step changed in a grid, kept as the changes that take it back: the old text of
// each written cell, the old counts, rows removed or put back, and the rows a sort moved as
// a permutation (4 bytes a row, never a copy of the table). CellGrid records it while a step
// is open and replays it backwards to revert the step.
class GridStep {
  public:
    bool empty() const { return ops_.empty() && !tooLarge_; }
    // More was recorded than the bound the step was opened with: what it held is dropped,
    // and the step cannot be reverted.
    bool tooLarge() const { return tooLarge_; }
    // The memory the recorded changes take.
    std::size_t bytes() const { return bytes_; }

  private:
    friend class CellGrid;
    enum class Kind : std::uint8_t { Text, Counts, RowsDeleted, RowsInserted, Permutation };
    struct Op {
        Kind kind = Kind::Text;
        int col = 0;         // Text: the cell's column; Counts: the column count
        int row = 0;         // Text: the cell's row; Counts: the row count; rows: the first
        int count = 0;       // Counts: fixed rows; rows: how many
        int oldRows = 0;     // RowsDeleted: the row count before
        std::size_t at = 0;  // Text: where the old text lies in texts_; Permutation: perms_
        std::size_t size = 0;
    };

    std::vector<Op> ops_;
    std::string texts_;
    // perms_[i][r]: the row, before the step, whose content is now at row r.
    std::vector<std::vector<std::int32_t>> perms_;
    std::size_t bytes_ = 0;
    std::size_t limit_ = 0;
    bool tooLarge_ = false;
    int colBefore_ = 0;
    int rowBefore_ = 0;
    int colAfter_ = 0;
    int rowAfter_ = 0;
};

}  // namespace quillet
