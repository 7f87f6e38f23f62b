#include "formats/ClipboardText.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(ClipboardText, RangesGiveTheExactBytes) {
    CellGrid g(7, 3, 1);
    g.setCellText(0, 1, "1");
    g.setCellText(1, 1, "Design");
    g.setCellText(2, 1, "2.5");
    g.setCellText(1, 2, "Review");

    EXPECT_EQ(copyRangeText(g, {1, 1, 1, 1}), "Design");
    EXPECT_EQ(copyRangeText(g, {0, 1, 2, 1}), "1\tDesign\t2.5");
    EXPECT_EQ(copyRangeText(g, {1, 1, 2, 2}), "Design\t2.5\r\nReview\t\r\n");
    EXPECT_EQ(copyRangeText(g, {3, 2, 3, 2}), "");

    // The selection runs from the anchor to the current cell, in either direction.
    g.setSelection(2, 2, 1, 1);
    EXPECT_EQ(copySelectionText(g), "Design\t2.5\r\nReview\t\r\n");
    g.setSelection(-1, -1, -1, -1);
    EXPECT_EQ(copySelectionText(g), "");
}

TEST(ClipboardText, CopyAllTakesHeadingsAndKeepsTextsAsTheyAre) {
    CellGrid g(7, 2, 1);
    const char* headings[] = {"Task #", "Task Description", "Hours",   "Start Date",
                              "Cost",   "Misc. Notes",      "End Date"};
    for (int c = 0; c < 7; ++c) g.setCellText(c, 0, headings[c]);
    g.setCellText(0, 1, "1");
    g.setCellText(1, 1, "two\r\nlines");
    g.setCellText(5, 1, "<B>bold</B> a\tb");
    g.setCellText(3, 5, "past the end");  // not in the range
    EXPECT_EQ(copyAllText(g),
              "Task #\tTask Description\tHours\tStart Date\tCost\tMisc. Notes\tEnd Date\r\n"
              "1\ttwo\r\nlines\t\t\t\t<B>bold</B> a\tb\t\r\n");
}

TEST(ClipboardText, AWideGridOfFewCellsGivesItsTabs) {
    CellGrid g(100000, 500, 1);
    for (int r = 0; r < 500; ++r) g.setCellText(99999, r, "x" + std::to_string(r));
    g.setCellText(0, 3, "first");
    g.setCellText(50000, 3, "mid");
    g.setCellText(100000, 3, "past the last column");
    std::string expected;
    for (int r = 0; r < 500; ++r) {
        if (r == 3) {
            expected += "first" + std::string(50000, '\t') + "mid" + std::string(49999, '\t');
        } else {
            expected += std::string(99999, '\t');
        }
        expected += "x" + std::to_string(r) + "\r\n";
    }
    EXPECT_TRUE(copyAllText(g) == expected);
    EXPECT_EQ(copyRangeText(g, {49999, 2, 50001, 3}), "\t\t\r\n\tmid\t\r\n");
    EXPECT_EQ(copyRangeText(g, {50000, 3, 99999, 3}), "mid" + std::string(49999, '\t') + "x3");
}

TEST(ClipboardText, RichTextCellsAreCopiedAsTheirPlainText) {
    CellGrid g(3, 2, 1);
    g.setCellText(0, 0,
                  "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                  "{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator Pad;}"
                  "\\f0\\fs20 Hello \\b world\\b0\\par Next\\tab line\\line end}");
    g.setCellText(1, 0, "a {\\b not rtf}");
    g.setCellText(2, 0, "{\\b starts with a group}");
    EXPECT_EQ(copyRangeText(g, {0, 0, 2, 0}),
              "Hello world\r\nNext\tline\r\nend\ta {\\b not rtf}\t{\\b starts with a group}");
}

}  // namespace
}  // namespace quillet
