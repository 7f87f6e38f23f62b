#include "tasks/TaskSheet.h"

#include <algorithm>

#include "ports/Ascii.h"
#include "tasks/Columns.h"
#include "tasks/CostTotal.h"

namespace quillet {

namespace {
// More digits than a double holds exactly would change the number.
constexpr std::size_t kMaxExactDigits = 15;
}  // namespace

bool isPlainWholeNumber(std::string_view text) {
    if (text.empty() || text.size() > kMaxExactDigits) return false;
    if (text.size() > 1 && text.front() == '0') return false;
    return std::all_of(text.begin(), text.end(), isAsciiDigit);
}

SheetCell TaskSheet::cell(int row, int col) const {
    const std::string_view text = grid_.cellText(col, row);
    SheetCell cell{SheetCell::Type::Text, text};
    if (row == 0 || text.empty()) return cell;
    switch (col) {
        case TaskNo:
            if (isPlainWholeNumber(text)) {
                cell.type = SheetCell::Type::Number;
                for (const char digit : text) cell.value = cell.value * 10 + (digit - '0');
            }
            break;
        case Hours:
        case Cost:
            if (const auto number = parseCost(trimBlanksAndControls(text), locale_)) {
                cell.type = SheetCell::Type::Number;
                cell.value = static_cast<double>(*number);
                cell.decimals = col == Cost ? 2 : -1;
            }
            break;
        case StartDate:
        case EndDate:
            if (const auto date =
                    locale_.parseDateTime(trimBlanksAndControls(text), &cell.yearDigits)) {
                cell.type = SheetCell::Type::Date;
                cell.value = *date;
            }
            break;
        default:
            break;
    }
    return cell;
}

}  // namespace quillet
