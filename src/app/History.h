#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "grid/CellGrid.h"
#include "grid/GridStep.h"
#include "ports/Message.h"

namespace quillet {

// The steps a user can take back and do again, oldest first. Each keeps what reverts it in
// its present direction: before the current index what undoes it, from there what redoes
// it. Bounded in count and in the memory the records take, after every change, undo and
// redo: the oldest go first, then those furthest to redo.
class History {
  public:
    static constexpr std::size_t kMaxSteps = 100;
    static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

    explicit History(std::size_t maxBytes = kMaxBytes) : maxBytes_(maxBytes) {}
    // The bound a step is recorded with.
    std::size_t maxBytes() const { return maxBytes_; }

    // Adds a finished step; the steps that could be redone go. A step too large to keep
    // clears the history, as nothing before it can be reached any more. A tag lets the
    // command that made the step hear when it is undone or redone (0: nobody listens).
    void add(Message name, GridStep&& step, std::uint64_t tag = 0);
    // Drops every step; the table as it is becomes the clean state, not a saved one.
    void clear();

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < size_; }
    const Message& undoName() const;
    const Message& redoName() const;
    // Revert the latest done step or do the next undone one again, in the grid. Each returns
    // the step's tag (0 when there was none or no step).
    std::uint64_t undo(CellGrid& grid);
    std::uint64_t redo(CellGrid& grid);

    // The one record of whether the table matches its file (like QUndoStack's clean index):
    // the index it last matched at, or none when no sequence of undo and redo returns to it.
    // `saved` tells whether that state is what a Save wrote, or a table loaded or made
    // afresh that only keeps the saved flag it had.
    void markClean(bool saved) {
        clean_ = done_;
        cleanSaved_ = saved;
    }
    void markNeverClean() { clean_.reset(); }
    bool isClean() const { return clean_ == done_; }
    // The saved flag: back at a state a Save wrote.
    bool isSaved() const { return isClean() && cleanSaved_; }

    std::size_t size() const { return size_; }
    std::size_t bytes() const { return bytes_; }

  private:
    struct Entry {
        Message name;
        GridStep step;
        std::uint64_t tag = 0;
    };
    // The steps lie in a ring made with the first one: adding a step and dropping the
    // oldest, as every edit does once the history is full, allocate nothing.
    Entry& entry(std::size_t index) {
        const std::size_t at = first_ + index;
        return ring_[at < ring_.size() ? at : at - ring_.size()];
    }
    const Entry& entry(std::size_t index) const { return const_cast<History*>(this)->entry(index); }
    void keepWithinBounds(std::size_t keep);
    void dropFrom(std::size_t index);
    void dropOldest(std::size_t count);
    bool revert(CellGrid& grid, std::size_t index);

    std::size_t maxBytes_;
    std::vector<Entry> ring_;
    std::size_t first_ = 0;  // where the oldest step lies in the ring
    std::size_t size_ = 0;
    std::size_t done_ = 0;
    std::size_t bytes_ = 0;
    std::optional<std::size_t> clean_ = 0;
    bool cleanSaved_ = false;
};

}  // namespace quillet
