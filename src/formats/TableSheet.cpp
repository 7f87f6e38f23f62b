#include "formats/TableSheet.h"

#include <algorithm>

namespace quillet {

namespace {
constexpr double kDefaultWidth = 10.0;
}

int TableSheet::columnCount() const {
    std::size_t count = widths_.size();
    for (const auto& row : rows_) count = std::max(count, row.size());
    return static_cast<int>(count);
}

double TableSheet::columnWidth(int col) const {
    const auto index = static_cast<std::size_t>(col);
    return index < widths_.size() ? widths_[index] : kDefaultWidth;
}

SheetCell TableSheet::cell(int row, int col) const {
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    const auto index = static_cast<std::size_t>(col);
    if (index >= cells.size()) return {};
    const Cell& c = cells[index];
    return {c.type, c.text, c.value, c.decimals};
}

}  // namespace quillet
