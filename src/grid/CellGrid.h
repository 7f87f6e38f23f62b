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

// What a view hears from the grid. Bulk operations report once, as layoutChanged.
class CellGridListener {
  public:
    virtual ~CellGridListener() = default;
    // Inclusive rectangle of cells whose text or colour changed.
    virtual void cellsChanged(int left, int top, int right, int bottom) = 0;
    // Counts, fixed rows or many cells changed: redraw everything.
    virtual void layoutChanged() = 0;
    virtual void colWidthsChanged() = 0;
    virtual void currentCellChanged() = 0;
};

struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
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

    // Raises cellsChanged for an inclusive rectangle, or layoutChanged while a bulk update runs.
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
    std::function<void(int col, int row, const std::string& text)> onSetEditText;
    std::function<void(std::int16_t percent)> onFileProgress;

    // Text changed by the in-place editor: stores it, then raises onSetEditText.
    void editCellText(int col, int row, std::string text);

    void setListener(CellGridListener* listener) { listener_ = listener; }

    // Groups changes so listeners hear one layoutChanged at the end.
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
    void notifyCells(int left, int top, int right, int bottom);
    void notifyLayout();
    void notifyWidths();

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
    CellGridListener* listener_ = nullptr;
    int bulkDepth_ = 0;
    bool bulkDirty_ = false;
    bool bulkWidthsDirty_ = false;
};

}  // namespace quillet
