#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillet {

// 32-bit colour: below 0x01000000 an RGB value 0x00BBGGRR; 0x80000000 + index a system colour.
using Color = std::uint32_t;
inline constexpr Color clNone = 0x1FFFFFFF;
inline constexpr Color clWindow = 0x80000005;
inline constexpr Color clBtnFace = 0x8000000F;
inline constexpr Color clInfoBk = 0x80000018;
inline constexpr Color clHighlight = 0x8000000D;
inline constexpr Color clHighlightText = 0x8000000E;
inline constexpr Color clYellow = 0x0000FFFF;

class CellGridError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Per-cell properties, created the first time one of them is set.
struct CellProperties {
    int ownerCol = 0;
    int ownerRow = 0;
    Color brushColor = clNone;
    Color fontColor = clNone;
    int fontSize = 0;
    std::uint8_t fontStyle = 0;
    std::string fontName;
    bool isBaseCell = true;
    int cellSpanX = -1;
    int cellSpanY = -1;
};

struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The one notification the grid raises. Bulk operations report once, as a Layout change.
struct GridChange {
    enum class Kind {
        Cells,    // the text or colour of the cells in `rect` changed
        Layout,   // counts, fixed rows or many cells changed: redraw everything
        Widths,   // column widths changed
        Current,  // the current cell moved
    };
    Kind kind = Kind::Layout;
    CellRect rect;
    // Text, counts or row order changed: what a saved project holds. Colours, widths and
    // the current cell are not stored in a project file.
    bool content = false;
};

class CellGridListener {
  public:
    virtual ~CellGridListener() = default;
    virtual void gridChanged(const GridChange& change) = 0;
};

// The task table's data: counts, a sparse cell store that keeps entries past the
// counts, column widths, per-cell properties and the current cell / selection.
class CellGrid {
  public:
    static constexpr int kDefaultColWidth = 64;
    static constexpr int kDefaultRowHeight = 21;

    CellGrid(int colCount = 7, int rowCount = 5, int fixedRows = 1);
    ~CellGrid();
    CellGrid(const CellGrid&) = delete;
    CellGrid& operator=(const CellGrid&) = delete;

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setColCount(int n);
    void setRowCount(int n);
    void setFixedRows(int n);
    void setFixedCols(int n);

    int colWidth(int col) const;
    void setColWidth(int col, int width);
    int defaultColWidth() const { return kDefaultColWidth; }

    const std::string& cellText(int col, int row) const;
    void setCellText(int col, int row, std::string text);
    // Stores text without notifying; for loaders that report once at the end.
    void rawSetCellText(int col, int row, std::string text);

    void deleteRows(int row, int count);
    void exchangeRows(int a, int b);

    void setCellColor(int col, int row, Color color);
    Color cellColor(int col, int row) const;
    const CellProperties* cellProperties(int col, int row) const;

    // Drops every text and properties record, also past the counts.
    void clearStore();

    // Exchanges counts, widths, texts and properties with another grid, so a project
    // can be read aside and put in place only when it read well. The current cell,
    // listeners and callbacks stay; listeners hear one Layout and one Widths change.
    void swapContents(CellGrid& other);
    // A grid to read into aside: this grid's column count and widths, 2 rows of which
    // 1 is fixed, its multi-line setting and progress callback.
    std::unique_ptr<CellGrid> makeReadTarget() const;

    // Reports changed text in an inclusive rectangle (one Layout change while a bulk update runs).
    void cellsChanged(const CellRect& rect);

    // Current cell and selection (anchor to current). currentRow -1: selection hidden.
    int currentCol() const { return currentCol_; }
    int currentRow() const { return currentRow_; }
    // Moves the current cell, asking onSelectCell first; returns false when refused.
    bool setCurrentCell(int col, int row);
    void setSelection(int anchorCol, int anchorRow, int col, int row);
    CellRect selection() const;

    bool multilineCells = false;
    bool oemConvert = true;
    std::function<bool(int col, int row)> onSelectCell;
    std::function<void(std::int16_t percent)> onFileProgress;

    // Listeners are not owned; each must remove itself before it goes.
    void addListener(CellGridListener* listener);
    void removeListener(CellGridListener* listener);

    // Groups changes so listeners hear one Layout change (and one Widths change) at the end.
    class BulkUpdate {
      public:
        explicit BulkUpdate(CellGrid& grid);
        ~BulkUpdate();
        BulkUpdate(const BulkUpdate&) = delete;
        BulkUpdate& operator=(const BulkUpdate&) = delete;

      private:
        CellGrid& grid_;
    };

    // Reserves storage for a number of rows (a loader that knows the size).
    void reserveRows(int rows);

  private:
    struct Cell {
        std::string text;
        std::unique_ptr<CellProperties> props;
    };
    using Row = std::vector<Cell>;

    Cell* findCell(int col, int row);
    const Cell* findCell(int col, int row) const;
    Cell& cellAt(int col, int row);
    void ensureRows(int count);
    void moveRow(int from, int to);
    void notifyCells(int left, int top, int right, int bottom, bool content);
    void notifyLayout();
    void notifyWidths();
    void notify(const GridChange& change);

    int colCount_;
    int rowCount_;
    int fixedRows_;
    int fixedCols_ = 0;
    std::vector<int> widths_;  // INT_MIN: never set
    std::vector<Row> rows_;
    int currentCol_ = 0;
    int currentRow_ = 1;
    int anchorCol_ = 0;
    int anchorRow_ = 1;
    std::vector<CellGridListener*> listeners_;
    int bulkDepth_ = 0;
    bool bulkDirty_ = false;
    bool bulkContent_ = false;
    bool bulkWidthsDirty_ = false;
};

}  // namespace quillet
