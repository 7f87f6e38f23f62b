#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

namespace quillet {

// The old texts of the cells a step wrote, packed in the order they were written. A cell
// takes a header byte, its position unless it lies right of the cell before, and its text.
// A block paste of short texts so costs a few bytes a cell: less fresh memory to fill,
// which is most of what keeping them costs. Blocks never move as the record grows; the
// first lies in the record itself, so a one-cell step allocates nothing. heldBytes() is
// what the blocks and the texts kept apart take, unused room included: a bound on it
// bounds the memory.
class OldTexts {
  public:
    // A place in the record, between two cells.
    struct Mark {
        std::uint32_t block = 0;
        std::uint32_t offset = 0;
    };
    struct Cell {
        std::int32_t col = 0;
        std::int32_t row = 0;
        std::string_view text;
    };
    // The most a short text (up to 8 bytes) takes: header, position and 8 bytes.
    static constexpr std::size_t kShortCellBytes = 1 + 8 + 8;

    OldTexts() noexcept {}
    // Moved each time a step is handed on, so kept cheap: the first block is copied
    // whole, as that is a few fixed moves.
    OldTexts(OldTexts&& other) noexcept
        : used_(other.used_),
          capacity_(other.capacity_),
          held_(other.held_),
          lastCol_(other.lastCol_),
          lastRow_(other.lastRow_),
          blocks_(std::move(other.blocks_)),
          usedOf_(std::move(other.usedOf_)),
          apart_(std::move(other.apart_)) {
        std::memcpy(first_, other.first_, sizeof first_);
        if (!blocks_.empty()) base_ = blocks_.back().get();
        other.base_ = other.first_;
        other.used_ = 0;
        other.capacity_ = kFirstBlock;
        other.held_ = 0;
        other.lastRow_ = -1;
    }
    OldTexts& operator=(OldTexts&& other) noexcept {
        if (this != &other) {
            this->~OldTexts();
            new (this) OldTexts(std::move(other));
        }
        return *this;
    }
    OldTexts(const OldTexts&) = delete;
    OldTexts& operator=(const OldTexts&) = delete;

    Mark mark() const { return {static_cast<std::uint32_t>(blocks_.size()), used_}; }
    std::size_t heldBytes() const { return held_; }

    // The most a longer text takes in a block, and what it takes beside the blocks.
    static std::size_t longCellBytes(std::size_t size) {
        return keptApart(size) ? 1 + 8 + 4 + sizeof(const char*) : 1 + 8 + 4 + size;
    }
    static std::size_t apartBytes(std::size_t size) {
        return keptApart(size) ? size + sizeof(std::unique_ptr<char[]>) : 0;
    }
    // Room for a cell of that many bytes in the block being written.
    bool fits(std::size_t bytes) const { return capacity_ - used_ >= bytes; }
    // What making room for that many bytes adds to heldBytes().
    std::size_t growthFor(std::size_t bytes) const {
        return fits(bytes) ? 0 : std::max(bytes, nextCapacity()) + kBlockBookkeeping;
    }
    void makeRoom(std::size_t bytes) {
        if (!fits(bytes)) grow(bytes);
    }
    // The next cell's position is written out, wherever it lies.
    void startRun() { lastRow_ = -1; }

    // A text of up to 8 bytes, given as 8 bytes.
    void addShort(int col, int row, const char* bytes8, std::uint32_t size) {
        char* out = capacity_ - used_ >= kShortCellBytes ? base_ + used_ : grow(kShortCellBytes);
        char* p = writePosition(out, col, row);
        *out = static_cast<char>(size | (p == out + 1 ? 0 : kPositioned));
        std::memcpy(p, bytes8, 8);
        advance(out, p + size);
    }
    // A longer text.
    void addLong(int col, int row, std::string_view text) {
        if (keptApart(text.size())) return addElsewhere(col, row, text);
        const auto size = static_cast<std::uint32_t>(text.size());
        const std::size_t most = 1 + 8 + 4 + size;
        char* out = capacity_ - used_ >= most ? base_ + used_ : grow(most);
        char* p = writePosition(out, col, row);
        *out = static_cast<char>(kLong | (p == out + 1 ? 0 : kPositioned));
        std::memcpy(p, &size, 4);
        copyLong(p + 4, text.data(), size);
        advance(out, p + 4 + size);
    }

    // Calls f(const Cell&) for each cell recorded between two marks, the last first.
    template <typename F>
    void forEachBackward(Mark from, Mark to, F&& f) const {
        std::vector<Cell> cells;
        for (std::uint32_t b = to.block + 1; b-- > from.block;) {
            const std::uint32_t begin = b == from.block ? from.offset : 0;
            const std::uint32_t end = b == to.block ? to.offset : usedOf(b);
            cells.clear();
            decode(b, begin, end, cells);
            for (auto c = cells.rbegin(); c != cells.rend(); ++c) f(*c);
        }
    }

  private:
    static constexpr std::size_t kFirstBlock = 40;
    static constexpr std::size_t kSecondBlock = 1024;
    static constexpr std::size_t kLargestBlock = 64 * 1024;  // not so large it is mapped afresh
    // Header: a short text's size, or one of these, and whether the position follows.
    static constexpr unsigned kLong = 9;        // 4-byte size, then the text
    static constexpr unsigned kElsewhere = 10;  // 4-byte size, then where its copy lies
    static constexpr unsigned kPositioned = 0x80;
    // A block's pointer and its used size, kept beside it.
    static constexpr std::size_t kBlockBookkeeping =
        sizeof(std::unique_ptr<char[]>) + sizeof(std::uint32_t);

    static bool keptApart(std::size_t size) { return size > kLargestBlock / 4; }
    std::size_t nextCapacity() const {
        return capacity_ == kFirstBlock ? kSecondBlock
                                        : std::min<std::size_t>(capacity_ * 2, kLargestBlock);
    }

    // Writes the position after the header unless the cell follows the last one.
    char* writePosition(char* out, int col, int row) {
        char* p = out + 1;
        if (row != lastRow_ || col != lastCol_ + 1) {
            std::memcpy(p, &col, 4);
            std::memcpy(p + 4, &row, 4);
            p += 8;
        }
        lastCol_ = col;
        lastRow_ = row;
        return p;
    }
    void advance(const char* out, const char* end) {
        used_ += static_cast<std::uint32_t>(end - out);
    }
    // Most old texts are a little longer than 8 bytes: up to 32 they are copied as two
    // overlapping pieces, without a call.
    static void copyLong(char* to, const char* from, std::uint32_t size) {
        if (size <= 16) {
            std::memcpy(to, from, 8);
            std::memcpy(to + size - 8, from + size - 8, 8);
        } else if (size <= 32) {
            std::memcpy(to, from, 16);
            std::memcpy(to + size - 16, from + size - 16, 16);
        } else {
            std::memcpy(to, from, size);
        }
    }
    void addElsewhere(int col, int row, std::string_view text);
    char* grow(std::size_t bytes);  // a new block with room for that many
    std::uint32_t usedOf(std::uint32_t b) const { return b < usedOf_.size() ? usedOf_[b] : used_; }
    const char* block(std::uint32_t b) const { return b == 0 ? first_ : blocks_[b - 1].get(); }
    void decode(std::uint32_t b, std::uint32_t begin, std::uint32_t end,
                std::vector<Cell>& cells) const;

    char* base_ = first_;  // the block being written
    std::uint32_t used_ = 0;
    std::uint32_t capacity_ = kFirstBlock;
    std::size_t held_ = 0;
    std::int32_t lastCol_ = 0;
    std::int32_t lastRow_ = -1;
    std::vector<std::unique_ptr<char[]>> blocks_;  // after the first
    std::vector<std::uint32_t> usedOf_;            // of every block but the one being written
    std::vector<std::unique_ptr<char[]>> apart_;   // texts too long for a block, each alone
    char first_[kFirstBlock] = {};                 // cleared, as it is copied whole
};

}  // namespace quillet
