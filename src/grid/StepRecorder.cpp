#include "grid/StepRecorder.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace quillet {

void StepRecorder::begin(std::size_t byteLimit, int col, int row) {
    GridStep& step = step_.emplace();
    step.limit_ = byteLimit;
    step.colBefore_ = col;
    step.rowBefore_ = row;
}

GridStep StepRecorder::end(int col, int row) {
    GridStep step = std::move(*step_);
    step_.reset();
    step.colAfter_ = col;
    step.rowAfter_ = row;
    return step;
}

GridStep StepRecorder::endRevert(const GridStep& reverted) {
    GridStep back = end(reverted.colBefore_, reverted.rowBefore_);
    back.colBefore_ = reverted.colAfter_;
    back.rowBefore_ = reverted.rowAfter_;
    back.limit_ = reverted.limit_;
    if (back.bytes() > back.limit_) back.dropRecord();
    return back;
}

// The new change, for the caller to fill in; none when the step is too large.
GridStep::Op* StepRecorder::add(GridStep::Kind kind) {
    GridStep& step = *step_;
    if (step.tooLarge_) return nullptr;
    if (sizeof(GridStep::Op) > step.room()) {
        step.dropRecord();
        return nullptr;
    }
    step.ops_.push_back({});
    step.bytes_ += sizeof(GridStep::Op);
    step.textsOpen_ = false;
    GridStep::Op& op = step.ops_.back();
    op.kind = kind;
    return &op;
}

// Starts a Texts change unless the last change is one, and makes room for a cell of that
// many bytes in a block and as many beside; false when the step cannot hold them.
bool StepRecorder::openTexts(std::size_t cellBytes, std::size_t apartBytes) {
    GridStep& step = *step_;
    if (!step.textsOpen_) {
        GridStep::Op* op = add(GridStep::Kind::Texts);
        if (!op) return false;
        op->at = GridStep::packMark(step.texts_.mark());
        step.texts_.startRun();
        step.textsOpen_ = true;
    }
    if (step.texts_.growthFor(cellBytes) + apartBytes > step.room()) {
        step.dropRecord();
        return false;
    }
    step.texts_.makeRoom(cellBytes);
    return true;
}

// Out of line, so that writing a cell outside a step stays small.
void StepRecorder::oldLongText(int col, int row, std::string_view text) {
    GridStep& step = *step_;
    const std::size_t cell = OldTexts::longCellBytes(text.size());
    const std::size_t apart = OldTexts::apartBytes(text.size());
    if ((!step.textsOpen_ || !step.texts_.fits(cell) || apart > 0) && !openTexts(cell, apart))
        return;
    step.texts_.addLong(col, row, text);
}

void StepRecorder::counts(int cols, int rows, int fixedRows) {
    if (GridStep::Op* op = add(GridStep::Kind::Counts)) {
        op->col = cols;
        op->row = rows;
        op->count = fixedRows;
    }
}

void StepRecorder::rowsDeleted(int row, int count, int oldRows, int fixedRows) {
    if (GridStep::Op* op = add(GridStep::Kind::RowsDeleted)) {
        op->row = row;
        op->count = count;
        op->oldRows = oldRows;
        op->col = fixedRows;
    }
}

void StepRecorder::rowsInserted(int row, int count) {
    if (GridStep::Op* op = add(GridStep::Kind::RowsInserted)) {
        op->row = row;
        op->count = count;
    }
}

// A sort makes many exchanges in a row: they gather in one permutation. The bound is
// checked before anything is added.
void StepRecorder::exchange(int a, int b, int rowCount) {
    GridStep& step = *step_;
    if (step.tooLarge_) return;
    const auto needed = static_cast<std::size_t>(std::max({rowCount, a + 1, b + 1}));
    const bool joins = !step.ops_.empty() && step.ops_.back().kind == GridStep::Kind::Permutation;
    using Permutation = std::vector<std::int32_t>;
    const std::size_t had = joins ? step.perms_.back().capacity() : 0;
    const std::size_t more = (joins ? 0 : sizeof(GridStep::Op) + sizeof(Permutation)) +
                             (needed > had ? (needed - had) * sizeof(std::int32_t) : 0);
    if (more > step.room()) {
        step.dropRecord();
        return;
    }
    if (!joins) {
        step.perms_.emplace_back();
        step.bytes_ += sizeof(Permutation);
        add(GridStep::Kind::Permutation)->at = step.perms_.size() - 1;
    }
    Permutation& perm = step.perms_.back();
    if (perm.size() < needed) {
        // Reserved to the row, so the bound counts what the permutation holds.
        if (perm.capacity() < needed) {
            step.bytes_ += (needed - perm.capacity()) * sizeof(std::int32_t);
            perm.reserve(needed);
        }
        const std::size_t from = perm.size();
        perm.resize(needed);
        std::iota(perm.begin() + static_cast<std::ptrdiff_t>(from), perm.end(),
                  static_cast<std::int32_t>(from));
    }
    std::swap(perm[static_cast<std::size_t>(a)], perm[static_cast<std::size_t>(b)]);
}

}  // namespace quillet
