#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "formats/Sheet.h"

namespace quillet::test {

// A sheet held in memory, built by hand: what the exporters are tested with.
class TableSheet : public Sheet {
  public:
    struct Cell {
        SheetCell::Type type = SheetCell::Type::Text;
        std::string text;
        double value = 0;
        int decimals = -1;
    };

    explicit TableSheet(std::string name, bool headerRow = true)
        : name_(std::move(name)), headerRow_(headerRow) {}

    void addRow(std::vector<Cell> row) { rows_.push_back(std::move(row)); }
    void setColumnWidths(std::vector<double> widths) { widths_ = std::move(widths); }

    static Cell textCell(std::string text) {
        return {SheetCell::Type::Text, std::move(text), 0, -1};
    }
    static Cell numberCell(std::string text, double value, int decimals = -1) {
        return {SheetCell::Type::Number, std::move(text), value, decimals};
    }
    static Cell dateCell(std::string text, double value) {
        return {SheetCell::Type::Date, std::move(text), value, -1};
    }

    std::string_view name() const override { return name_; }
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    int columnCount() const override {
        std::size_t count = widths_.size();
        for (const auto& row : rows_) count = std::max(count, row.size());
        return static_cast<int>(count);
    }
    double columnWidth(int col) const override {
        const auto index = static_cast<std::size_t>(col);
        return index < widths_.size() ? widths_[index] : 10.0;
    }
    bool hasHeaderRow() const override { return headerRow_; }
    SheetCell cell(int row, int col) const override {
        const auto& cells = rows_[static_cast<std::size_t>(row)];
        const auto index = static_cast<std::size_t>(col);
        if (index >= cells.size()) return {};
        const Cell& c = cells[index];
        return {c.type, c.text, c.value, c.decimals};
    }

  private:
    std::string name_;
    bool headerRow_;
    std::vector<std::vector<Cell>> rows_;
    std::vector<double> widths_;
};

}  // namespace quillet::test
