#include "grid/CellGrid.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace quillet {

namespace {
const std::string kEmpty;
constexpr int kUnsetWidth = INT_MIN;
}  // namespace

CellGrid::CellGrid(int colCount, int rowCount, int fixedRows)
    : colCount_(std::max(1, colCount)),
      rowCount_(std::max(1, rowCount)),
      fixedRows_(std::clamp(fixedRows, 0, rowCount_ - 1)),
      widths_(colCount_, kUnsetWidth) {}

CellGrid::~CellGrid() = default;

void CellGrid::setColCount(int n) {
    n = std::max(1, n);
    if (n <= fixedCols_) fixedCols_ = n - 1;
    if (n == colCount_) return;
    colCount_ = n;
    // Widths are not part of the store: dropped columns lose theirs.
    widths_.resize(static_cast<size_t>(n), kUnsetWidth);
    notifyLayout();
}

void CellGrid::setRowCount(int n) {
    n = std::max(1, n);
    if (n <= fixedRows_) fixedRows_ = n - 1;
    if (n == rowCount_) return;
    rowCount_ = n;
    notifyLayout();
}

void CellGrid::setFixedRows(int n) {
    if (n < 0) throw CellGridError("Grid index out of range");
    if (n >= rowCount_) throw CellGridError("Fixed row count must be less than row count");
    if (n == fixedRows_) return;
    fixedRows_ = n;
    notifyLayout();
}

void CellGrid::setFixedCols(int n) {
    if (n < 0) throw CellGridError("Grid index out of range");
    if (n >= colCount_) throw CellGridError("Fixed column count must be less than column count");
    fixedCols_ = n;
    notifyLayout();
}

int CellGrid::colWidth(int col) const {
    if (col < 0 || col >= static_cast<int>(widths_.size())) return kDefaultColWidth;
    const int w = widths_[static_cast<size_t>(col)];
    return w == kUnsetWidth ? kDefaultColWidth : w;
}

void CellGrid::setColWidth(int col, int width) {
    if (col < 0 || col >= colCount_) throw CellGridError("Grid index out of range");
    if (widths_[static_cast<size_t>(col)] == width) return;
    widths_[static_cast<size_t>(col)] = width;
    notifyWidths();
}

const CellGrid::Cell* CellGrid::findCell(int col, int row) const {
    if (row < 0 || col < 0 || static_cast<size_t>(row) >= rows_.size()) return nullptr;
    const Row& r = rows_[static_cast<size_t>(row)];
    if (static_cast<size_t>(col) >= r.size()) return nullptr;
    return &r[static_cast<size_t>(col)];
}

CellGrid::Cell* CellGrid::findCell(int col, int row) {
    return const_cast<Cell*>(std::as_const(*this).findCell(col, row));
}

void CellGrid::ensureRows(int count) {
    if (static_cast<size_t>(count) > rows_.size()) rows_.resize(static_cast<size_t>(count));
}

void CellGrid::reserveRows(int rows) {
    if (rows > 0) rows_.reserve(static_cast<size_t>(rows));
}

CellGrid::Cell& CellGrid::cellAt(int col, int row) {
    ensureRows(row + 1);
    Row& r = rows_[static_cast<size_t>(row)];
    if (static_cast<size_t>(col) >= r.size()) {
        // Room for a usual row at once, but never a whole row of a very wide grid:
        // a small file naming 100,000 columns must not cost megabytes per row.
        r.resize(static_cast<size_t>(std::max(col + 1, std::min(colCount_, 16))));
    }
    return r[static_cast<size_t>(col)];
}

const std::string& CellGrid::cellText(int col, int row) const {
    const Cell* cell = findCell(col, row);
    return cell ? cell->text : kEmpty;
}

void CellGrid::rawSetCellText(int col, int row, std::string text) {
    if (col < 0 || row < 0) return;
    if (text.empty()) {
        // An empty text without properties is the same as no entry: allocate nothing.
        if (Cell* cell = findCell(col, row)) cell->text.clear();
        return;
    }
    cellAt(col, row).text = std::move(text);
}

void CellGrid::setCellText(int col, int row, std::string text) {
    rawSetCellText(col, row, std::move(text));
    notifyCells(col, row, col, row, true);
}

void CellGrid::moveRow(int from, int to) {
    ensureRows(std::max(from, to) + 1);
    auto first = rows_.begin();
    if (from < to) {
        std::rotate(first + from, first + from + 1, first + to + 1);
    } else if (from > to) {
        std::rotate(first + to, first + from, first + from + 1);
    }
}

void CellGrid::deleteRows(int row, int count) {
    if (row < 0 || count < 1 || row > rowCount_) return;
    BulkUpdate bulk(*this);
    for (int r = row; r < row + count; ++r) {
        for (int c = 0; c < colCount_; ++c) {
            if (Cell* cell = findCell(c, r)) cell->props.reset();
        }
    }
    const int rememberedRow = currentRow_;
    for (int i = 0; i < count; ++i) {
        moveRow(row, rowCount_ - 1);
        setRowCount(rowCount_ - 1);
    }
    if (rememberedRow >= 0 && rememberedRow < rowCount_) {
        // The current row stays at its index.
    } else if (rowCount_ > fixedRows_) {
        setCurrentCell(currentCol_, rowCount_ - 1);
    } else {
        currentRow_ = -1;
        anchorRow_ = -1;
    }
    bulkDirty_ = true;
    bulkContent_ = true;
}

void CellGrid::exchangeRows(int a, int b) {
    if (a == b || a < 0 || b < 0) return;
    ensureRows(std::max(a, b) + 1);
    Row& ra = rows_[static_cast<size_t>(a)];
    Row& rb = rows_[static_cast<size_t>(b)];
    const size_t cols = static_cast<size_t>(colCount_);
    if (ra.size() <= cols && rb.size() <= cols) {
        ra.swap(rb);  // nothing past the column count: swap the rows whole
    } else {
        ra.resize(std::max(ra.size(), cols));
        rb.resize(std::max(rb.size(), cols));
        for (size_t c = 0; c < cols; ++c) std::swap(ra[c], rb[c]);
    }
    notifyCells(0, std::min(a, b), colCount_ - 1, std::max(a, b), true);
}

void CellGrid::setCellColor(int col, int row, Color color) {
    if (col < 0 || row < 0) return;
    Cell& cell = cellAt(col, row);
    if (!cell.props) {
        cell.props = std::make_unique<CellProperties>();
        cell.props->ownerCol = col;
        cell.props->ownerRow = row;
    }
    cell.props->brushColor = color;
    notifyCells(col, row, col, row, false);
}

Color CellGrid::cellColor(int col, int row) const {
    const CellProperties* props = cellProperties(col, row);
    return props ? props->brushColor : clNone;
}

const CellProperties* CellGrid::cellProperties(int col, int row) const {
    const Cell* cell = findCell(col, row);
    return cell ? cell->props.get() : nullptr;
}

void CellGrid::clearStore() {
    rows_.clear();
    rows_.shrink_to_fit();
    notifyLayout();
}

void CellGrid::swapContents(CellGrid& other) {
    BulkUpdate bulk(*this);
    std::swap(colCount_, other.colCount_);
    std::swap(rowCount_, other.rowCount_);
    std::swap(fixedRows_, other.fixedRows_);
    std::swap(fixedCols_, other.fixedCols_);
    widths_.swap(other.widths_);
    rows_.swap(other.rows_);
    bulkDirty_ = true;
    bulkContent_ = true;
    bulkWidthsDirty_ = true;
}

std::unique_ptr<CellGrid> CellGrid::makeReadTarget() const {
    auto target = std::make_unique<CellGrid>(colCount_, 2, 1);
    target->widths_ = widths_;
    target->multilineCells = multilineCells;
    target->oemConvert = oemConvert;
    target->onFileProgress = onFileProgress;
    return target;
}

void CellGrid::cellsChanged(const CellRect& rect) {
    notifyCells(rect.left, rect.top, rect.right, rect.bottom, true);
}

bool CellGrid::setCurrentCell(int col, int row) {
    if (onSelectCell && !onSelectCell(col, row)) return false;
    currentCol_ = col;
    currentRow_ = row;
    anchorCol_ = col;
    anchorRow_ = row;
    if (bulkDepth_ == 0) notify({GridChange::Kind::Current, {}, false});
    return true;
}

void CellGrid::setSelection(int anchorCol, int anchorRow, int col, int row) {
    anchorCol_ = anchorCol;
    anchorRow_ = anchorRow;
    currentCol_ = col;
    currentRow_ = row;
}

CellRect CellGrid::selection() const {
    return {std::min(anchorCol_, currentCol_), std::min(anchorRow_, currentRow_),
            std::max(anchorCol_, currentCol_), std::max(anchorRow_, currentRow_)};
}

void CellGrid::addListener(CellGridListener* listener) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void CellGrid::removeListener(CellGridListener* listener) {
    std::erase(listeners_, listener);
}

void CellGrid::notify(const GridChange& change) {
    // A listener may add or remove listeners while it hears the change.
    const std::vector<CellGridListener*> listeners = listeners_;
    for (CellGridListener* listener : listeners) listener->gridChanged(change);
}

void CellGrid::notifyCells(int left, int top, int right, int bottom, bool content) {
    if (bulkDepth_ > 0) {
        bulkDirty_ = true;
        bulkContent_ = bulkContent_ || content;
        return;
    }
    notify({GridChange::Kind::Cells, {left, top, right, bottom}, content});
}

void CellGrid::notifyLayout() {
    if (bulkDepth_ > 0) {
        bulkDirty_ = true;
        bulkContent_ = true;
        return;
    }
    notify({GridChange::Kind::Layout, {}, true});
}

void CellGrid::notifyWidths() {
    if (bulkDepth_ > 0) {
        bulkWidthsDirty_ = true;
        return;
    }
    notify({GridChange::Kind::Widths, {}, false});
}

CellGrid::BulkUpdate::BulkUpdate(CellGrid& grid) : grid_(grid) {
    ++grid_.bulkDepth_;
}

CellGrid::BulkUpdate::~BulkUpdate() {
    if (--grid_.bulkDepth_ > 0) return;
    if (grid_.bulkDirty_) {
        grid_.bulkDirty_ = false;
        const bool content = std::exchange(grid_.bulkContent_, false);
        grid_.notify({GridChange::Kind::Layout, {}, content});
    }
    // A load sets every column's width: the header hears it once.
    if (grid_.bulkWidthsDirty_) {
        grid_.bulkWidthsDirty_ = false;
        grid_.notify({GridChange::Kind::Widths, {}, false});
    }
}

}  // namespace quillet
