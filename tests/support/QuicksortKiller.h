#pragma once

#include <numeric>
#include <utility>
#include <vector>

namespace quillet::test {

// Values 1..n in an order that makes the grid's quicksort (middle row as pivot)
// quadratic: every range it partitions has its smallest value in the middle, so
// each partition only moves that one value to the front and peels it off.
inline std::vector<int> quicksortKiller(int n) {
    std::vector<int> value(static_cast<std::size_t>(n));
    std::vector<int> itemAt(static_cast<std::size_t>(n));  // item now at each position
    std::iota(itemAt.begin(), itemAt.end(), 0);
    for (int low = 0; low < n; ++low) {
        const int mid = low + (n - 1 - low) / 2;
        value[static_cast<std::size_t>(itemAt[static_cast<std::size_t>(mid)])] = low + 1;
        std::swap(itemAt[static_cast<std::size_t>(low)], itemAt[static_cast<std::size_t>(mid)]);
    }
    return value;
}

}  // namespace quillet::test
