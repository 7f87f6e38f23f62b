#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace quillet {

// Holds the bytes of many cell texts in a few large blocks instead of one heap block
// per text. A stored copy never moves; its bytes are given up with release() and
// counted as waste until the owner copies the live texts into a fresh arena.
class TextArena {
  public:
    TextArena() = default;
    TextArena(TextArena&&) noexcept = default;
    TextArena& operator=(TextArena&&) noexcept = default;
    TextArena(const TextArena&) = delete;
    TextArena& operator=(const TextArena&) = delete;

    // A copy of the bytes, valid until the arena is cleared or destroyed.
    const char* store(std::string_view text) {
        const std::size_t size = text.size();
        if (size > left_ || size == 0) return storeInNewBlock(text);
        char* copy = next_;
        std::memcpy(copy, text.data(), size);
        next_ += size;
        left_ -= size;
        live_ += size;
        return copy;
    }
    // The bytes of a stored text that nothing uses any more.
    void release(std::size_t size) {
        live_ -= size;
        wasted_ += size;
    }

    // Time to copy the live texts into a fresh arena: the waste is large, both
    // against the live bytes and in itself.
    bool mostlyWaste() const { return wasted_ > kWasteWorthCompacting && wasted_ > live_; }

    void clear();

    // Bytes of every block, used or not (a block's unused tail is never touched).
    std::size_t reservedBytes() const { return reserved_; }

  private:
    // store() for an empty text or one the current block has no room for.
    const char* storeInNewBlock(std::string_view text);

    static constexpr std::size_t kFirstBlock = std::size_t{16} * 1024;
    static constexpr std::size_t kLargestBlock = std::size_t{4} * 1024 * 1024;
    static constexpr std::size_t kWasteWorthCompacting = std::size_t{4} * 1024 * 1024;

    std::vector<std::unique_ptr<char[]>> blocks_;
    char* next_ = nullptr;  // free bytes of the current block
    std::size_t left_ = 0;
    std::size_t nextBlockSize_ = kFirstBlock;
    std::size_t live_ = 0;
    std::size_t wasted_ = 0;
    std::size_t reserved_ = 0;
};

}  // namespace quillet
