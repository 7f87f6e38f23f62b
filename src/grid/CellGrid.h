#pragma once

#include <cstdint>
#include <cstring>
#include <exception>
#include <functional>
#include <memory>
#ifndef NDEBUG
#include <ostream>
#endif
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "grid/GridStep.h"
#include "grid/StepRecorder.h"
#include "grid/TextArena.h"
#include "ports/Message.h"

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

class CellGridError : public MessageError {
  public:
    using MessageError::MessageError;
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
// counts, column widths, per-cell colours and the current cell / selection.
// A row holds only its stored texts, in column order, so a very wide grid costs no
// more than the cells it holds; the texts' bytes live in one arena.
class CellGrid {
  public:
    static constexpr int kDefaultColWidth = 64;
    static constexpr int kDefaultRowHeight = 21;

    // The largest table a project can be: Save, Print and Copy All walk every row and
    // column (Copy All writes a TAB for every cell), and Open refuses a larger file. The
    // counts never pass these: a change that would is refused before anything changes,
    // with a CellGridError, so no command builds a table that Save writes and Open refuses.
    static constexpr int kMaxColumns = 100'000;
    static constexpr int kMaxRows = 10'000'000;
    static constexpr std::int64_t kMaxCells = 50'000'000;
    // True when a grid of these counts (each taken as at least 1) holds more than
    // kMaxCells cells.
    static bool exceedsCellLimit(std::int64_t cols, std::int64_t rows);

    // One stored text of a row: its column and its bytes, never empty. A text of up to
    // 8 bytes (a number, a short date) is kept in the entry itself.
    class StoredCell {
      public:
        int col() const { return static_cast<int>(col_); }
        std::string_view text() const {
            if (inPlace()) return {bytes_, size_};
            const char* data = nullptr;
            std::memcpy(&data, bytes_, sizeof data);
            return {data, size_};
        }

      private:
        friend class CellGrid;
        static constexpr std::uint32_t kInPlace = 8;
        bool inPlace() const { return size_ <= kInPlace; }

        std::uint32_t col_ = 0;
        std::uint32_t size_ = 0;
        char bytes_[kInPlace] = {};  // the text, or where it lies in the arena
    };

    // Throws CellGridError for counts past the limits above.
    CellGrid(int colCount = 7, int rowCount = 5, int fixedRows = 1);
    ~CellGrid();
    CellGrid(const CellGrid&) = delete;
    CellGrid& operator=(const CellGrid&) = delete;

    int colCount() const { return colCount_; }
    int rowCount() const { return rowCount_; }
    int fixedRows() const { return fixedRows_; }
    // Counts below 1 become 1. Growing past the limits above throws CellGridError.
    void setColCount(int n);
    void setRowCount(int n);
    void setFixedRows(int n);

    int colWidth(int col) const;
    // Whether the column's width was ever set; colWidth() gives a default for one never set.
    bool colWidthSet(int col) const;
    void setColWidth(int col, int width);

#ifdef NDEBUG
    using TextView = std::string_view;
#else
    // In debug builds cellText's view knows how many writes its grid had seen when it
    // was taken, and reading it after a later one aborts the program. Like any view it
    // must not outlive its grid.
    class TextView {
      public:
        TextView() = default;
        operator std::string_view() const { return view(); }
        const char* data() const { return view().data(); }
        std::size_t size() const { return view().size(); }
        bool empty() const { return view().empty(); }
        friend bool operator==(const TextView& a, const TextView& b) {
            return a.view() == b.view();
        }
        friend bool operator==(const TextView& a, std::string_view b) { return a.view() == b; }
        friend std::ostream& operator<<(std::ostream& out, const TextView& t) {
            return out << t.view();
        }

      private:
        friend class CellGrid;
        TextView(std::string_view text, const CellGrid& grid)
            : text_(text), grid_(&grid), generation_(grid.writeGeneration_) {}
        std::string_view view() const {
            if (grid_ && grid_->writeGeneration_ != generation_) staleView();
            return text_;
        }

        std::string_view text_;
        const CellGrid* grid_ = nullptr;
        std::uint64_t generation_ = 0;
    };
#endif

    // The cell's text; empty when the cell holds none. The view is valid only until the
    // next write to the grid's texts, to this cell or any other: a text of up to 8 bytes
    // lies inside the table of entries, which a write elsewhere may move, and a write may
    // also compact the arena. Copy the text before writing to the grid. Debug builds
    // check this: reading the view after such a write aborts. No cost in release builds,
    // where the view is a std::string_view.
    TextView cellText(int col, int row) const;
    void setCellText(int col, int row, std::string_view text);
    // Stores text without notifying; for loaders that report once at the end.
    void rawSetCellText(int col, int row, std::string_view text);

    // The texts the row holds, in column order, those past ColCount included: work
    // over a row's cells costs what it stores, not ColCount. Valid until the store
    // next changes.
    std::span<const StoredCell> storedCells(int row) const {
        if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return {};
        const Row& r = rows_[static_cast<std::size_t>(row)];
        return {entries_.data() + r.first, r.count};
    }
    // Texts held in the whole store, and the bytes its tables and text blocks take:
    // a measure of its size that does not depend on the allocator.
    std::size_t storedCellCount() const {
        return storedCount_;
    }
    std::size_t storeBytes() const;

    void deleteRows(int row, int count);
    void exchangeRows(int a, int b);

    // A cell's background colour: clNone until one is set.
    void setCellColor(int col, int row, Color color);
    Color cellColor(int col, int row) const;

    // Drops every text and colour, also past the counts.
    void clearStore();

    // Exchanges counts, widths, texts and colours with another grid, so a project
    // can be read aside and put in place only when it read well. The current cell,
    // listeners and callbacks stay; listeners hear one Layout and one Widths change.
    void swapContents(CellGrid& other);
    // A grid to read into aside: this grid's column count and widths, 2 rows of which
    // 1 is fixed.
    std::unique_ptr<CellGrid> makeReadTarget() const;

    // Reports changed text in an inclusive rectangle (one Layout change while a bulk update runs).
    void cellsChanged(const CellRect& rect);

    // Current cell and selection (anchor to current). currentRow -1: selection hidden.
    int currentCol() const {
        return currentCol_;
    }
    int currentRow() const {
        return currentRow_;
    }
    void setCurrentCell(int col, int row);
    void setSelection(int anchorCol, int anchorRow, int col, int row);
    CellRect selection() const;

    // Listeners are not owned; each must remove itself before it goes.
    void addListener(CellGridListener* listener);
    void removeListener(CellGridListener* listener);

    // Groups changes so listeners hear one Layout change (and one Widths change) when the
    // outermost update ends. Every user ends it with commit(), where a listener's exception
    // reaches the caller. Left without commit (an exception leaves the scope), it still tells
    // the listeners what changed, since a half-done change stays, but drops what a listener
    // throws then: an exception is already on its way, and a destructor must not throw.
    class BulkUpdate {
      public:
        explicit BulkUpdate(CellGrid& grid);
        ~BulkUpdate();
        BulkUpdate(const BulkUpdate&) = delete;
        BulkUpdate& operator=(const BulkUpdate&) = delete;

        void commit();

      private:
        CellGrid& grid_;
        bool open_ = true;
#ifndef NDEBUG
        // A scope left without commit() must be left by an exception.
        int exceptionsAtStart_ = std::uncaught_exceptions();
#endif
    };

    // Marks that follow a row through sorts, the deletion of other rows and their undo, so a
    // command can point at "that task" wherever it now lies. A mark is dropped (its row
    // reads -1) when its row leaves the table or the table is replaced; it is not content and
    // no step records it. Few are expected: each move updates every mark.
    int addRowMark(int row);
    int markedRow(int mark) const;
    void setRowMark(int mark, int row);
    void removeRowMark(int mark);

    // Reserves storage for a number of rows, and for a number of texts more than the
    // store holds (a loader that knows the size).
    void reserveRows(int rows);
    void reserveCells(std::size_t cells);

    // Opens a step: until endStep() every change to texts, counts and row order records
    // what it replaced, up to byteLimit bytes (past them the step is too large and keeps
    // nothing). Outside a step nothing is recorded, so loads, saves and sorts run as fast.
    void beginStep(std::size_t byteLimit);
    GridStep endStep();
    // Takes a step's changes back, with one Layout notification, and puts the current cell
    // where the step began. Returns the step that does the changes again. Should it throw,
    // the grid is left as it was.
    GridStep revertStep(const GridStep& step);

  private:
    // A row's texts are entries_[first, first + count), sorted by column; the slots up
    // to first + capacity are its room to grow. props: 1 + the index of its colours
    // in propRows_, or 0.
    struct Row {
        std::uint32_t first = 0;
        std::uint32_t count = 0;
        std::uint32_t capacity = 0;
        std::uint32_t props = 0;
    };
    struct PropEntry {
        int col = 0;
        Color color = clNone;
    };
    using PropRow = std::vector<PropEntry>;  // sorted by column

    static void checkCounts(int cols, int rows);
    // Every change that may move or replace stored texts (and so end cellText's views).
    void noteWrite() {
#ifndef NDEBUG
        ++writeGeneration_;
#endif
    }
#ifndef NDEBUG
    [[noreturn]] static void staleView();
#endif
    const StoredCell* findEntry(int col, int row) const;
    std::uint32_t entryIndex(const Row& r, int col) const;  // first entry with column >= col
    void insertEntry(Row& r, std::uint32_t at, const StoredCell& cell);
    void insertEntryElsewhere(Row& r, std::uint32_t at, const StoredCell& cell);
    void eraseEntry(Row& r, std::uint32_t at);
    void moveToEnd(Row& r, std::uint32_t capacity);
    void setRowEntries(Row& r, std::span<const StoredCell> cells);
    StoredCell makeCell(int col, std::string_view text);
    void releaseText(const StoredCell& cell);
    void compactTexts();
    PropRow* propRow(const Row& r);
    const PropRow* propRow(const Row& r) const;
    PropRow& ownPropRow(Row& r);
    void dropPropRowIfEmpty(Row& r);
    bool holdsPast(const Row& r, int col) const;
    void ensureRows(int count);
    void moveRow(int from, int to);
    void dropMarksFrom(int row);
    void notifyCells(int left, int top, int right, int bottom, bool content);
    void notifyLayout();
    void notifyWidths();
    void notify(const GridChange& change);
    void tell(const GridChange& change, std::exception_ptr& failure);
    void endBulk();
    struct Undoer;
    void recordOldText(int col, int row, const StoredCell* old);
    void recordCounts();
    void restoreDeletedRows(int row, int count, int oldRows, int fixedRows);
    void permuteBack(std::span<const std::int32_t> rows);

    int colCount_;
    int rowCount_;
    int fixedRows_;
    std::vector<int> widths_;  // INT_MIN: never set
    std::vector<Row> rows_;
    std::vector<StoredCell> entries_;
    std::size_t storedCount_ = 0;
    TextArena texts_;
    std::vector<PropRow> propRows_;
    std::vector<std::uint32_t> freePropRows_;
    int currentCol_ = 0;
    int currentRow_ = 1;
    int anchorCol_ = 0;
    int anchorRow_ = 1;
    std::vector<CellGridListener*> listeners_;
    std::vector<int> markRows_;  // by mark: its row, -1 dropped, kFreeMark unused
    int bulkDepth_ = 0;
    bool bulkDirty_ = false;
    bool bulkContent_ = false;
    bool bulkWidthsDirty_ = false;
    StepRecorder recorder_;
#ifndef NDEBUG
    std::uint64_t writeGeneration_ = 0;
#endif
};

}  // namespace quillet
