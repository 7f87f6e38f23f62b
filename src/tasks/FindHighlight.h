#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "grid/CellGrid.h"

namespace quillet {

// The one marked search hit of the window. Found cell (0, 0) means nothing is
// marked. Since a column-0 cell can be marked by findAgain, "marked" is decided
// by the row alone: row 0 is never searched, so any found row above 0 is a mark,
// whatever its column, and Find, Find Again and Reset unmark it like any other.
class FindHighlight {
  public:
    static constexpr size_t kMaxSearchText = 255;

    struct FindResult {
        std::optional<Message> message;  // to show when nothing matched
        bool closeDialog = false;        // a hit closes the find dialog
    };

    // Keeps at most kMaxSearchText bytes, never splitting a UTF-8 sequence.
    void setSearchText(std::string_view text);
    const std::string& searchText() const { return searchText_; }
    int foundCol() const { return foundCol_; }
    int foundRow() const { return foundRow_; }
    bool hasFoundCell() const { return foundRow_ > 0; }

    // Searches from the top of column 1 (the "Task #" column is left out).
    FindResult find(CellGrid& grid);
    // Moves the mark to the next hit after the found cell, column by column.
    std::optional<Message> findAgain(CellGrid& grid);
    // Unmarks the found cell but keeps it, so findAgain continues after it.
    void reset(CellGrid& grid);

  private:
    struct Hit {
        int col;
        int row;
    };
    std::optional<Hit> nextHit(const CellGrid& grid, int startCol, int afterRow) const;
    void unmark(CellGrid& grid) const;

    std::string searchText_;
    int foundCol_ = 0;
    int foundRow_ = 0;
};

}  // namespace quillet
