#include "tasks/SummarySheet.h"

#include <utility>

namespace quillet {

SummarySheet::SummarySheet(const Summary& summary, const Locale& locale, std::string name)
    : summary_(summary), name_(std::move(name)) {
    texts_.reserve(summary.rows.size() + 1);
    texts_.push_back(summaryHeadings());
    for (const SummaryRow& row : summary.rows) texts_.push_back(summaryCells(row, locale));
}

double SummarySheet::columnWidth(int col) const {
    static constexpr double kWidths[kColumns] = {20, 12, 8, 12, 14};
    return col >= 0 && col < kColumns ? kWidths[col] : 10;
}

SheetCell SummarySheet::cell(int row, int col) const {
    SheetCell cell;
    cell.text = texts_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (row == 0) return cell;
    const SummaryRow& line = summary_.rows[static_cast<std::size_t>(row - 1)];
    switch (col) {
        case 1:
            if (line.kind == SummaryRow::Kind::Period) {
                cell.type = SheetCell::Type::Date;
                cell.value = line.firstDay;
            }
            break;
        case 2:
            cell.type = SheetCell::Type::Number;
            cell.value = line.taskCount;
            cell.decimals = 0;
            break;
        case 3:
        case 4:
            cell.type = SheetCell::Type::Number;
            cell.value = static_cast<double>(col == 3 ? line.hours : line.cost);
            cell.decimals = 2;
            break;
        default:
            break;
    }
    return cell;
}

}  // namespace quillet
