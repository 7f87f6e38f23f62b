#pragma once

#include <string>
#include <vector>

#include "formats/Sheet.h"
#include "ports/Locale.h"
#include "tasks/Summary.h"

namespace quillet {

// The summary for the spreadsheet writers: the table as Copy gives it, with each period's
// first day a date and the counts and sums numbers.
class SummarySheet : public Sheet {
  public:
    SummarySheet(const Summary& summary, const Locale& locale, std::string name);

    std::string_view name() const override { return name_; }
    int rowCount() const override { return static_cast<int>(texts_.size()); }
    int columnCount() const override { return kColumns; }
    double columnWidth(int col) const override;
    bool hasHeaderRow() const override { return true; }
    SheetCell cell(int row, int col) const override;

  private:
    static constexpr int kColumns = 5;
    const Summary& summary_;
    std::string name_;
    std::vector<std::vector<std::string>> texts_;  // headings first
};

}  // namespace quillet
