#include "app/History.h"

#include <utility>

namespace quillet {

namespace {
const Message kNoName;
}

void History::add(Message name, GridStep&& step, std::uint64_t tag) {
    if (step.empty()) return;
    dropFrom(done_);
    if (step.tooLarge()) {
        clear();
        markNeverClean();
        return;
    }
    if (ring_.empty()) ring_.resize(kMaxSteps + 1);  // one more: the oldest goes after
    bytes_ += step.bytes();
    Entry& added = entry(size_);
    added.name = std::move(name);
    added.step = std::move(step);
    added.tag = tag;
    ++size_;
    ++done_;
    keepWithinBounds(size_ - 1);
}

// Drops the oldest steps, then those to redo last, until the history is within its bounds;
// the step at `keep` (the one just added or reverted, never past the bound alone) stays.
void History::keepWithinBounds(std::size_t keep) {
    std::size_t drop = 0;
    for (std::size_t kept = bytes_; drop < keep && (size_ - drop > kMaxSteps || kept > maxBytes_);
         ++drop)
        kept -= entry(drop).step.bytes();
    dropOldest(drop);
    keep -= drop;
    while (bytes_ > maxBytes_ && size_ > keep + 1) dropFrom(size_ - 1);
}

void History::clear() {
    std::vector<Entry>().swap(ring_);
    first_ = 0;
    size_ = 0;
    done_ = 0;
    bytes_ = 0;
    clean_ = 0;
    cleanSaved_ = false;
}

const Message& History::undoName() const {
    return canUndo() ? entry(done_ - 1).name : kNoName;
}

const Message& History::redoName() const {
    return canRedo() ? entry(done_).name : kNoName;
}

// Listeners hear the revert once the history holds it: should one throw, the history
// still matches the grid. A revert that throws leaves both as they were.
std::uint64_t History::undo(CellGrid& grid) {
    if (!canUndo()) return 0;
    const std::uint64_t tag = entry(done_ - 1).tag;
    CellGrid::BulkUpdate bulk(grid);
    const bool kept = revert(grid, done_ - 1);
    --done_;
    if (kept) {
        keepWithinBounds(done_);
    } else {
        dropFrom(done_);
    }
    bulk.commit();
    return tag;
}

// A step done again that cannot be undone ends the way back past it.
std::uint64_t History::redo(CellGrid& grid) {
    if (!canRedo()) return 0;
    const std::uint64_t tag = entry(done_).tag;
    CellGrid::BulkUpdate bulk(grid);
    const bool kept = revert(grid, done_);
    ++done_;
    if (kept) {
        keepWithinBounds(done_ - 1);
    } else {
        dropOldest(done_);
    }
    bulk.commit();
    return tag;
}

// The reverted step's record replaces it; false when that record was too large to keep
// (a redo may hold more text than its undo).
bool History::revert(CellGrid& grid, std::size_t index) {
    Entry& reverted = entry(index);
    GridStep back = grid.revertStep(reverted.step);
    bytes_ = bytes_ - reverted.step.bytes() + back.bytes();
    reverted.step = std::move(back);
    return !reverted.step.tooLarge();
}

void History::dropOldest(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        bytes_ -= entry(i).step.bytes();
        entry(i) = Entry();
    }
    first_ += count;  // count is at most the ring's size
    if (first_ >= ring_.size()) first_ -= ring_.size();
    size_ -= count;
    done_ -= count;
    if (clean_) clean_ = *clean_ < count ? std::nullopt : std::optional(*clean_ - count);
}

void History::dropFrom(std::size_t index) {
    for (; size_ > index; --size_) {
        bytes_ -= entry(size_ - 1).step.bytes();
        entry(size_ - 1) = Entry();
    }
    if (clean_ && *clean_ > index) clean_.reset();
}

}  // namespace quillet
