#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "grid/GridStep.h"

namespace quillet {

// Keeps the step a grid has open: each change the grid makes hands it what the change
// replaces, and it records that within the step's bound. It also replays a finished step's
// changes, the last first, for the grid to take them back. It knows of the grid only what
// it is handed, so the grid reads as a store.
class StepRecorder {
  public:
    bool open() const { return step_.has_value(); }
    // Starts recording, up to byteLimit bytes; col and row are the current cell.
    void begin(std::size_t byteLimit, int col, int row);
    GridStep end(int col, int row);

    // The old text of a cell about to be written: one of up to 8 bytes, given as 8 bytes,
    // or a longer one.
    void oldShortText(int col, int row, const char* bytes8, std::uint32_t size);
    void oldLongText(int col, int row, std::string_view text);
    // The counts about to change.
    void counts(int cols, int rows, int fixedRows);
    void rowsDeleted(int row, int count, int oldRows, int fixedRows);
    void rowsInserted(int row, int count);
    // Rows a and b about to change places, in a grid of rowCount rows.
    void exchange(int a, int b, int rowCount);

    // Recording stops while it lives: what a recorded change does on its way is part of it.
    class Pause {
      public:
        explicit Pause(StepRecorder& recorder)
            : recorder_(recorder), held_(std::exchange(recorder.step_, std::nullopt)) {}
        ~Pause() { recorder_.step_ = std::move(held_); }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

      private:
        StepRecorder& recorder_;
        std::optional<GridStep> held_;
    };

    // The step that does again what `reverted` took back, recorded as it was reverted: it
    // keeps the reverted step's bound, and the current cells change places.
    GridStep endRevert(const GridStep& reverted);

    // Hands each change of the step, the last first, to the undoer's matching member:
    // text(col, row, text), counts(cols, rows, fixedRows),
    // restoreRows(row, count, oldRows, fixedRows), removeRows(row, count) and
    // permuteBack(rows), rows[r] being the row whose content now lies at r.
    template <typename Undoer>
    static void replay(const GridStep& step, Undoer& undoer);

  private:
    GridStep::Op* add(GridStep::Kind kind);
    bool openTexts(std::size_t cellBytes, std::size_t apartBytes);

    std::optional<GridStep> step_;  // in place: a one-cell step allocates nothing
};

// Called for every cell a step writes. The usual case, a short text that fits the block
// being written, copies the old entry's bytes into the record: the bound was checked when
// the block was made.
inline void StepRecorder::oldShortText(int col, int row, const char* bytes8, std::uint32_t size) {
    GridStep& step = *step_;
    constexpr std::size_t most = OldTexts::kShortCellBytes;
    if ((!step.textsOpen_ || !step.texts_.fits(most)) && !openTexts(most, 0)) return;
    step.texts_.addShort(col, row, bytes8, size);
}

template <typename Undoer>
void StepRecorder::replay(const GridStep& step, Undoer& undoer) {
    OldTexts::Mark textsEnd = step.texts_.mark();
    for (std::size_t i = step.ops_.size(); i-- > 0;) {
        const GridStep::Op& op = step.ops_[i];
        switch (op.kind) {
            case GridStep::Kind::Texts: {
                const OldTexts::Mark textsStart = GridStep::unpackMark(op.at);
                step.texts_.forEachBackward(textsStart, textsEnd, [&](const OldTexts::Cell& c) {
                    undoer.text(c.col, c.row, c.text);
                });
                textsEnd = textsStart;
                break;
            }
            case GridStep::Kind::Counts:
                undoer.counts(op.col, op.row, op.count);
                break;
            case GridStep::Kind::RowsDeleted:
                undoer.restoreRows(op.row, op.count, op.oldRows, op.col);
                break;
            case GridStep::Kind::RowsInserted:
                undoer.removeRows(op.row, op.count);
                break;
            case GridStep::Kind::Permutation:
                undoer.permuteBack(std::span<const std::int32_t>(step.perms_[op.at]));
                break;
        }
    }
}

}  // namespace quillet
