#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "grid/OldTexts.h"

namespace quillet {

class CellGrid;

// A list that holds its first item in itself: most steps change one cell, and then
// recording them allocates nothing. T is copied as bytes; the first slot is left
// uninitialised until used, as a step is opened for every command.
template <typename T>
class FirstInPlace {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

  public:
    FirstInPlace() = default;
    FirstInPlace(FirstInPlace&& other) noexcept { *this = std::move(other); }
    FirstInPlace& operator=(FirstInPlace&& other) noexcept {
        if (other.size_ > 0) first_.item = other.first_.item;
        rest_ = std::move(other.rest_);
        size_ = std::exchange(other.size_, 0);
        return *this;
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void push_back(const T& item) {
        if (size_ == 0) {
            first_.item = item;
        } else {
            rest_.push_back(item);
        }
        ++size_;
    }
    T& operator[](std::size_t i) { return i == 0 ? first_.item : rest_[i - 1]; }
    const T& operator[](std::size_t i) const { return i == 0 ? first_.item : rest_[i - 1]; }
    T& back() { return (*this)[size_ - 1]; }

  private:
    union Slot {
        Slot() {}
        T item;
    } first_;
    std::vector<T> rest_;
    std::size_t size_ = 0;
};

// What one step changed in a grid, kept as the changes that take it back: the old text of
// each written cell, the old counts, rows removed or put back, and the rows a sort moved as
// a permutation (4 bytes a row, never a copy of the table). StepRecorder records it while a
// grid has a step open and replays it backwards for the grid to revert the step.
class GridStep {
  public:
    // Provided, so that opening a step does not clear the unused first slots first.
    GridStep() noexcept {}

    bool empty() const { return ops_.empty() && !tooLarge_; }
    // More was recorded than the bound the step was opened with: what it held is dropped,
    // and the step cannot be reverted.
    bool tooLarge() const { return tooLarge_; }
    // The memory the recorded changes take, the room their blocks hold for more included.
    std::size_t bytes() const { return bytes_ + texts_.heldBytes(); }
    // The current cell once the step is done.
    int colAfter() const { return colAfter_; }
    int rowAfter() const { return rowAfter_; }

  private:
    friend class StepRecorder;
    // What more the step may record within its bound.
    std::size_t room() const { return limit_ - std::min(limit_, bytes()); }
    // Past the bound: what was recorded goes, and the step cannot be reverted.
    void dropRecord() {
        tooLarge_ = true;
        textsOpen_ = false;
        ops_ = {};
        texts_ = OldTexts();
        perms_ = {};
        bytes_ = 0;
    }
    enum class Kind : std::uint8_t { Texts, Counts, RowsDeleted, RowsInserted, Permutation };
    struct Op {
        Kind kind = Kind::Texts;
        int col = 0;         // Counts: the column count; RowsDeleted: the fixed rows before
        int row = 0;         // Counts: the row count; rows: the first
        int count = 0;       // Counts: fixed rows; rows: how many
        int oldRows = 0;     // RowsDeleted: the row count before
        std::size_t at = 0;  // Texts: where its cells start in texts_; Permutation: in perms_
    };
    static std::size_t packMark(OldTexts::Mark mark) {
        return std::size_t{mark.block} << 32 | mark.offset;
    }
    static OldTexts::Mark unpackMark(std::size_t at) {
        return {static_cast<std::uint32_t>(at >> 32), static_cast<std::uint32_t>(at)};
    }
    FirstInPlace<Op> ops_;
    bool textsOpen_ = false;  // the last change is a Texts one: cells join it
    OldTexts texts_;
    // perms_[i][r]: the row, before the step, whose content is now at row r.
    std::vector<std::vector<std::int32_t>> perms_;
    std::size_t bytes_ = 0;  // the changes and permutations; the texts count their own
    std::size_t limit_ = 0;
    bool tooLarge_ = false;
    int colBefore_ = 0;
    int rowBefore_ = 0;
    int colAfter_ = 0;
    int rowAfter_ = 0;
};

}  // namespace quillet
