#include "tasks/Printing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/Fakes.h"
#include "tasks/Columns.h"

namespace quillet {
namespace {

using test::FakePrintCanvas;
using Op = FakePrintCanvas::Op;
using Step = FakePrintCanvas::Step;

Op draw(int x, int y, std::string text) {
    return FakePrintCanvas::draw(x, y, std::move(text));
}
Op newPage() {
    return FakePrintCanvas::newPageOp();
}

const std::string kFooter =
    "Printed from Quillet1, by Brindlecraft (https://www.example.org/brindlecraft/).";

// Runs are 10 units a character and 16 tall (line height 18), an empty line is 14, tab stops
// are 80 apart.
class PrintingTest : public ::testing::Test {
  protected:
    FakePrintCanvas canvas;
    PrinterChannel channel{canvas};

    std::vector<Op> layout(const std::vector<std::string>& lines) {
        channel.open();
        for (const std::string& line : lines) channel.writeLine(line);
        return canvas.page();
    }
};

TEST_F(PrintingTest, OneTaskProjectPrintsRowsBlankLinesAndFooter) {
    CellGrid grid(DefaultColumnCount, 2, 1);
    for (int c = 0; c < DefaultColumnCount; ++c) grid.setCellText(c, 0, kDefaultHeadings[c]);
    grid.setCellText(TaskNo, 1, "1");
    grid.setCellText(StartDate, 1, "12/7/2026");

    EXPECT_EQ(printGrid(grid, canvas), PrintOutcome::Printed);

    const std::vector<Op> expected = {
        FakePrintCanvas::beginOp(),
        draw(0, 0, "Task #"),
        draw(80, 0, "Task Description"),
        draw(320, 0, "Hours"),
        draw(400, 0, "Start Date"),
        draw(560, 0, "Cost"),
        draw(640, 0, "Misc. Notes"),
        draw(800, 0, "End Date"),
        // empty line: 18 + 14
        draw(0, 32, "1"),
        draw(240, 32, "12/7/2026"),
        draw(0, 64, " "),
        draw(0, 96, kFooter),
        draw(0, 128, " "),
        FakePrintCanvas::endOp(),
    };
    EXPECT_EQ(canvas.ops, expected);
}

TEST(PrintRow, EveryCellEndsInATabAndTheRowInCrLf) {
    CellGrid grid(4, 2, 1);
    grid.setCellText(0, 1, "a");
    grid.setCellText(2, 1, "caf\xE9");  // Windows-1252 from an older file
    grid.setCellText(3, 1, "two\r\nlines");
    std::string line = "left over";
    buildPrintRow(grid, 1, line);
    EXPECT_EQ(line, "a\t\tcaf\xC3\xA9\ttwo\r\nlines\t\r\n");
    EXPECT_EQ(printFooter(), kFooter + "\r\n");
}

TEST_F(PrintingTest, EmptyCellsKeepLaterCellsAtTheirTabStops) {
    EXPECT_THAT(
        layout({"a\t\tbb\t\tc\t", "aaaaaaa\tb\tcc\tdddd\te\t"}),
        ::testing::ElementsAre(draw(0, 0, "a"), draw(160, 0, "bb"), draw(320, 0, "c"),  //
                               draw(0, 18, "aaaaaaa"), draw(80, 18, "b"), draw(160, 18, "cc"),
                               draw(240, 18, "dddd"), draw(320, 18, "e")));
}

TEST(PrinterChannel, TabMovesToTheStopAtLeastTwoUnitsAhead) {
    // Width of the text before the tab -> where the next cell starts.
    const std::pair<int, int> cases[] = {{0, 80}, {1, 80}, {78, 80}, {79, 160}, {80, 160}};
    for (const auto& [before, expected] : cases) {
        FakePrintCanvas c;
        c.widths["i"] = 1;
        PrinterChannel ch(c);
        ch.open();
        ch.writeLine(std::string(static_cast<std::size_t>(before), 'i') + "\tx");
        EXPECT_EQ(c.draws().back(), (draw(expected, 0, "x"))) << before;
    }
}

TEST_F(PrintingTest, TextWiderThanThePageWrapsAfterTheLastCharacterThatFits) {
    canvas.width = 100;
    canvas.widths["W"] = 30;
    EXPECT_THAT(
        layout({"abcdefghijklmno", "ab\tcdefghijkl", "aaaaWbbb", "aaaaWbbbb", "abcdefghi\tx"}),
        ::testing::ElementsAre(draw(0, 0, "abcdefghij"), draw(0, 18, "klmno"), draw(0, 36, "ab"),
                               draw(80, 36, "cd"), draw(0, 54, "efghijkl"),
                               draw(0, 72, "aaaaWbbb"),  // exactly 100
                               draw(0, 90, "aaaaWbbb"), draw(0, 108, "b"),
                               // a tab past the edge starts a new line
                               draw(0, 126, "abcdefghi"), draw(0, 144, "x")));
}

TEST_F(PrintingTest, PageBreakPutsTheNextLineAtTheTopWithoutAHeading) {
    canvas.height = 100;  // a line ending below 100 - 2 * 18 = 64 ends the page
    CellGrid grid(1, 4, 1);
    grid.setCellText(0, 0, "H");
    grid.setCellText(0, 1, "1");
    grid.setCellText(0, 2, "2");
    grid.setCellText(0, 3, "3");
    printGrid(grid, canvas);
    EXPECT_THAT(canvas.page(), ::testing::ElementsAre(
                                   draw(0, 0, "H"), draw(0, 32, "1"), draw(0, 64, "2"), newPage(),
                                   // the empty line after row 2 opens the new page
                                   draw(0, 14, "3"), draw(0, 46, " "), draw(0, 78, kFooter),
                                   newPage(), draw(0, 14, " ")));
}

TEST_F(PrintingTest, NewPageStartsAtTheTopLeft) {
    canvas.height = 100;
    EXPECT_THAT(
        layout({"a", "a", "a", "a\tb", "c"}),
        ::testing::ElementsAre(draw(0, 0, "a"), draw(0, 18, "a"), draw(0, 36, "a"),
                               draw(0, 54, "a"), draw(80, 54, "b"), newPage(), draw(0, 0, "c")));
    EXPECT_EQ(channel.x(), 0);
    EXPECT_EQ(channel.y(), 18);
}

TEST_F(PrintingTest, CrDrawsWithoutMovingAndFormFeedStartsAPage) {
    EXPECT_THAT(layout({"ab\rcd\fef"}), ::testing::ElementsAre(draw(0, 0, "ab"), draw(20, 0, "cd"),
                                                               newPage(), draw(0, 0, "ef")));
}

TEST_F(PrintingTest, TextComesInBlocksOf128Characters) {
    canvas.width = 100000;
    const std::string a128(128, 'a');
    struct Case {
        std::string line;
        std::vector<std::string> runs;
    };
    const Case cases[] = {
        {std::string(127, 'a'), {std::string(127, 'a')}},
        {a128, {a128}},
        {a128 + "b", {a128, "b"}},
        {a128 + a128 + "bb\tc", {a128, a128, "bb", "c"}},
        {"x\t" + std::string(127, 'a'), {"x", std::string(126, 'a'), "a"}},
        // a character is counted once, however many bytes it takes
        {std::string(127, 'a') + "\xC3\xA9" + "b", {std::string(127, 'a') + "\xC3\xA9", "b"}},
        // every text line starts a new block; CR LF inside it count too
        {std::string(100, 'a') + "\r\n" + std::string(100, 'b'),
         {std::string(100, 'a'), std::string(26, 'b'), std::string(74, 'b')}},
    };
    for (const Case& c : cases) {
        FakePrintCanvas page;
        page.width = 100000;
        PrinterChannel ch(page);
        ch.open();
        ch.writeLine(c.line);
        ch.writeLine(c.line);  // the second line's blocks start afresh
        std::vector<std::string> drawn;
        for (const Op& op : page.draws()) drawn.push_back(op.text);
        std::vector<std::string> expected = c.runs;
        expected.insert(expected.end(), c.runs.begin(), c.runs.end());
        EXPECT_EQ(drawn, expected) << c.line;
    }
}

TEST_F(PrintingTest, RunSplitByABlockIsPlacedAndWrappedByItself) {
    canvas.width = 1000;
    EXPECT_THAT(layout({std::string(130, 'a')}),
                ::testing::ElementsAre(draw(0, 0, std::string(100, 'a')),
                                       draw(0, 18, std::string(28, 'a')), draw(280, 18, "aa")));
}

TEST_F(PrintingTest, CharacterWiderThanThePageIsDrawnAtTheLeftEdge) {
    canvas.width = 100;
    canvas.widths["W"] = 150;
    EXPECT_THAT(layout({"aWb", "W\tx", "W"}),
                ::testing::ElementsAre(draw(0, 0, "a"), draw(0, 18, "W"), draw(0, 36, "b"),
                                       draw(0, 54, "W"), draw(0, 72, "x"), draw(0, 90, "W")));

    FakePrintCanvas tiny;  // no room at all, and a font without width
    tiny.width = 0;
    tiny.averageWidth = 0;
    PrinterChannel ch(tiny);
    ch.open();
    ch.writeLine("ab\tc");
    EXPECT_EQ(tiny.draws().size(), 3u);
}

TEST_F(PrintingTest, LineThatWouldRunOffTheBottomGoesToTheNextPage) {
    canvas.height = 100;
    // Empty lines (14 each) bring Y to 88, where a run 16 tall no longer fits.
    EXPECT_THAT(layout({"a", "", "", "", "", "", "b"}),
                ::testing::ElementsAre(draw(0, 0, "a"), newPage(), draw(0, 0, "b")));
}

TEST_F(PrintingTest, JobThatCannotStartIsAnError) {
    canvas.beginFailure = "Cannot print to /nowhere/out.pdf.";
    CellGrid grid;
    try {
        printGrid(grid, canvas);
        FAIL() << "no error";
    } catch (const PrintError& e) {
        EXPECT_STREQ(e.what(), "Cannot print to /nowhere/out.pdf.");
    }
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(PrintingTest, FailureAmongTheRowsStillPrintsTheFooterAndEndsTheJob) {
    CellGrid grid(1, 3, 1);
    grid.setCellText(0, 0, "H");
    grid.setCellText(0, 1, "1");
    grid.setCellText(0, 2, "2");
    canvas.failOnDraw = 1;  // row 1
    try {
        printGrid(grid, canvas);
        FAIL() << "no error";
    } catch (const PrintError& e) {
        EXPECT_STREQ(e.what(), "The printer reported an error.");
    }
    std::vector<std::string> drawn;
    for (const Op& op : canvas.draws()) drawn.push_back(op.text);
    EXPECT_EQ(drawn, (std::vector<std::string>{"H", " ", kFooter, " "}));
    EXPECT_EQ(canvas.ops.back().step, Step::End);
}

TEST_F(PrintingTest, ProgressGrowsToAHundredAndACancelDropsTheJob) {
    CellGrid grid(7, 250, 1);
    std::vector<int> seen;
    EXPECT_EQ(printGrid(grid, canvas,
                        [&](int percent) {
                            seen.push_back(percent);
                            return true;
                        }),
              PrintOutcome::Printed);
    ASSERT_EQ(seen.size(), 101u);  // 0 to 100, each once
    for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], static_cast<int>(i));

    FakePrintCanvas cancelled;
    int calls = 0;
    EXPECT_EQ(printGrid(grid, cancelled, [&](int) { return ++calls < 3; }),
              PrintOutcome::Cancelled);
    EXPECT_EQ(cancelled.ops.back().step, Step::Abort);
    for (const Op& op : cancelled.ops) {
        EXPECT_NE(op.step, Step::End);
        EXPECT_NE(op.text, kFooter);
    }
}

}  // namespace
}  // namespace quillet
