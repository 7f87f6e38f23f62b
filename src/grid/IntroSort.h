#pragma once

#include <bit>
#include <utility>
#include <vector>

namespace quillet {

// A range this small is always finished by the quicksort: even its worst case
// costs little, and ordinary data then keeps the quicksort's exact order.
inline constexpr int kIntroSortSmallRange = 32;

// How deep the quicksort may partition before heap sort takes over: 2 log2 n.
inline int introSortDepthLimit(int count) {
    return count < 2 ? 0 : 2 * (std::bit_width(static_cast<unsigned>(count)) - 1);
}

// Sorts items (row ids, or ids with their keys) by compare(a, b) (negative, zero,
// positive) with the grid's quicksort: a copy of the middle item as pivot, bounded
// scans, a swap unless i = j or the two compare equal, then (low, j) and (i, high). The two ranges
// are disjoint, so doing the smaller first and looping on the larger keeps the stack shallow
// without changing the result. A range of more than kIntroSortSmallRange items found deeper than
// depthLimit partitions is heap sorted on the same comparison instead, so a crafted input cannot
// make the sort quadratic. Any comparison terminates.
template <typename Item, typename Compare>
class IntroSort {
  public:
    IntroSort(std::vector<Item>& order, Compare& compare) : order_(order), compare_(compare) {}

    void sort(int low, int high, int depth) {
        while (low < high) {
            if (depth <= 0 && high - low + 1 > kIntroSortSmallRange) {
                heapSort(low, high);
                return;
            }
            --depth;
            const Item pivot = at(low + (high - low) / 2);
            int i = low;
            int j = high;
            do {
                while (i < high && compare_(pivot, at(i)) > 0) ++i;
                while (j > low && compare_(at(j), pivot) > 0) --j;
                if (i <= j) {
                    if (i != j && compare_(at(i), at(j)) != 0) swapAt(i, j);
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (j - low < high - i) {
                if (low < j) sort(low, j, depth);
                low = i;
            } else {
                if (i < high) sort(i, high, depth);
                high = j;
            }
        }
    }

  private:
    const Item& at(int index) const { return order_[static_cast<std::size_t>(index)]; }
    void swapAt(int a, int b) {
        std::swap(order_[static_cast<std::size_t>(a)], order_[static_cast<std::size_t>(b)]);
    }

    // Heap of the range [base, base + size): the greatest id at base.
    void siftDown(int base, int node, int size) {
        for (;;) {
            int child = 2 * node + 1;
            if (child >= size) return;
            if (child + 1 < size && compare_(at(base + child + 1), at(base + child)) > 0) ++child;
            if (compare_(at(base + child), at(base + node)) <= 0) return;
            swapAt(base + node, base + child);
            node = child;
        }
    }

    void heapSort(int low, int high) {
        const int size = high - low + 1;
        for (int node = size / 2 - 1; node >= 0; --node) siftDown(low, node, size);
        for (int last = size - 1; last > 0; --last) {
            swapAt(low, low + last);
            siftDown(low, 0, last);
        }
    }

    std::vector<Item>& order_;
    Compare& compare_;
};

template <typename Item, typename Compare>
void introSort(std::vector<Item>& items, Compare compare, int depthLimit) {
    if (items.size() < 2) return;
    IntroSort<Item, Compare>(items, compare)
        .sort(0, static_cast<int>(items.size()) - 1, depthLimit);
}

template <typename Compare>
void introSortIds(std::vector<int>& order, Compare compare, int depthLimit) {
    introSort(order, compare, depthLimit);
}

}  // namespace quillet
