#include "grid/TextArena.h"

#include <algorithm>
#include <cstring>

namespace quillet {

const char* TextArena::storeInNewBlock(std::string_view text) {
    const std::size_t size = text.size();
    char* copy = nullptr;
    if (size <= left_) {
        copy = next_;
        next_ += size;
        left_ -= size;
    } else if (size > nextBlockSize_ / 4) {
        // A long text gets a block of its own and leaves the current block's room alone.
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        reserved_ += size;
        copy = blocks_.back().get();
    } else {
        // Uninitialised: the pages of a block's unused tail are never touched, so they
        // cost address space, not memory.
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(nextBlockSize_));
        reserved_ += nextBlockSize_;
        copy = blocks_.back().get();
        next_ = copy + size;
        left_ = nextBlockSize_ - size;
        nextBlockSize_ = std::min(nextBlockSize_ * 2, kLargestBlock);
    }
    if (size > 0) std::memcpy(copy, text.data(), size);
    live_ += size;
    return copy;
}

void TextArena::clear() {
    *this = TextArena();
}

}  // namespace quillet
