#include "formats/CsvReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "formats/ProjectFile.h"
#include "support/CountingListener.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

using test::CountingListener;
using test::TempDir;
using test::writeBytes;
using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

// Every cell inside the counts, row by row.
Rows cellsOf(const CellGrid& grid) {
    Rows rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        Row row;
        for (int c = 0; c < grid.colCount(); ++c) row.emplace_back(grid.cellText(c, r));
        rows.push_back(row);
    }
    return rows;
}

// A 4 x 2 grid, one fixed row, every cell holding "old".
void fillOld(CellGrid& grid) {
    grid.setColCount(4);
    grid.setRowCount(2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) grid.setCellText(c, r, "old");
}

void loadBytes(CellGrid& grid, const TempDir& dir, const std::string& bytes,
               std::optional<char> separator = std::nullopt, const ReadOptions& options = {}) {
    const std::string path = dir.file("in.csv");
    writeBytes(path, bytes);
    loadCellsFromCsv(grid, path, options, separator);
}

TEST(CsvDetection, RunCounts) {
    const struct {
        const char* line;
        std::int64_t count;
    } cases[] = {
        {"", 0},      {"abc", 0},    {"a,b", 1}, {",a", 1},    {"a,", 1},   {"a,,b", 0},
        {"a,,,b", 1}, {"a,,,,b", 0}, {",,", 1},  {"a,,,,", 1}, {"a,b,", 2}, {"a,,b,,,c,", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(csvRunCount(c.line, ','), c.count) << c.line;
}

TEST(CsvDetection, ThreePassesAndTiesToTheEarlierCandidate) {
    const struct {
        const char* line1;
        const char* line2;
        std::optional<char> separator;
    } cases[] = {
        {"1\t2\t3\t4\t5\t6\t7", "a\tb\tc\td\te\tf\tg", '\t'},
        // Pass 1 fails for "," (3 against 2) and ";" (0 against 2); pass 3 takes the 3.
        {"a,b,c,d", "a,b;c;d,e", ','},
        {"a;b;c", "", ';'},  // one line: only pass 3 can choose
        {"a,b;c", "d,e;f", ','},
        {"a|b;c", "d|e;f", ';'},  // equal counts: the earlier candidate
        // Pass 1: the comma pairs count nothing, so the bar wins over the plain count.
        {"x|y,,z", "x|y,,z", '|'},
        {"a,,b", "c,,d", ','},  // pass 2: the plain counts agree
        {"a#b", "c|d|e", '|'},  // pass 3: the larger count
        {"a#b#c", "c|d|e", '#'},
        {"plain text", "more text", std::nullopt},
        {"", "", std::nullopt},
        {"a:b:c", "a:b:c", std::nullopt},  // only the five candidates
    };
    for (const auto& c : cases) {
        EXPECT_EQ(detectCsvSeparator(c.line1, c.line2), c.separator) << c.line1 << " / " << c.line2;
    }
}

TEST(CsvReader, DetectionReadsTheFirstTwoLinesOfTheFile) {
    TempDir dir;
    CellGrid grid(1, 2, 1);
    // The third line's semicolons do not count.
    loadBytes(grid, dir, "a,b\r\nc,d\r\ne;f;g;h\r\n");
    EXPECT_EQ(cellsOf(grid), (Rows{{"a", "b"}, {"c", "d"}, {"e;f;g;h", ""}}));
    // No separator: one field per line, quotes at its ends removed.
    loadBytes(grid, dir, "\"one\"\r\n\"t\"\"wo\"\r\n");
    EXPECT_EQ(cellsOf(grid), (Rows{{"one", "b"}, {"t\"wo", "d"}}));
}

TEST(CsvReader, FieldsAsExactGrids) {
    const std::string q = "\"";
    const struct {
        std::string line;
        Row row0;  // row 0 of a 4 x 2 grid that held "old" everywhere
    } cases[] = {
        {"1," + q + "Smith, J" + q + ",3", {"1", "Smith, J", "3", "old"}},
        {q + "say " + q + q + "hi" + q + q + q + ",x", {"say \"hi\"", "x", "old", "old"}},
        {"a,,b", {"a", "", "b", "old"}},     // the empty middle field clears its cell
        {"a,b,", {"a", "b", "old", "old"}},  // an empty last field stores nothing
        {"ab" + q + q + "c,x", {"ab\"\"c", "x", "old", "old"}},
        {"x,ab" + q + q + "c", {"x", "ab\"c", "old", "old"}},
        {q + "open,x", {"", "x", "old", "old"}},                    // unclosed quote: empty field
        {"a,b" + q + "c" + q + ",d", {"a", "b\"c\"", "d", "old"}},  // stray quotes stay
        // Text after the closing quote stays in its field.
        {"a," + q + "b" + q + "junk,c", {"a", "bjunk", "c", "old"}},
        {q + "a,b" + q + "cdefgh", {"a,bcdefgh", "old", "old", "old"}},
        {q + "a,b" + q + "cd,ef", {"a,bcd", "ef", "old", "old"}},
        {"a," + q + q, {"a", "", "old", "old"}},
        {"a,one\ntwo", {"a", "one\r\ntwo", "old", "old"}},
        {q + "one\ntwo" + q + ",b", {"one\r\ntwo", "b", "old", "old"}},
        {"a,b\n,c", {"a", "b\r\n", "c", "old"}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        CellGrid grid(4, 2, 1);
        fillOld(grid);
        loadBytes(grid, dir, c.line + "\r\n");
        EXPECT_EQ(cellsOf(grid)[0], c.row0) << c.line;
    }
}

TEST(CsvReader, ColumnsOnlyGrowRowsEndAtTheLineCountWidthsStay) {
    TempDir dir;
    CellGrid grid(7, 2, 1);
    grid.setColWidth(5, 120);
    for (int c = 0; c < 7; ++c) grid.setCellText(c, 1, "old");
    loadBytes(grid, dir, "a,b,c\r\nd,e,f\r\ng,h,i\r\n");
    EXPECT_EQ(grid.colCount(), 7);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_EQ(cellsOf(grid)[1], (Row{"d", "e", "f", "old", "old", "old", "old"}));
    EXPECT_EQ(grid.colWidth(5), 120);

    loadBytes(grid, dir, "1,2,3,4,5,6,7,8,9\r\nx\r\n");
    EXPECT_EQ(grid.colCount(), 9);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.colWidth(5), 120);

    // One line and no line at all leave one row and no fixed row.
    loadBytes(grid, dir, "only,line\r\n");
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.fixedRows(), 0);
    grid.setRowCount(2);
    grid.setFixedRows(1);
    loadBytes(grid, dir, "");
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.fixedRows(), 0);
    EXPECT_EQ(grid.cellText(0, 0), "only");
}

TEST(CsvReader, RowsGrowAThousandAtATimeAndAreCutOnceAtTheEnd) {
    // Lines 2, 3, 1002 and 1003 are long, so the progress report, which follows the
    // bytes read, comes right after each of them.
    std::string bytes;
    for (int k = 0; k < 1500; ++k) {
        const bool longLine = k == 1 || k == 2 || k == 1001 || k == 1002;
        bytes += std::to_string(k) + "," + std::string(longLine ? 20'000 : 1, 'x') + "\r\n";
    }
    TempDir dir;
    CellGrid grid(2, 2, 1);
    std::vector<std::pair<int, int>> seen;  // lines done, row count
    ReadOptions options;
    options.progress = [&](std::int16_t) {
        int done = 0;
        while (!grid.cellText(0, done).empty()) ++done;
        seen.emplace_back(done, grid.rowCount());
    };
    loadBytes(grid, dir, bytes, std::nullopt, options);
    EXPECT_EQ(grid.rowCount(), 1500);
    for (const auto& [done, rows] : seen) {
        EXPECT_EQ(rows, done <= 2 ? 2 : done <= 1002 ? 1002 : 2002) << done << " lines";
    }
    for (int done : {2, 3, 1002, 1003}) {
        EXPECT_NE(std::find_if(seen.begin(), seen.end(), [&](auto& s) { return s.first == done; }),
                  seen.end())
            << "no report after " << done << " lines";
    }
}

TEST(CsvReader, ProgressIsTheShareOfBytesReportedWhenItMoves) {
    TempDir dir;
    CellGrid grid(2, 2, 1);
    std::vector<int> reported;
    ReadOptions options;
    options.progress = [&](std::int16_t p) { reported.push_back(p); };
    std::string bytes;
    for (int k = 0; k < 1000; ++k) bytes += "a,b\r\n";  // 5 bytes a line
    loadBytes(grid, dir, bytes, std::nullopt, options);
    std::vector<int> each(101);
    std::iota(each.begin(), each.end(), 0);
    EXPECT_EQ(reported, each);
    // A line is read with its whole line end, so a one-line file is done at once.
    reported.clear();
    loadBytes(grid, dir, "a,b\r\n", std::nullopt, options);
    EXPECT_EQ(reported, (std::vector<int>{100}));
    reported.clear();
    loadBytes(grid, dir, "a,b\r", std::nullopt, options);
    EXPECT_EQ(reported, (std::vector<int>{100}));
}

TEST(CsvReader, SeparatorSettingIsHonouredAndNotReplacedByDetection) {
    TempDir dir;
    CellGrid grid(1, 2, 1);
    loadBytes(grid, dir, "a;b,c\r\nd;e,f\r\n", ',');
    EXPECT_EQ(cellsOf(grid), (Rows{{"a;b", "c"}, {"d;e", "f"}}));
    loadBytes(grid, dir, "a;b,c\r\n", ';');
    EXPECT_EQ(cellsOf(grid)[0], (Row{"a", "b,c"}));
    loadBytes(grid, dir, "x:y:z\r\n", ':');  // any byte will do
    EXPECT_EQ(cellsOf(grid)[0], (Row{"x", "y", "z"}));
}

TEST(CsvReader, Utf8TakenAsItIsAndOthersConvertedFromTheOemCodePage) {
    TempDir dir;
    const struct {
        std::string bytes;
        Rows cells;
    } cases[] = {
        // A byte-order mark is dropped; accents stay as they are.
        {"\xEF\xBB\xBF"
         "caf\xC3\xA9,na\xC3\xAFve\r\n\xE2\x82\xAC,x",
         {{"caf\xC3\xA9", "na\xC3\xAFve"}, {"\xE2\x82\xAC", "x"}}},
        // CP437 bytes of the same letters, and its box and Greek characters.
        {"caf\x82,na\x8Bve\r\n\xC9\xCD\xBB,\xE0\xE1",
         {{"caf\xC3\xA9", "na\xC3\xAFve"},
          {"\xE2\x95\x94\xE2\x95\x90\xE2\x95\x97", "\xCE\xB1\xC3\x9F"}}},
        // One byte that is not UTF-8 makes the whole file OEM text, earlier lines too.
        {"\xC3\xA9,x\r\n\x82,y", {{"\xE2\x94\x9C\xE2\x8C\x90", "x"}, {"\xC3\xA9", "y"}}},
    };
    for (const auto& c : cases) {
        CellGrid grid(2, 2, 1);
        loadBytes(grid, dir, c.bytes);
        EXPECT_EQ(cellsOf(grid), c.cells) << testing::PrintToString(c.bytes);
    }
    CellGrid raw(2, 2, 1);
    loadBytes(raw, dir, "caf\x82,x\r\n", std::nullopt,
              ReadOptions{.oemConvert = false, .progress = {}});
    EXPECT_EQ(raw.cellText(0, 0), "caf\x82");
}

TEST(CsvReader, LineEnds) {
    TempDir dir;
    const struct {
        std::string bytes;
        Rows cells;
    } cases[] = {
        // Without any CR, LF ends the lines.
        {"a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}},
        {"a,b\n\nc,d", {{"a", "b"}, {"", ""}, {"c", "d"}}},
        // There a line break inside a quoted field continues the field, as CR LF.
        {"1,\"one\ntwo, three\",x\n2,y\n", {{"1", "one\r\ntwo, three", "x"}, {"2", "y", ""}}},
        {"x,y\n\"a\n\nb\",\"c\nd\"\ne", {{"x", "y"}, {"a\r\n\r\nb", "c\r\nd"}, {"e", ""}}},
        {"\"say \"\"hi\"\"\nthere\",z\n", {{"say \"hi\"\r\nthere", "z"}}},
        // With a CR anywhere, only CR ends a line and a bare LF stays in its field.
        {"a,b\nc,d\r\ne,f", {{"a", "b\r\nc", "d"}, {"e", "f", ""}}},
        {"a,b\rc,d", {{"a", "b"}, {"c", "d"}}},
        // 0x1A ends the file, wherever it stands.
        {"a,b\r\nc\x1A,d\r\ne,f\r\n", {{"a", "b"}, {"c", ""}}},
    };
    for (const auto& c : cases) {
        CellGrid grid(2, 2, 1);
        loadBytes(grid, dir, c.bytes);
        EXPECT_EQ(cellsOf(grid), c.cells) << testing::PrintToString(c.bytes);
    }
}

TEST(CsvReader, MissingFileLeavesTheGridAndListenersHearOneChange) {
    TempDir dir;
    CellGrid grid(3, 4, 1);
    grid.setCellText(0, 1, "kept");
    CountingListener listener;
    grid.addListener(&listener);
    const std::string missing = dir.file("missing.csv");
    EXPECT_EQ(test::errorOf<CellGridError>([&] { loadCellsFromCsv(grid, missing); }),
              "Cannot open file " + missing);
    const std::string folder = dir.path().string();
    EXPECT_EQ(test::errorOf<CellGridError>([&] { loadCellsFromCsv(grid, folder); }),
              "Cannot open file " + folder + ": not a regular file");
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.cellText(0, 1), "kept");
    EXPECT_EQ(listener.layouts + listener.cells, 0);

    std::string bytes;
    for (int k = 0; k < 2500; ++k) bytes += "a,b,c,d,e\r\n";
    loadBytes(grid, dir, bytes);
    EXPECT_EQ(listener.layouts, 1);
    EXPECT_EQ(listener.cells, 0);
    EXPECT_EQ(grid.colCount(), 5);
}

TEST(CsvReader, BadInputLoadsWhatTheRulesMakeOfIt) {
    TempDir dir;
    std::mt19937 random(7);
    std::string binary(1 << 20, '\0');
    for (char& b : binary) {
        b = static_cast<char>(random());
        if (b == 0x1A) b = 0;  // so that all of it is read
    }

    const struct {
        const char* name;
        std::string bytes;
        int rows;
        int cols;  // of a grid that had 2
    } cases[] = {
        {"10 MB line, no separator", std::string(10'000'000, 'x'), 1, 2},
        {"10 MB of quotes", std::string(10'000'000, '"') + ",", 1, 2},
        {"empty", "", 1, 2},
        {"empty quoted fields",
         [] {
             std::string s;
             for (int k = 0; k < 90'000; ++k) s += "\"\",";
             return s;
         }(),
         1, 90'000},
        {"binary", binary, -1, -1},
    };
    for (const auto& c : cases) {
        CellGrid grid(2, 2, 1);
        loadBytes(grid, dir, c.bytes);
        if (c.rows >= 0) {
            EXPECT_EQ(grid.rowCount(), c.rows) << c.name;
            EXPECT_EQ(grid.colCount(), c.cols) << c.name;
        }
    }
    CellGrid grid(2, 2, 1);
    loadBytes(grid, dir, std::string("a\0b,c\0\r\n\0,\0", 11));
    EXPECT_EQ(cellsOf(grid), (Rows{{std::string("a\0b", 3), std::string("c\0", 2)},
                                   {std::string("\0", 1), std::string("\0", 1)}}));
    CellGrid unclosed(2, 2, 1);
    loadBytes(unclosed, dir, "\"a,\"b,\"c\r\n\"d");
    EXPECT_EQ(cellsOf(unclosed), (Rows{{"a,b", "c"}, {"d", ""}}));
    loadBytes(grid, dir, std::string(10'000'000, 'x'));
    EXPECT_EQ(grid.cellText(0, 0).size(), 10'000'000u);
}

TEST(CsvReader, AbsurdSizesAreRefusedWithAMessage) {
    TempDir dir;
    const std::string path = dir.file("in.csv");
    const std::string message = "Cannot open file " + path +
                                ": it holds more than the 100000 columns or 10000000 rows a "
                                "project can have";
    CellGrid grid(2, 2, 1);
    // 100,000 fields are fine, 100,001 are not.
    loadBytes(grid, dir, std::string(99'999, ',') + "x");
    EXPECT_EQ(grid.colCount(), CellGrid::kMaxColumns);
    EXPECT_EQ(grid.cellText(CellGrid::kMaxColumns - 1, 0), "x");
    writeBytes(path, std::string(100'000, ',') + "x");
    EXPECT_EQ(test::errorOf<CellGridError>([&] { loadCellsFromCsv(grid, path); }), message);
    writeBytes(path, std::string(100'001, ','));
    EXPECT_EQ(test::errorOf<CellGridError>([&] { loadCellsFromCsv(grid, path); }), message);

    // Ten million empty lines are fine in two columns, one more is not.
    CellGrid narrow(2, 2, 1);
    std::string lines(CellGrid::kMaxRows, '\n');
    loadBytes(narrow, dir, lines);
    EXPECT_EQ(narrow.rowCount(), CellGrid::kMaxRows);
    lines += '\n';
    writeBytes(path, lines);
    EXPECT_EQ(test::errorOf<CellGridError>([&] { loadCellsFromCsv(narrow, path); }), message);
    EXPECT_EQ(narrow.rowCount(), CellGrid::kMaxRows);  // no reserve rows are left behind

    // Nor more cells than a project file may ask for: 100,000 columns fit 500 lines.
    const std::string wide = std::string(99'999, ',') + "x\r\n" + std::string(499, '\r');
    CellGrid full(2, 2, 1);
    loadBytes(full, dir, wide);
    EXPECT_EQ(full.rowCount(), 500);
    writeBytes(path, wide + "\r");
    CellGrid over(2, 2, 1);
    EXPECT_EQ(test::errorOf<CellGridError>([&] { loadCellsFromCsv(over, path); }),
              "Cannot open file " + path +
                  ": it holds more than the 50000000 cells a project "
                  "can have");
    EXPECT_EQ(over.rowCount(), 500);  // the lines before it stay
    EXPECT_EQ(over.cellText(99'999, 0), "x");

    // A wide line after the rows have grown by their reserve: the reserve gives way.
    CellGrid late(2, 2, 1);
    loadBytes(late, dir, "a,b\r\nc,d\r\ne,f\r\n" + std::string(99'999, ',') + "x\r\ng,h\r\n");
    EXPECT_EQ(late.colCount(), 100'000);
    EXPECT_EQ(late.rowCount(), 5);
    EXPECT_EQ(late.cellText(99'999, 3), "x");
    EXPECT_EQ(late.cellText(1, 4), "h");
}

}  // namespace
}  // namespace quillet
