#include "grid/OldTexts.h"

#include <algorithm>
#include <utility>

namespace quillet {

// A text that would fill much of a block is kept apart, and the cell says where.
void OldTexts::addElsewhere(int col, int row, std::string_view text) {
    const auto size = static_cast<std::uint32_t>(text.size());
    constexpr std::size_t most = 1 + 8 + 4 + sizeof(const char*);
    char* out = capacity_ - used_ >= most ? base_ + used_ : grow(most);
    // Copied before the cell is written: should that fail, the copy is only unused.
    auto kept = std::make_unique_for_overwrite<char[]>(size);
    std::memcpy(kept.get(), text.data(), size);
    const char* copy = kept.get();
    apart_.push_back(std::move(kept));
    held_ += apartBytes(size);
    char* p = writePosition(out, col, row);
    *out = static_cast<char>(kElsewhere | (p == out + 1 ? 0 : kPositioned));
    std::memcpy(p, &size, 4);
    std::memcpy(p + 4, &copy, sizeof copy);
    advance(out, p + 4 + sizeof copy);
}

char* OldTexts::grow(std::size_t bytes) {
    const std::size_t capacity = std::max(bytes, nextCapacity());
    auto block = std::make_unique_for_overwrite<char[]>(capacity);
    usedOf_.push_back(used_);
    try {
        blocks_.push_back(std::move(block));
    } catch (...) {
        usedOf_.pop_back();
        throw;
    }
    base_ = blocks_.back().get();
    held_ += capacity + kBlockBookkeeping;
    used_ = 0;
    capacity_ = static_cast<std::uint32_t>(capacity);
    startRun();  // a block is read on its own: its first cell says where it lies
    return base_;
}

void OldTexts::decode(std::uint32_t b, std::uint32_t begin, std::uint32_t end,
                      std::vector<Cell>& cells) const {
    const char* p = block(b) + begin;
    const char* const last = block(b) + end;
    Cell cell;
    while (p < last) {
        const auto header = static_cast<unsigned char>(*p++);
        if (header & kPositioned) {
            std::memcpy(&cell.col, p, 4);
            std::memcpy(&cell.row, p + 4, 4);
            p += 8;
        } else {
            ++cell.col;
        }
        const unsigned kind = header & ~kPositioned;
        if (kind <= 8) {
            cell.text = {p, kind};
            p += kind;
        } else {
            std::uint32_t size = 0;
            std::memcpy(&size, p, 4);
            p += 4;
            if (kind == kLong) {
                cell.text = {p, size};
                p += size;
            } else {
                const char* copy = nullptr;
                std::memcpy(&copy, p, sizeof copy);
                cell.text = {copy, size};
                p += sizeof copy;
            }
        }
        cells.push_back(cell);
    }
}

}  // namespace quillet
