#include "grid/CellGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/CountingListener.h"
#include "support/ErrorOf.h"

namespace quillet {
namespace {

using test::CountingListener;

void fillRows(CellGrid& g, int rows) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < g.colCount(); ++c)
            g.setCellText(c, r, std::to_string(c) + ":" + std::to_string(r));
}

TEST(CellGridCounts, ClampsAndFixedRows) {
    CellGrid g(7, 5, 1);
    g.setRowCount(0);
    EXPECT_EQ(g.rowCount(), 1);
    EXPECT_EQ(g.fixedRows(), 0);

    CellGrid h(7, 5, 1);
    h.setRowCount(1);
    EXPECT_EQ(h.fixedRows(), 0);

    CellGrid k(7, 2, 1);
    EXPECT_THROW(
        try { k.setFixedRows(2); } catch (const CellGridError& e) {
            EXPECT_STREQ(e.what(), "Fixed row count must be less than row count");
            throw;
        },
        CellGridError);
    EXPECT_THROW(
        try { k.setFixedRows(-1); } catch (const CellGridError& e) {
            EXPECT_STREQ(e.what(), "Grid index out of range");
            throw;
        },
        CellGridError);
    EXPECT_EQ(k.fixedRows(), 1);
    k.setColCount(-3);
    EXPECT_EQ(k.colCount(), 1);
}

TEST(CellGridCounts, NeverPassWhatAProjectCanHold) {
    // Counts cost nothing in the sparse store: grids at the limits are cheap to make.
    EXPECT_FALSE(CellGrid::exceedsCellLimit(7, 7'142'857));
    EXPECT_TRUE(CellGrid::exceedsCellLimit(7, 7'142'858));
    EXPECT_FALSE(CellGrid::exceedsCellLimit(-5, 50'000'000));  // counts below 1 count as 1
    EXPECT_TRUE(CellGrid::exceedsCellLimit(INT64_MAX, INT64_MAX));

    CellGrid g(7, 7'142'857, 1);  // 49,999,999 cells
    g.setCellText(1, 1, "kept");
    CountingListener listener;
    g.addListener(&listener);
    const std::string tooMany =
        "The grid cannot have 7 columns and 7142858 rows, more than the "
        "50000000 cells a project can have";
    EXPECT_EQ(test::errorOf<CellGridError>([&] { g.setRowCount(7'142'858); }), tooMany);
    EXPECT_EQ(test::errorOf<CellGridError>([&] { g.setColCount(8); }),
              "The grid cannot have 8 columns and 7142857 rows, more than the 50000000 cells a "
              "project can have");
    EXPECT_EQ(g.rowCount(), 7'142'857);
    EXPECT_EQ(g.colCount(), 7);
    EXPECT_EQ(listener.layouts + listener.cells + listener.widths, 0);
    g.setRowCount(7'142'856);  // shrinking is always allowed
    g.setColCount(1);
    g.setRowCount(10'000'000);
    EXPECT_EQ(listener.layouts, 3);

    const std::string tooLarge =
        "The grid cannot have 1 columns and 10000001 rows, more than the "
        "100000 columns and 10000000 rows a project can have";
    EXPECT_EQ(test::errorOf<CellGridError>([&] { g.setRowCount(10'000'001); }), tooLarge);
    EXPECT_EQ(test::errorOf<CellGridError>([&] { CellGrid wide(100'001, 1, 0); }),
              "The grid cannot have 100001 columns and 1 rows, more than the 100000 columns and "
              "10000000 rows a project can have");
    EXPECT_EQ(test::errorOf<CellGridError>([&] { CellGrid tall(7, 7'142'858, 1); }), tooMany);
    CellGrid wide(100'000, 500, 1);  // exactly 50,000,000
    EXPECT_THROW(wide.setRowCount(501), CellGridError);
    EXPECT_EQ(wide.rowCount(), 500);
    EXPECT_EQ(g.cellText(1, 1), "kept");
}

TEST(CellGridTextDeathTest, AViewReadAfterAWriteToAnotherCellAborts) {
#ifdef NDEBUG
    GTEST_SKIP() << "cellText's views are checked in debug builds only";
#else
    CellGrid g(7, 5, 1);
    g.setCellText(0, 1, "short");  // up to 8 bytes: kept inside the table of entries
    const CellGrid::TextView text = g.cellText(0, 1);
    EXPECT_EQ(text, "short");  // read before any write: fine
    // Writes to other cells grow the table, which moves the entry holding "short".
    for (int row = 2; row < 200; ++row) g.setCellText(3, row, "x");
    EXPECT_EQ(g.cellText(0, 1), "short");  // a view taken after them is fine
    EXPECT_DEATH((void)std::string_view(text), "a view read after a write to the grid");
    const CellGrid::TextView again = g.cellText(0, 1);
    g.setCellText(6, 4, "elsewhere");  // one write, to another row
    EXPECT_DEATH((void)again.size(), "a view read after a write to the grid");
#endif
}

TEST(CellGridStore, EntriesPastTheCountsSurviveShrinkAndGrow) {
    CellGrid g(7, 5, 1);
    fillRows(g, 5);
    g.setCellText(7, 1, "beyond");
    g.setRowCount(2);
    EXPECT_EQ(g.cellText(3, 4), "3:4");  // still readable past the end
    g.setRowCount(5);
    EXPECT_EQ(g.cellText(2, 3), "2:3");
    EXPECT_EQ(g.cellText(7, 1), "beyond");
    g.setColCount(8);
    EXPECT_EQ(g.cellText(7, 1), "beyond");
    EXPECT_EQ(g.cellText(100, 100), "");
}

TEST(CellGridStore, ColourSurvivesCountChangesAndClearStoreDropsAll) {
    CellGrid g(7, 5, 1);
    g.setCellColor(2, 3, clYellow);
    g.setRowCount(3);
    g.setRowCount(5);
    EXPECT_EQ(g.cellColor(2, 3), clYellow);
    EXPECT_EQ(g.cellColor(1, 1), clNone);
    g.setCellColor(2, 3, clWindow);
    EXPECT_EQ(g.cellColor(2, 3), clWindow);  // clWindow is a colour, not "none"

    fillRows(g, 5);
    g.setRowCount(2);
    g.clearStore();
    g.setRowCount(5);
    EXPECT_EQ(g.cellText(2, 3), "");
    EXPECT_EQ(g.cellColor(2, 3), clNone);
}

TEST(CellGridWidths, DefaultsRangeAndShrink) {
    CellGrid g(7, 5, 1);
    EXPECT_EQ(g.colWidth(3), 64);
    EXPECT_EQ(g.colWidth(50), 64);
    g.setColWidth(1, -5);  // stored unchanged, no clamping
    EXPECT_EQ(g.colWidth(1), -5);
    g.setColWidth(6, 99);
    EXPECT_THROW(g.setColWidth(7, 10), CellGridError);
    g.setColCount(5);
    g.setColCount(7);
    EXPECT_EQ(g.colWidth(6), 64);  // a dropped column loses its width
}

TEST(CellGridDeleteRows, MovesRowPastTheEndAndFreesItsColours) {
    CellGrid g(7, 5, 1);
    fillRows(g, 5);
    g.setCellColor(1, 2, clYellow);
    g.setCellColor(1, 3, clYellow);
    g.deleteRows(2, 1);
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.cellText(0, 2), "0:3");
    EXPECT_EQ(g.cellText(0, 3), "0:4");
    EXPECT_EQ(g.cellColor(1, 2), clYellow);  // the colour of old row 3 moved with it
    g.setRowCount(5);
    EXPECT_EQ(g.cellText(0, 4), "0:2");    // removed texts show again
    EXPECT_EQ(g.cellColor(1, 4), clNone);  // but not their colours
}

TEST(CellGridDeleteRows, AtTheEdges) {
    CellGrid g(7, 5, 1);
    fillRows(g, 6);      // row 5 lies past the end
    g.deleteRows(5, 1);  // r = RowCount: the past-end entry swaps with the last row
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.cellText(0, 4), "0:5");
    EXPECT_EQ(g.cellText(0, 5), "0:4");

    CellGrid h(7, 5, 1);
    fillRows(h, 5);
    h.deleteRows(6, 1);  // r = RowCount + 1: nothing
    EXPECT_EQ(h.rowCount(), 5);
    EXPECT_EQ(h.cellText(0, 4), "0:4");

    CellGrid k(7, 5, 1);
    fillRows(k, 5);
    k.deleteRows(0, 1);  // the former row 1 becomes the fixed row 0
    EXPECT_EQ(k.cellText(0, 0), "0:1");
    EXPECT_EQ(k.fixedRows(), 1);
}

TEST(CellGridDeleteRows, CurrentRowFollowsTheRulesAndNotifiesOnce) {
    CellGrid g(7, 5, 1);
    CountingListener listener;
    g.addListener(&listener);
    g.setCurrentCell(2, 4);
    g.setSelection(0, 2, 2, 4);
    listener = {};
    g.deleteRows(4, 1);
    EXPECT_EQ(g.currentRow(), 3);  // past the end: the last row becomes current
    EXPECT_EQ(g.currentCol(), 2);
    EXPECT_EQ(g.selection().top, 3);  // and the selection is that one cell
    EXPECT_EQ(g.selection().left, 2);
    EXPECT_EQ(listener.layouts, 1);
    EXPECT_EQ(listener.cells, 0);
    EXPECT_EQ(listener.current, 0);  // the one Layout change tells the view

    g.setCurrentCell(1, 1);
    g.setSelection(0, 1, 1, 1);
    g.deleteRows(2, 1);
    EXPECT_EQ(g.currentRow(), 1);  // still below the count: stays, selection too
    EXPECT_EQ(g.selection().left, 0);
}

TEST(CellGridExchangeRows, SwapsTextsAndRecordsButNotEntriesPastColCount) {
    CellGrid g(3, 5, 1);
    fillRows(g, 5);
    g.setCellText(5, 1, "far1");
    g.setCellColor(0, 1, clYellow);
    g.exchangeRows(1, 3);
    EXPECT_EQ(g.cellText(0, 1), "0:3");
    EXPECT_EQ(g.cellText(2, 3), "2:1");
    EXPECT_EQ(g.cellColor(0, 3), clYellow);
    EXPECT_EQ(g.cellColor(0, 1), clNone);
    EXPECT_EQ(g.cellText(5, 1), "far1");
    EXPECT_EQ(g.cellText(5, 3), "");
}

TEST(CellGridExchangeRows, RecordsPastColCountStayToo) {
    CellGrid g(3, 5, 1);
    g.setCellColor(1, 1, clYellow);
    g.setCellColor(4, 1, clInfoBk);  // past the column count
    g.setCellText(0, 2, "two");
    g.exchangeRows(1, 2);
    EXPECT_EQ(g.cellColor(1, 2), clYellow);
    EXPECT_EQ(g.cellColor(4, 1), clInfoBk);
    EXPECT_EQ(g.cellColor(4, 2), clNone);
    EXPECT_EQ(g.cellText(0, 1), "two");
}

// The store against a plain model: writes in any column order (empty ones too, long
// ones now and then), exchanges, deletions, colours and count changes, with entries
// past the counts. Far more is written than is ever held, so the store has to pack
// its tables and texts as it goes, and must keep every text while doing so.
TEST(CellGridStore, MatchesAPlainModelUnderRandomChanges) {
    constexpr int kRows = 30;
    constexpr int kCols = 12;
    std::mt19937 rng(11);
    CellGrid g(6, 8, 1);
    std::vector<std::map<int, std::string>> texts(kRows);
    std::vector<std::map<int, Color>> colours(kRows);
    std::size_t written = 0;
    const auto check = [&](int step) {
        std::size_t count = 0;
        for (int r = 0; r < kRows; ++r) {
            std::vector<std::pair<int, std::string>> stored;
            for (const auto& cell : g.storedCells(r)) stored.emplace_back(cell.col(), cell.text());
            const std::vector<std::pair<int, std::string>> expected(texts[r].begin(),
                                                                    texts[r].end());
            ASSERT_EQ(stored, expected) << "row " << r << " step " << step;
            count += expected.size();
            for (int c = 0; c < kCols; ++c) {
                const auto colour = colours[r].find(c);
                ASSERT_EQ(g.cellColor(c, r), colour == colours[r].end() ? clNone : colour->second)
                    << c << "," << r << " step " << step;
            }
        }
        ASSERT_EQ(g.storedCellCount(), count);
    };
    for (int step = 0; step < 60000; ++step) {
        const int op = static_cast<int>(rng() % 10);
        if (op < 6) {
            const int c = static_cast<int>(rng() % kCols);
            const int r = static_cast<int>(rng() % kRows);
            const int kind = static_cast<int>(rng() % 10);
            std::string text = kind < 3   ? std::string()
                               : kind < 8 ? std::to_string(rng() % 1000)
                                          : std::string(5000 + rng() % 100, 'a' + step % 26);
            written += text.size();
            g.setCellText(c, r, text);
            if (text.empty()) {
                texts[r].erase(c);
            } else {
                texts[r][c] = text;
            }
        } else if (op == 6) {
            const int a = static_cast<int>(rng() % kRows);
            const int b = static_cast<int>(rng() % kRows);
            g.exchangeRows(a, b);
            if (a != b) {
                const auto swapCells = [&](auto& rows) {
                    auto& ra = rows[a];
                    auto& rb = rows[b];
                    // What lies past the column count stays where it is.
                    auto pastA = ra.lower_bound(g.colCount());
                    auto pastB = rb.lower_bound(g.colCount());
                    std::decay_t<decltype(ra)> newA(rb.begin(), pastB);
                    std::decay_t<decltype(ra)> newB(ra.begin(), pastA);
                    newA.insert(pastA, ra.end());
                    newB.insert(pastB, rb.end());
                    ra = std::move(newA);
                    rb = std::move(newB);
                };
                swapCells(texts);
                swapCells(colours);
            }
        } else if (op == 7) {
            const int c = static_cast<int>(rng() % kCols);
            const int r = static_cast<int>(rng() % kRows);
            const Color colour = rng() % 2 ? clYellow : clWindow;
            g.setCellColor(c, r, colour);
            colours[r][c] = colour;
        } else if (op == 8) {
            const int row = static_cast<int>(rng() % (g.rowCount() + 2));
            const int count = 1 + static_cast<int>(rng() % 3);
            if (row <= g.rowCount()) {
                for (int r = row; r < std::min(row + count, kRows); ++r)
                    std::erase_if(colours[r],
                                  [&](const auto& e) { return e.first < g.colCount(); });
                int rows = g.rowCount();
                for (int i = 0; i < count; ++i) {
                    const int to = rows - 1;
                    if (row < to) {
                        std::rotate(texts.begin() + row, texts.begin() + row + 1,
                                    texts.begin() + to + 1);
                        std::rotate(colours.begin() + row, colours.begin() + row + 1,
                                    colours.begin() + to + 1);
                    } else if (row > to) {
                        std::rotate(texts.begin() + to, texts.begin() + row,
                                    texts.begin() + row + 1);
                        std::rotate(colours.begin() + to, colours.begin() + row,
                                    colours.begin() + row + 1);
                    }
                    rows = std::max(1, rows - 1);
                }
            }
            g.deleteRows(row, count);
        } else {
            // Counts stay below the model's rows, so deletions stay inside it.
            g.setColCount(1 + static_cast<int>(rng() % kCols));
            g.setRowCount(1 + static_cast<int>(rng() % (kRows - 8)));
        }
        if (step % 500 == 0) check(step);
    }
    check(-1);
    EXPECT_GT(written, 30'000'000u);
    EXPECT_LT(g.storeBytes(), 12'000'000u);  // waste is given back as it goes
    g.clearStore();
    EXPECT_EQ(g.storedCellCount(), 0u);
    EXPECT_EQ(g.cellText(0, 0), "");
}

TEST(CellGridNotifications, BulkUpdateReportsOnce) {
    CellGrid g(7, 5, 1);
    CountingListener listener;
    g.addListener(&listener);
    {
        CellGrid::BulkUpdate bulk(g);
        fillRows(g, 5);
        g.setRowCount(9);
        bulk.commit();
    }
    EXPECT_EQ(listener.layouts, 1);
    EXPECT_EQ(listener.cells, 0);
    g.setCellText(1, 1, "x");
    EXPECT_EQ(listener.cells, 1);
}

// Counts what it hears, then throws.
struct ThrowingListener : CountingListener {
    void gridChanged(const GridChange& change) override {
        CountingListener::gridChanged(change);
        throw std::runtime_error("the listener failed");
    }
};

TEST(CellGridNotifications, AListenerThatThrowsInABulkChangeReachesTheCaller) {
    CellGrid g(7, 5, 1);
    ThrowingListener thrower;
    CountingListener other;
    g.addListener(&thrower);
    g.addListener(&other);
    EXPECT_EQ(test::errorOf<std::runtime_error>([&] {
                  CellGrid::BulkUpdate bulk(g);
                  fillRows(g, 5);
                  g.setColWidth(1, 90);
                  bulk.commit();
              }),
              "the listener failed");
    // Every listener still hears each change once, the one after the thrower too.
    EXPECT_EQ(thrower.layouts, 1);
    EXPECT_EQ(thrower.widths, 1);
    EXPECT_EQ(other.layouts, 1);
    EXPECT_EQ(other.widths, 1);
    EXPECT_EQ(other.cells, 0);
    // The store's own bulk changes commit the same way.
    EXPECT_EQ(test::errorOf<std::runtime_error>([&] { g.deleteRows(2, 1); }),
              "the listener failed");
    EXPECT_EQ(other.layouts, 2);
    EXPECT_EQ(g.rowCount(), 4);
    // The bulk change is over: one cell is heard as one cell again.
    g.removeListener(&thrower);
    g.setCellText(1, 1, "x");
    EXPECT_EQ(other.cells, 1);
    EXPECT_EQ(other.layouts, 2);
}

TEST(CellGridNotifications, ABulkChangeLeftByAnExceptionStillTellsTheListeners) {
    CellGrid g(7, 5, 1);
    ThrowingListener thrower;
    CountingListener other;
    g.addListener(&thrower);
    g.addListener(&other);
    // The change's own error reaches the caller; the listener's cannot travel with it.
    EXPECT_EQ(test::errorOf<CellGridError>([&] {
                  CellGrid::BulkUpdate bulk(g);
                  g.setCellText(1, 1, "kept");
                  throw CellGridError("the change failed");
              }),
              "the change failed");
    EXPECT_EQ(g.cellText(1, 1), "kept");
    EXPECT_EQ(other.layouts, 1);  // what was done before the error is shown and unsaved
    EXPECT_EQ(other.content, 1);
    EXPECT_EQ(thrower.layouts, 1);
}

TEST(CellGridNotifications, OnlyStoredChangesCountAsContent) {
    CellGrid g(7, 5, 1);
    CountingListener listener;
    g.addListener(&listener);
    g.setCellColor(1, 1, clYellow);  // a highlight is not saved
    g.setColWidth(1, 90);
    g.setCurrentCell(2, 2);
    EXPECT_EQ(listener.content, 0);
    {
        CellGrid::BulkUpdate bulk(g);
        g.setCellColor(1, 2, clYellow);
        bulk.commit();
    }
    EXPECT_EQ(listener.layouts, 1);
    EXPECT_EQ(listener.content, 0);
    g.setCellText(1, 1, "typed");
    g.exchangeRows(1, 2);
    g.deleteRows(3, 1);
    g.setRowCount(9);
    EXPECT_EQ(listener.content, 4);
    g.removeListener(&listener);
    g.setCellText(1, 1, "unheard");
    EXPECT_EQ(listener.content, 4);
}

TEST(CellGridSelection, RectangleFromAnchorToCurrent) {
    CellGrid g(7, 5, 1);
    g.setSelection(3, 4, 1, 2);
    const CellRect r = g.selection();
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.right, 3);
    EXPECT_EQ(r.bottom, 4);
}

}  // namespace
}  // namespace quillet
