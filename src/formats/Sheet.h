#pragma once

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ports/Message.h"

namespace quillet {

// One cell of a sheet as the spreadsheet writers see it. The text is always the cell's text
// as it stands (CSV writes it); the type is what the cell's column reads it as, and
// storedType() decides how a workbook stores it.
struct SheetCell {
    enum class Type { Text, Number, Date };
    Type type = Type::Text;
    std::string_view text;
    double value = 0;    // Number, or Date as days since 1899-12-30
    int decimals = -1;   // Number: digits shown after the decimal point; -1 shows it as it is
    int yearDigits = 4;  // Date: the digits its year was typed with, 0 when it was left out

    // The one rule of every workbook format: a cell is stored as a number or a date only
    // where the spreadsheet shows what the text says, otherwise as the text it was typed as.
    // A number stays text when it has more than 15 significant digits (a double keeps no
    // more), when it starts with a zero followed by a digit ("007"), or when it has no form
    // in a workbook (1e400). A date stays text before 1 March 1900 (spreadsheets count a
    // 29 February 1900 that never was, and have no earlier dates) and when its year was left
    // out or typed with fewer than four digits, as its century would be a guess.
    Type storedType() const;
};

// A cell's text as every export format writes it: UTF-8 (a cell from an older version, in
// Windows-1252, is converted), and each character an XML file cannot hold (the control
// characters other than TAB, LF and CR; U+FFFE and U+FFFF) replaced by U+FFFD, so the user
// sees where one was. Returns `text` itself when it needs no change, else a view of `buffer`.
std::string_view exportText(std::string_view text, std::string& buffer);

// A table to export: any source of typed rows (the task table, a summary) without copying it
// first, so a large project is written row by row.
class Sheet {
  public:
    virtual ~Sheet() = default;
    virtual std::string_view name() const = 0;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    // In characters of the default font.
    virtual double columnWidth(int col) const = 0;
    // Row 0 is a heading row: bold, and frozen while the rows scroll.
    virtual bool hasHeaderRow() const = 0;
    // The view inside is valid until the next call.
    virtual SheetCell cell(int row, int col) const = 0;
    // The text alone, for writers that need no types (CSV): may skip the typing's cost.
    virtual std::string_view text(int row, int col) const { return cell(row, col).text; }
};

// The width in characters of a column `pixels` wide: a workbook column of n characters is
// about 7n + 5 pixels in the default font.
inline double charactersForPixels(int pixels) {
    return pixels <= 5 ? 0.0 : (pixels - 5) / 7.0;
}

// An export that cannot be written; what() is the user's message.
class ExportError : public MessageError {
  public:
    using MessageError::MessageError;
};

// "Cannot write file PATH: REASON", the reason as the library or the system gave it.
inline Message cannotWriteMessage(const std::string& path, std::string reason) {
    return Message(QUILLET_TR("CoreMessages", "Cannot write file %1: %2"))
        .arg(path)
        .arg(std::move(reason));
}

// How the user's conventions shape an export.
struct ExportSettings {
    // The short date pattern (Locale's letters) that date cells are shown with.
    std::string datePattern = "M/d/yyyy";
    char csvSeparator = ',';
};

// One piece of a short date pattern: a day, month or year field, or literal text.
struct DatePatternPart {
    enum class Kind { Day, Month, Year, Literal };
    Kind kind = Kind::Literal;
    bool twoDigits = false;  // Day and Month; a year is always written with four
    std::string text;        // Literal
};
std::vector<DatePatternPart> datePatternParts(std::string_view pattern);

}  // namespace quillet
