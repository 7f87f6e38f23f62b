#include "app/History.h"

#include <utility>

namespace quillet {

namespace {
const std::string kNoName;
}

void History::add(std::string name, GridStep step) {
    if (step.empty()) return;
    dropFrom(done_);
    if (step.tooLarge()) {
        clear();
        markNeverClean();
        return;
    }
    bytes_ += step.bytes();
    steps_.push_back({std::move(name), std::move(step)});
    ++done_;
    std::size_t drop = 0;
    for (std::size_t kept = bytes_; steps_.size() - drop > kMaxSteps || kept > maxBytes_; ++drop)
        kept -= steps_[drop].step.bytes();
    dropOldest(drop);
}

void History::clear() {
    steps_.clear();
    done_ = 0;
    bytes_ = 0;
    clean_ = 0;
}

const std::string& History::undoName() const {
    return canUndo() ? steps_[done_ - 1].name : kNoName;
}

const std::string& History::redoName() const {
    return canRedo() ? steps_[done_].name : kNoName;
}

void History::undo(CellGrid& grid) {
    if (!canUndo()) return;
    --done_;
    if (!revert(grid, done_)) dropFrom(done_);
}

// A step done again that cannot be undone ends the way back past it.
void History::redo(CellGrid& grid) {
    if (!canRedo()) return;
    const bool kept = revert(grid, done_);
    ++done_;
    if (!kept) dropOldest(done_);
}

// The reverted step's record replaces it; false when that record was too large to keep
// (a redo may hold more text than its undo).
bool History::revert(CellGrid& grid, std::size_t index) {
    Entry& entry = steps_[index];
    bytes_ -= entry.step.bytes();
    entry.step = grid.revertStep(std::move(entry.step));
    bytes_ += entry.step.bytes();
    return !entry.step.tooLarge();
}

void History::dropOldest(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) bytes_ -= steps_[i].step.bytes();
    steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(count));
    done_ -= count;
    if (clean_) clean_ = *clean_ < count ? std::nullopt : std::optional(*clean_ - count);
}

void History::dropFrom(std::size_t index) {
    while (steps_.size() > index) {
        bytes_ -= steps_.back().step.bytes();
        steps_.pop_back();
    }
    if (clean_ && *clean_ > index) clean_.reset();
}

}  // namespace quillet
