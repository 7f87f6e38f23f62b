#include "grid/CellGrid.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <new>
#include <string>
#include <utility>

namespace quillet {

namespace {
constexpr std::string_view kEmpty = "";
constexpr int kUnsetWidth = INT_MIN;
// Entries are counted and placed with 32 bits, and so is a text's length.
constexpr std::size_t kMaxEntries = UINT32_MAX;
constexpr std::size_t kMaxTextSize = UINT32_MAX;
constexpr const char* kTooManyCells =
    QUILLET_TR("CoreMessages", "The grid cannot hold that many cells");
}  // namespace

CellGrid::CellGrid(int colCount, int rowCount, int fixedRows)
    : colCount_(std::max(1, colCount)),
      rowCount_(std::max(1, rowCount)),
      fixedRows_(std::clamp(fixedRows, 0, rowCount_ - 1)) {
    checkCounts(colCount_, rowCount_);
    widths_.assign(static_cast<size_t>(colCount_), kUnsetWidth);
}

CellGrid::~CellGrid() = default;

bool CellGrid::exceedsCellLimit(std::int64_t cols, std::int64_t rows) {
    // Counts below 1 become 1 in the grid; each factor is bounded before multiplying.
    const std::int64_t c = std::clamp<std::int64_t>(cols, 1, kMaxCells + 1);
    const std::int64_t r = std::clamp<std::int64_t>(rows, 1, kMaxCells + 1);
    return c * r > kMaxCells;
}

void CellGrid::checkCounts(int cols, int rows) {
    if (cols <= kMaxColumns && rows <= kMaxRows && !exceedsCellLimit(cols, rows)) return;
    const std::string c = std::to_string(cols);
    const std::string r = std::to_string(rows);
    if (cols > kMaxColumns || rows > kMaxRows) {
        throw CellGridError(
            Message(QUILLET_TR("CoreMessages",
                               "The grid cannot have %1 columns and %2 rows, more "
                               "than the %3 columns and %4 rows a project can have"))
                .arg(c)
                .arg(r)
                .arg(std::to_string(kMaxColumns))
                .arg(std::to_string(kMaxRows)));
    }
    throw CellGridError(Message(QUILLET_TR("CoreMessages",
                                           "The grid cannot have %1 columns and %2 rows, more than "
                                           "the %3 cells a project can have"))
                            .arg(c)
                            .arg(r)
                            .arg(std::to_string(kMaxCells)));
}

void CellGrid::setColCount(int n) {
    n = std::max(1, n);
    if (n == colCount_) return;
    if (n > colCount_) checkCounts(n, rowCount_);
    if (recorder_.open()) recordCounts();
    colCount_ = n;
    // Widths are not part of the store: dropped columns lose theirs.
    widths_.resize(static_cast<size_t>(n), kUnsetWidth);
    notifyLayout();
}

void CellGrid::setRowCount(int n) {
    n = std::max(1, n);
    if (n > rowCount_) checkCounts(colCount_, n);
    if (recorder_.open() && (n != rowCount_ || n <= fixedRows_)) recordCounts();
    if (n <= fixedRows_) fixedRows_ = n - 1;
    if (n == rowCount_) return;
    rowCount_ = n;
    dropMarksFrom(n);
    notifyLayout();
}

namespace {
constexpr int kFreeMark = INT_MIN;
}

void CellGrid::dropMarksFrom(int row) {
    for (int& at : markRows_)
        if (at >= row) at = -1;
}

int CellGrid::addRowMark(int row) {
    const int at = row >= 0 && row < rowCount_ ? row : -1;
    const auto free = std::find(markRows_.begin(), markRows_.end(), kFreeMark);
    if (free != markRows_.end()) {
        *free = at;
        return static_cast<int>(free - markRows_.begin());
    }
    markRows_.push_back(at);
    return static_cast<int>(markRows_.size()) - 1;
}

int CellGrid::markedRow(int mark) const {
    if (mark < 0 || static_cast<std::size_t>(mark) >= markRows_.size()) return -1;
    const int at = markRows_[static_cast<std::size_t>(mark)];
    return at == kFreeMark ? -1 : at;
}

void CellGrid::setRowMark(int mark, int row) {
    if (mark < 0 || static_cast<std::size_t>(mark) >= markRows_.size()) return;
    markRows_[static_cast<std::size_t>(mark)] = row >= 0 && row < rowCount_ ? row : -1;
}

void CellGrid::removeRowMark(int mark) {
    if (mark >= 0 && static_cast<std::size_t>(mark) < markRows_.size())
        markRows_[static_cast<std::size_t>(mark)] = kFreeMark;
}

void CellGrid::setFixedRows(int n) {
    if (n < 0) throw CellGridError(QUILLET_TR("CoreMessages", "Grid index out of range"));
    if (n >= rowCount_)
        throw CellGridError(
            QUILLET_TR("CoreMessages", "Fixed row count must be less than row count"));
    if (n == fixedRows_) return;
    if (recorder_.open()) recordCounts();
    fixedRows_ = n;
    notifyLayout();
}

bool CellGrid::colWidthSet(int col) const {
    return col >= 0 && col < static_cast<int>(widths_.size()) &&
           widths_[static_cast<size_t>(col)] != kUnsetWidth;
}

int CellGrid::colWidth(int col) const {
    if (col < 0 || col >= static_cast<int>(widths_.size())) return kDefaultColWidth;
    const int w = widths_[static_cast<size_t>(col)];
    return w == kUnsetWidth ? kDefaultColWidth : w;
}

void CellGrid::setColWidth(int col, int width) {
    if (col < 0 || col >= colCount_)
        throw CellGridError(QUILLET_TR("CoreMessages", "Grid index out of range"));
    if (widths_[static_cast<size_t>(col)] == width) return;
    widths_[static_cast<size_t>(col)] = width;
    notifyWidths();
}

inline std::uint32_t CellGrid::entryIndex(const Row& r, int col) const {
    const StoredCell* begin = entries_.data() + r.first;
    const auto c = static_cast<std::uint32_t>(col);
    // Loaders append in column order, and most rows are dense from column 0.
    if (r.count == 0 || begin[r.count - 1].col_ < c) return r.count;
    if (c < r.count && begin[c].col_ == c) return c;
    const StoredCell* at = std::partition_point(
        begin, begin + r.count, [c](const StoredCell& cell) { return cell.col_ < c; });
    return static_cast<std::uint32_t>(at - begin);
}

const CellGrid::StoredCell* CellGrid::findEntry(int col, int row) const {
    if (row < 0 || col < 0 || static_cast<std::size_t>(row) >= rows_.size()) return nullptr;
    const Row& r = rows_[static_cast<std::size_t>(row)];
    const std::uint32_t at = entryIndex(r, col);
    if (at == r.count) return nullptr;
    const StoredCell& cell = entries_[r.first + at];
    return cell.col_ == static_cast<std::uint32_t>(col) ? &cell : nullptr;
}

std::size_t CellGrid::storeBytes() const {
    std::size_t bytes = rows_.capacity() * sizeof(Row) + entries_.capacity() * sizeof(StoredCell) +
                        texts_.reservedBytes() + propRows_.capacity() * sizeof(PropRow);
    for (const PropRow& props : propRows_) bytes += props.capacity() * sizeof(PropEntry);
    return bytes;
}

void CellGrid::ensureRows(int count) {
    if (static_cast<size_t>(count) > rows_.size()) rows_.resize(static_cast<size_t>(count));
}

void CellGrid::reserveRows(int rows) {
    if (rows > 0) rows_.reserve(static_cast<size_t>(rows));
}

void CellGrid::reserveCells(std::size_t cells) {
    noteWrite();  // the table of entries may move
    try {
        entries_.reserve(entries_.size() + std::min(cells, kMaxEntries - entries_.size()));
    } catch (const std::bad_alloc&) {
        // Only a hint: without the room the table grows as it goes.
    }
}

inline void CellGrid::insertEntry(Row& r, std::uint32_t at, const StoredCell& cell) {
    if (r.capacity == 0) r.first = static_cast<std::uint32_t>(entries_.size());
    if (at != r.count || r.first + r.capacity != entries_.size() || r.count != r.capacity) {
        insertEntryElsewhere(r, at, cell);
        return;
    }
    // Appended to the row that ends the table, as a loader does with every cell: small
    // enough to inline, since a load does little else per cell.
    if (entries_.size() >= kMaxEntries) throw CellGridError(kTooManyCells);
    entries_.push_back(cell);
    ++r.capacity;
    ++r.count;
    ++storedCount_;
}

void CellGrid::insertEntryElsewhere(Row& r, std::uint32_t at, const StoredCell& cell) {
    if (r.count == r.capacity) {
        if (r.first + r.capacity == entries_.size()) {
            // The row ends the table (as each row does while a file loads): grow in place.
            if (entries_.size() >= kMaxEntries) throw CellGridError(kTooManyCells);
            entries_.emplace_back();
            ++r.capacity;
        } else {
            moveToEnd(r, std::max<std::uint32_t>(4, 2 * r.capacity));
        }
    }
    StoredCell* begin = entries_.data() + r.first;
    std::copy_backward(begin + at, begin + r.count, begin + r.count + 1);
    begin[at] = cell;
    ++r.count;
    ++storedCount_;
}

void CellGrid::eraseEntry(Row& r, std::uint32_t at) {
    StoredCell* begin = entries_.data() + r.first;
    releaseText(begin[at]);
    std::copy(begin + at + 1, begin + r.count, begin + at);
    --r.count;
    --storedCount_;
}

void CellGrid::moveToEnd(Row& r, std::uint32_t capacity) {
    // The old slots are left unused. A row's room at least doubles each time it moves,
    // so what all moves leave behind never exceeds the room the rows hold.
    const std::size_t first = entries_.size();
    if (kMaxEntries - first < capacity) throw CellGridError(kTooManyCells);
    entries_.resize(first + capacity);
    std::copy_n(entries_.begin() + r.first, r.count, entries_.begin() + first);
    r.first = static_cast<std::uint32_t>(first);
    r.capacity = capacity;
}

void CellGrid::setRowEntries(Row& r, std::span<const StoredCell> cells) {
    const auto count = static_cast<std::uint32_t>(cells.size());
    if (count > r.capacity) moveToEnd(r, std::max(count, 2 * r.capacity));
    std::copy(cells.begin(), cells.end(), entries_.begin() + r.first);
    storedCount_ = storedCount_ - r.count + count;
    r.count = count;
}

void CellGrid::compactTexts() {
    TextArena packed;
    for (const Row& r : rows_) {
        for (std::uint32_t i = 0; i < r.count; ++i) {
            StoredCell& cell = entries_[r.first + i];
            if (cell.inPlace()) continue;
            const char* data = packed.store(cell.text());
            std::memcpy(cell.bytes_, &data, sizeof data);
        }
    }
    texts_ = std::move(packed);
}

inline CellGrid::StoredCell CellGrid::makeCell(int col, std::string_view text) {
    StoredCell cell;
    cell.col_ = static_cast<std::uint32_t>(col);
    cell.size_ = static_cast<std::uint32_t>(text.size());
    if (cell.inPlace()) {
        // Two overlapping fixed-size copies instead of a call for a few bytes.
        const std::size_t n = text.size();
        if (n >= 4) {
            std::memcpy(cell.bytes_, text.data(), 4);
            std::memcpy(cell.bytes_ + n - 4, text.data() + n - 4, 4);
        } else {
            for (std::size_t i = 0; i < n; ++i) cell.bytes_[i] = text[i];
        }
    } else {
        const char* data = texts_.store(text);
        std::memcpy(cell.bytes_, &data, sizeof data);
    }
    return cell;
}

void CellGrid::releaseText(const StoredCell& cell) {
    if (!cell.inPlace()) texts_.release(cell.size_);
}

CellGrid::TextView CellGrid::cellText(int col, int row) const {
    const StoredCell* cell = findEntry(col, row);
    const std::string_view text = cell ? cell->text() : kEmpty;
#ifdef NDEBUG
    return text;
#else
    return TextView(text, *this);
#endif
}

#ifndef NDEBUG
void CellGrid::staleView() {
    std::fputs("CellGrid::cellText: a view read after a write to the grid\n", stderr);
    std::abort();
}
#endif

// Called for every cell a step writes.
inline void CellGrid::recordOldText(int col, int row, const StoredCell* old) {
    static constexpr char kNothing[StoredCell::kInPlace] = {};
    if (!old) {
        recorder_.oldShortText(col, row, kNothing, 0);
    } else if (old->inPlace()) {
        recorder_.oldShortText(col, row, old->bytes_, old->size_);
    } else {
        recorder_.oldLongText(col, row, old->text());
    }
}

void CellGrid::rawSetCellText(int col, int row, std::string_view text) {
    if (col < 0 || row < 0) return;
    if (text.size() > kMaxTextSize)
        throw CellGridError(QUILLET_TR("CoreMessages", "A cell cannot hold more than 4 GB"));
    noteWrite();
    // An empty text is the same as no entry: nothing is stored for it.
    if (text.empty() && static_cast<size_t>(row) >= rows_.size()) return;
    ensureRows(row + 1);
    Row& r = rows_[static_cast<size_t>(row)];
    const std::uint32_t at = entryIndex(r, col);
    StoredCell* old = at < r.count && entries_[r.first + at].col_ == static_cast<std::uint32_t>(col)
                          ? &entries_[r.first + at]
                          : nullptr;
    // The same text again changes nothing, and a step that records nothing is no step.
    if (old ? old->text() == text : text.empty()) return;
    if (recorder_.open()) recordOldText(col, row, old);
    if (text.empty()) {
        if (old) eraseEntry(r, at);
        return;
    }
    // Copied before anything moves or is given up: the text may be a cell's own.
    const StoredCell cell = makeCell(col, text);
    if (old) {
        releaseText(*old);
        *old = cell;
    } else {
        try {
            insertEntry(r, at, cell);
        } catch (...) {
            releaseText(cell);  // nothing holds the copy
            throw;
        }
    }
    if (texts_.mostlyWaste()) compactTexts();
}

void CellGrid::setCellText(int col, int row, std::string_view text) {
    rawSetCellText(col, row, text);
    notifyCells(col, row, col, row, true);
}

void CellGrid::moveRow(int from, int to) {
    for (int& at : markRows_) {
        if (at == from)
            at = to;
        else if (from < to && at > from && at <= to)
            --at;
        else if (from > to && at >= to && at < from)
            ++at;
    }
    ensureRows(std::max(from, to) + 1);
    auto first = rows_.begin();
    if (from < to) {
        std::rotate(first + from, first + from + 1, first + to + 1);
    } else if (from > to) {
        std::rotate(first + to, first + from, first + from + 1);
    }
}

CellGrid::PropRow* CellGrid::propRow(const Row& r) {
    return r.props == 0 ? nullptr : &propRows_[r.props - 1];
}

const CellGrid::PropRow* CellGrid::propRow(const Row& r) const {
    return r.props == 0 ? nullptr : &propRows_[r.props - 1];
}

CellGrid::PropRow& CellGrid::ownPropRow(Row& r) {
    if (r.props == 0) {
        if (freePropRows_.empty()) {
            propRows_.emplace_back();
            r.props = static_cast<std::uint32_t>(propRows_.size());
        } else {
            r.props = freePropRows_.back() + 1;
            freePropRows_.pop_back();
        }
    }
    return propRows_[r.props - 1];
}

void CellGrid::dropPropRowIfEmpty(Row& r) {
    if (r.props == 0 || !propRows_[r.props - 1].empty()) return;
    freePropRows_.push_back(r.props - 1);
    r.props = 0;
}

bool CellGrid::holdsPast(const Row& r, int col) const {
    const auto c = static_cast<std::uint32_t>(col);
    if (r.count > 0 && entries_[r.first + r.count - 1].col_ >= c) return true;
    const PropRow* props = propRow(r);
    return props && !props->empty() && props->back().col >= col;
}

void CellGrid::deleteRows(int row, int count) {
    if (row < 0 || count < 1 || row > rowCount_) return;
    noteWrite();
    BulkUpdate bulk(*this);
    if (recorder_.open()) recorder_.rowsDeleted(row, count, rowCount_, fixedRows_);
    // Recorded as one change: the counts it sets on the way are part of it.
    const StepRecorder::Pause pause(recorder_);
    const int lastStored = static_cast<int>(std::min<std::size_t>(rows_.size(), INT_MAX));
    for (int r = row; r < std::min(row + count, lastStored); ++r) {
        Row& stored = rows_[static_cast<size_t>(r)];
        if (PropRow* props = propRow(stored)) {
            std::erase_if(*props, [this](const PropEntry& e) { return e.col < colCount_; });
            dropPropRowIfEmpty(stored);
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
    bulk.commit();
}

void CellGrid::exchangeRows(int a, int b) {
    if (a == b || a < 0 || b < 0) return;
    noteWrite();
    ensureRows(std::max(a, b) + 1);
    if (recorder_.open()) recorder_.exchange(a, b, rowCount_);
    for (int& at : markRows_) at = at == a ? b : at == b ? a : at;
    Row& ra = rows_[static_cast<size_t>(a)];
    Row& rb = rows_[static_cast<size_t>(b)];
    if (!holdsPast(ra, colCount_) && !holdsPast(rb, colCount_)) {
        std::swap(ra, rb);  // nothing past the column count: swap the rows whole
    } else {
        // Columns 0 to ColCount - 1 change rows; what lies past them stays.
        const std::uint32_t splitA = entryIndex(ra, colCount_);
        const std::uint32_t splitB = entryIndex(rb, colCount_);
        const auto cellsA = entries_.begin() + ra.first;
        const auto cellsB = entries_.begin() + rb.first;
        std::vector<StoredCell> newA(cellsB, cellsB + splitB);
        newA.insert(newA.end(), cellsA + splitA, cellsA + ra.count);
        std::vector<StoredCell> newB(cellsA, cellsA + splitA);
        newB.insert(newB.end(), cellsB + splitB, cellsB + rb.count);
        setRowEntries(ra, newA);
        setRowEntries(rb, newB);

        PropRow propsA;
        PropRow propsB;
        const auto deal = [this](PropRow* from, PropRow& low, PropRow& high) {
            if (!from) return;
            for (const PropEntry& e : *from) (e.col < colCount_ ? low : high).push_back(e);
            from->clear();
        };
        PropRow highA;
        PropRow highB;
        deal(propRow(ra), propsB, highA);
        deal(propRow(rb), propsA, highB);
        std::move(highA.begin(), highA.end(), std::back_inserter(propsA));
        std::move(highB.begin(), highB.end(), std::back_inserter(propsB));
        if (!propsA.empty()) ownPropRow(ra) = std::move(propsA);
        if (!propsB.empty()) ownPropRow(rb) = std::move(propsB);
        dropPropRowIfEmpty(ra);
        dropPropRowIfEmpty(rb);
    }
    notifyCells(0, std::min(a, b), colCount_ - 1, std::max(a, b), true);
}

void CellGrid::beginStep(std::size_t byteLimit) {
    recorder_.begin(byteLimit, currentCol_, currentRow_);
}

GridStep CellGrid::endStep() {
    return recorder_.end(currentCol_, currentRow_);
}

void CellGrid::recordCounts() {
    recorder_.counts(colCount_, rowCount_, fixedRows_);
}

// Undoes deleteRows: its rows still lie past the count, each moved there in turn.
void CellGrid::restoreDeletedRows(int row, int count, int oldRows, int fixedRows) {
    std::vector<int> counts(static_cast<std::size_t>(count));
    int rows = oldRows;
    for (int& c : counts) {
        c = rows;
        rows = std::max(1, rows - 1);
    }
    for (auto c = counts.rbegin(); c != counts.rend(); ++c) moveRow(*c - 1, row);
    if (recorder_.open()) recorder_.rowsInserted(row, count);
    rowCount_ = oldRows;
    fixedRows_ = fixedRows;
}

// perm[r] is the row whose content now lies at r; each exchange puts one row home. Works
// on a copy: the step stays whole should the revert fail.
void CellGrid::permuteBack(std::span<const std::int32_t> rows) {
    std::vector<std::int32_t> perm(rows.begin(), rows.end());
    for (std::size_t r = 0; r < perm.size(); ++r) {
        while (perm[r] != static_cast<std::int32_t>(r)) {
            const auto home = static_cast<std::size_t>(perm[r]);
            exchangeRows(static_cast<int>(r), static_cast<int>(home));
            std::swap(perm[r], perm[home]);
        }
    }
}

// How the grid takes back each change a step recorded.
struct CellGrid::Undoer {
    CellGrid& grid;
    void text(int col, int row, std::string_view text) { grid.rawSetCellText(col, row, text); }
    void counts(int cols, int rows, int fixedRows) {
        grid.setColCount(cols);
        grid.setRowCount(rows);
        grid.setFixedRows(fixedRows);
    }
    void restoreRows(int row, int count, int oldRows, int fixedRows) {
        grid.restoreDeletedRows(row, count, oldRows, fixedRows);
    }
    void removeRows(int row, int count) { grid.deleteRows(row, count); }
    void permuteBack(std::span<const std::int32_t> rows) { grid.permuteBack(rows); }
};

// The changes that do the step again are recorded without bound as it is taken back: a
// revert that fails half-way takes back what it did, and leaves the grid as it was.
GridStep CellGrid::revertStep(const GridStep& step) {
    noteWrite();
    BulkUpdate bulk(*this);
    Undoer undoer{*this};
    recorder_.begin(SIZE_MAX, currentCol_, currentRow_);
    try {
        StepRecorder::replay(step, undoer);
    } catch (...) {
        const GridStep partial = recorder_.end(currentCol_, currentRow_);
        StepRecorder::replay(partial, undoer);
        throw;
    }
    GridStep back = recorder_.endRevert(step);
    setCurrentCell(back.colAfter(), back.rowAfter());
    bulkDirty_ = true;
    bulkContent_ = true;
    bulk.commit();
    return back;
}

void CellGrid::setCellColor(int col, int row, Color color) {
    if (col < 0 || row < 0) return;
    ensureRows(row + 1);
    PropRow& props = ownPropRow(rows_[static_cast<size_t>(row)]);
    auto at = std::partition_point(props.begin(), props.end(),
                                   [col](const PropEntry& e) { return e.col < col; });
    if (at == props.end() || at->col != col) at = props.insert(at, PropEntry{col, clNone});
    at->color = color;
    notifyCells(col, row, col, row, false);
}

Color CellGrid::cellColor(int col, int row) const {
    if (row < 0 || col < 0 || static_cast<size_t>(row) >= rows_.size()) return clNone;
    const PropRow* props = propRow(rows_[static_cast<size_t>(row)]);
    if (!props) return clNone;
    const auto at = std::partition_point(props->begin(), props->end(),
                                         [col](const PropEntry& e) { return e.col < col; });
    return at != props->end() && at->col == col ? at->color : clNone;
}

void CellGrid::clearStore() {
    noteWrite();
    // Swapped with empty tables so their memory goes too.
    decltype(rows_)().swap(rows_);
    decltype(entries_)().swap(entries_);
    storedCount_ = 0;
    texts_.clear();
    std::vector<PropRow>().swap(propRows_);
    std::vector<std::uint32_t>().swap(freePropRows_);
    dropMarksFrom(0);
    notifyLayout();
}

void CellGrid::swapContents(CellGrid& other) {
    noteWrite();
    other.noteWrite();
    BulkUpdate bulk(*this);
    std::swap(colCount_, other.colCount_);
    std::swap(rowCount_, other.rowCount_);
    std::swap(fixedRows_, other.fixedRows_);
    widths_.swap(other.widths_);
    rows_.swap(other.rows_);
    entries_.swap(other.entries_);
    std::swap(storedCount_, other.storedCount_);
    std::swap(texts_, other.texts_);
    propRows_.swap(other.propRows_);
    freePropRows_.swap(other.freePropRows_);
    dropMarksFrom(0);
    bulkDirty_ = true;
    bulkContent_ = true;
    bulkWidthsDirty_ = true;
    bulk.commit();
}

std::unique_ptr<CellGrid> CellGrid::makeReadTarget() const {
    auto target = std::make_unique<CellGrid>(colCount_, 2, 1);
    target->widths_ = widths_;
    return target;
}

void CellGrid::cellsChanged(const CellRect& rect) {
    notifyCells(rect.left, rect.top, rect.right, rect.bottom, true);
}

void CellGrid::setCurrentCell(int col, int row) {
    currentCol_ = col;
    currentRow_ = row;
    anchorCol_ = col;
    anchorRow_ = row;
    if (bulkDepth_ == 0) notify({GridChange::Kind::Current, {}, false});
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
    std::exception_ptr failure;
    tell(change, failure);
    if (failure) std::rethrow_exception(failure);
}

// Every listener hears the change even when one before it throws (the saved flag must
// follow the view); the first exception is kept for the caller.
void CellGrid::tell(const GridChange& change, std::exception_ptr& failure) {
    // A listener may add or remove listeners while it hears the change.
    const std::vector<CellGridListener*> listeners = listeners_;
    for (CellGridListener* listener : listeners) {
        try {
            listener->gridChanged(change);
        } catch (...) {
            if (!failure) failure = std::current_exception();
        }
    }
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

void CellGrid::endBulk() {
    std::exception_ptr failure;
    if (bulkDirty_) {
        bulkDirty_ = false;
        const bool content = std::exchange(bulkContent_, false);
        tell({GridChange::Kind::Layout, {}, content}, failure);
    }
    // A load sets every column's width: the header hears it once.
    if (bulkWidthsDirty_) {
        bulkWidthsDirty_ = false;
        tell({GridChange::Kind::Widths, {}, false}, failure);
    }
    if (failure) std::rethrow_exception(failure);
}

CellGrid::BulkUpdate::BulkUpdate(CellGrid& grid) : grid_(grid) {
    ++grid_.bulkDepth_;
}

void CellGrid::BulkUpdate::commit() {
    if (!open_) return;
    open_ = false;
    if (--grid_.bulkDepth_ == 0) grid_.endBulk();
}

CellGrid::BulkUpdate::~BulkUpdate() {
    if (!open_) return;
    assert(std::uncaught_exceptions() > exceptionsAtStart_ && "BulkUpdate left without commit()");
    try {
        commit();
    } catch (...) {
        // Dropped: the exception that left the scope is the one the user reads.
    }
}

}  // namespace quillet
