#include "tasks/FindHighlight.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace quillet {
namespace {

TEST(FindHighlight, FindMarksTheFirstMatchFromColumnOne) {
    CellGrid g(7, 5, 1);
    g.setCellText(1, 3, "xabcx");
    g.setCellText(2, 1, "ABC");
    g.setCellText(1, 0, "abc heading");
    g.setCellText(0, 1, "abc");  // the "Task #" column is not searched by Find
    FindHighlight f;
    f.setSearchText("abc");
    const auto result = f.find(g);
    EXPECT_EQ(result.message, std::nullopt);
    EXPECT_TRUE(result.closeDialog);
    EXPECT_EQ(std::pair(f.foundCol(), f.foundRow()), std::pair(1, 3));
    EXPECT_EQ(g.cellColor(1, 3), clYellow);

    // Pressing find-next again finds the same first match.
    f.find(g);
    EXPECT_EQ(std::pair(f.foundCol(), f.foundRow()), std::pair(1, 3));
    EXPECT_EQ(g.cellColor(1, 3), clYellow);
}

TEST(FindHighlight, FindAgainWalksColumnByColumn) {
    CellGrid g(7, 6, 1);
    g.setCellText(2, 5, "hit");
    g.setCellText(3, 2, "hit");
    g.setCellText(4, 1, "hit");
    FindHighlight f;
    f.setSearchText("hit");
    f.find(g);
    EXPECT_EQ(std::pair(f.foundCol(), f.foundRow()), std::pair(2, 5));
    EXPECT_EQ(f.findAgain(g), std::nullopt);
    EXPECT_EQ(std::pair(f.foundCol(), f.foundRow()), std::pair(3, 2));
    EXPECT_EQ(g.cellColor(2, 5), clWindow);  // a colour of its own, not "none"
    EXPECT_EQ(g.cellColor(3, 2), clYellow);

    // Reset unmarks but keeps the place: Find Again continues after it.
    f.reset(g);
    EXPECT_EQ(g.cellColor(3, 2), clWindow);
    EXPECT_EQ(f.findAgain(g), std::nullopt);
    EXPECT_EQ(std::pair(f.foundCol(), f.foundRow()), std::pair(4, 1));

    // After the last match the mark stays and every further try says so.
    EXPECT_EQ(f.findAgain(g), "Sorry, next \"hit\" not found.");
    EXPECT_EQ(f.findAgain(g), "Sorry, next \"hit\" not found.");
    EXPECT_EQ(std::pair(f.foundCol(), f.foundRow()), std::pair(4, 1));
    EXPECT_EQ(g.cellColor(4, 1), clYellow);
}

TEST(FindHighlight, NotFoundMessagesAndTheTaskNumberColumn) {
    CellGrid g(7, 4, 1);
    g.setCellText(0, 2, "42");
    g.setCellText(0, 3, "142");
    g.setCellText(3, 0, "42 in a heading");
    FindHighlight f;
    EXPECT_EQ(f.findAgain(g), "Sorry, no search text has been entered");
    EXPECT_EQ(f.find(g).message, "Sorry, \"\" not found.");

    f.setSearchText("42");
    const auto result = f.find(g);
    EXPECT_EQ(result.message, "Sorry, \"42\" not found.");
    EXPECT_FALSE(result.closeDialog);
    EXPECT_EQ(std::pair(f.foundCol(), f.foundRow()), std::pair(0, 0));

    // With nothing marked Find Again starts at column 0, row 1.
    EXPECT_EQ(f.findAgain(g), std::nullopt);
    EXPECT_EQ(std::pair(f.foundCol(), f.foundRow()), std::pair(0, 2));
    EXPECT_EQ(f.findAgain(g), std::nullopt);
    EXPECT_EQ(std::pair(f.foundCol(), f.foundRow()), std::pair(0, 3));
    EXPECT_EQ(g.cellColor(0, 2), clWindow);  // a column-0 mark is unmarked too

    f.find(g);
    EXPECT_EQ(g.cellColor(0, 3), clWindow);
    EXPECT_EQ(std::pair(f.foundCol(), f.foundRow()), std::pair(0, 0));
}

TEST(FindHighlight, SearchTextIsCutAt255Bytes) {
    FindHighlight f;
    f.setSearchText(std::string(300, 'a'));
    EXPECT_EQ(f.searchText().size(), 255u);
    // A two-byte character across the limit is dropped whole.
    f.setSearchText(std::string(254, 'a') + "\xC3\xA9xyz");
    EXPECT_EQ(f.searchText(), std::string(254, 'a'));
}

// The row-wise walk must give exactly the column-wise scan order.
TEST(FindHighlight, FindAgainVisitsEveryMatchInColumnOrder) {
    std::mt19937 rng(3);
    for (int round = 0; round < 50; ++round) {
        const int cols = 1 + static_cast<int>(rng() % 6);
        const int rows = 2 + static_cast<int>(rng() % 12);
        CellGrid g(cols, rows, 1);
        std::vector<std::pair<int, int>> expected;
        for (int c = 0; c < cols; ++c) {
            for (int r = 0; r < rows; ++r) {
                if (rng() % 4 != 0) continue;
                g.setCellText(c, r, "xx");
                if (r > 0) expected.emplace_back(c, r);
            }
        }
        // Texts the store keeps past the counts are not searched.
        g.setCellText(cols + static_cast<int>(rng() % 3), 1, "xx");
        g.setCellText(0, rows + static_cast<int>(rng() % 3), "xx");
        FindHighlight f;
        f.setSearchText("x");
        std::vector<std::pair<int, int>> visited;
        while (!f.findAgain(g)) visited.emplace_back(f.foundCol(), f.foundRow());
        EXPECT_EQ(visited, expected) << "round " << round;
    }
}

TEST(FindHighlight, AWideGridOfFewCellsIsSearchedInColumnOrder) {
    CellGrid g(100000, 500, 1);
    for (int r = 0; r < 500; ++r) g.setCellText(99999, r, "x");
    g.setCellText(99999, 7, "a needle");
    g.setCellText(99999, 2, "needle");
    g.setCellText(50000, 300, "needles");
    g.setCellText(70000, 0, "needle in a heading");
    g.setCellText(0, 1, "needle in column 0");
    FindHighlight f;
    f.setSearchText("needle");
    f.find(g);
    EXPECT_EQ(std::pair(f.foundCol(), f.foundRow()), std::pair(50000, 300));
    std::vector<std::pair<int, int>> visited;
    while (!f.findAgain(g)) visited.emplace_back(f.foundCol(), f.foundRow());
    EXPECT_EQ(visited, (std::vector<std::pair<int, int>>{{99999, 2}, {99999, 7}}));
}

}  // namespace
}  // namespace quillet
