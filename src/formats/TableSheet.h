#pragma once

#include <string>
#include <utility>
#include <vector>

#include "formats/Sheet.h"

namespace quillet {

// A sheet held in memory, for small tables built by hand.
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
    int columnCount() const override;
    double columnWidth(int col) const override;
    bool hasHeaderRow() const override { return headerRow_; }
    SheetCell cell(int row, int col) const override;

  private:
    std::string name_;
    bool headerRow_;
    std::vector<std::vector<Cell>> rows_;
    std::vector<double> widths_;
};

}  // namespace quillet
