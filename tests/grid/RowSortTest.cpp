#include "grid/RowSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

#include "grid/IntroSort.h"
#include "support/CountingListener.h"
#include "support/Fakes.h"
#include "support/QuicksortKiller.h"

namespace quillet {
namespace {

const Locale kUs = test::usLocale();

std::vector<std::string> column(const CellGrid& g, int col) {
    std::vector<std::string> out;
    for (int r = 1; r < g.rowCount(); ++r) out.emplace_back(g.cellText(col, r));
    return out;
}

CellGrid& fillColumn(CellGrid& g, int col, const std::vector<std::string>& texts) {
    g.setRowCount(static_cast<int>(texts.size()) + 1);
    for (size_t i = 0; i < texts.size(); ++i) g.setCellText(col, static_cast<int>(i) + 1, texts[i]);
    return g;
}

TEST(RowSortCompare, KindComesFromTheFirstCell) {
    EXPECT_EQ(sortKindOf("10", kUs), SortKind::Numeric);
    EXPECT_EQ(sortKindOf("-", kUs), SortKind::Numeric);
    EXPECT_EQ(sortKindOf("1-2", kUs), SortKind::Numeric);
    EXPECT_EQ(sortKindOf("1,234.5", kUs), SortKind::Numeric);
    EXPECT_EQ(sortKindOf("1,00,0", kUs), SortKind::Numeric);  // three positions apart
    EXPECT_EQ(sortKindOf(".", kUs), SortKind::Numeric);
    EXPECT_EQ(sortKindOf(",100", kUs), SortKind::Text);  // separator in first position
    EXPECT_EQ(sortKindOf("1,0,0", kUs), SortKind::Text);
    EXPECT_EQ(sortKindOf("--1", kUs), SortKind::Text);
    EXPECT_EQ(sortKindOf("1.2.3", kUs), SortKind::Text);
    EXPECT_EQ(sortKindOf("12/6/2026", kUs), SortKind::Date);
    EXPECT_EQ(sortKindOf("x1/6", kUs), SortKind::Date);
    EXPECT_EQ(sortKindOf("2026/12/6", kUs), SortKind::Text);  // slash at position 5
    EXPECT_EQ(sortKindOf("12/", kUs), SortKind::Text);
    EXPECT_EQ(sortKindOf("1/x", kUs), SortKind::Text);
    EXPECT_EQ(sortKindOf("\xC3\xA9\xC3\xA9"
                         "1/2",
                         kUs),
              SortKind::Text);  // 4th character
    EXPECT_EQ(sortKindOf("\x80\x80\x80\x80\x80\x80\x80\x80\x80"
                         "1/2",
                         kUs),
              SortKind::Date);  // continuation bytes start no character
    EXPECT_EQ(sortKindOf("", kUs), SortKind::Text);
    EXPECT_EQ(sortKindOf("1.234,5", test::germanLocale()), SortKind::Numeric);
    EXPECT_EQ(sortKindOf("6.12.2026", test::germanLocale()), SortKind::Numeric);

    // A number against a word reads the word as 0; the word against the number
    // compares bytes. Both say "greater": the comparison is not symmetric.
    EXPECT_GT(compareSortCells("5", "abc", kUs), 0);
    EXPECT_GT(compareSortCells("abc", "5", kUs), 0);
    EXPECT_LT(compareSortCells("-5", "abc", kUs), 0);
    EXPECT_LT(compareSortCells("2", "10", kUs), 0);
    EXPECT_GT(compareSortCells("2", "1e0", kUs), 0);
    EXPECT_LT(compareSortCells("5", "12 kg", kUs), 0);  // partly read: its readable start
    EXPECT_EQ(compareSortCells("1-2", "3-4", kUs), 0);  // neither reads: equal
    EXPECT_EQ(compareSortCells("-", "x", kUs), 0);
    EXPECT_LT(compareSortCells("-", "5", kUs), 0);
    EXPECT_EQ(compareSortCells("0", "", kUs), 0);  // empty is 0
    EXPECT_LT(compareSortCells("1", "1e999", kUs), 0);
    EXPECT_GT(compareSortCells("1", "-1e999", kUs), 0);
    EXPECT_EQ(compareSortCells("0", "nan", kUs), 0);  // a word, not a number
    EXPECT_GT(compareSortCells("1,5", "1,25", test::germanLocale()), 0);
    EXPECT_GT(compareSortCells("1,5", "1.25", test::germanLocale()), 0);
    // Short decimals are read on a shorter way than long ones or exponents: same values.
    EXPECT_EQ(compareSortCells("0.3", "0.29999999999999999", kUs), 0);
    EXPECT_LT(compareSortCells("0.3", "0.30000000000000004", kUs), 0);
    EXPECT_EQ(compareSortCells("123456789012.345", "1.23456789012345e11", kUs), 0);
    EXPECT_LT(compareSortCells("999999999999999", "1000000000000001", kUs), 0);
    EXPECT_EQ(compareSortCells("0,1", "1e-1", test::germanLocale()), 0);
    EXPECT_EQ(compareSortCells(".5", "0.50", kUs), 0);
    EXPECT_EQ(compareSortCells("5.", "5", kUs), 0);

    // Dates by value, not by text; a text that is no date counts as 0.
    EXPECT_LT(compareSortCells("12/6/2026", "1/15/2027", kUs), 0);
    EXPECT_GT(compareSortCells("1/15/2027", "soon", kUs), 0);
    EXPECT_EQ(compareSortCells("99/99/9999", "", kUs), 0);

    // Text by unsigned bytes; a prefix comes first.
    EXPECT_LT(compareSortCells("abc", "abd", kUs), 0);
    EXPECT_LT(compareSortCells("Zed", "abc", kUs), 0);
    EXPECT_LT(compareSortCells("ab", "abc", kUs), 0);
    EXPECT_LT(compareSortCells("z", "\xC3\xA9", kUs), 0);
    EXPECT_LT(compareSortCells("", "a", kUs), 0);
    // Past the first 16 bytes, and texts that differ only in their length or a NUL.
    EXPECT_LT(compareSortCells("design review of the screen", "design review of the server", kUs),
              0);
    EXPECT_GT(compareSortCells("design review of the screens", "design review of the screen", kUs),
              0);
    EXPECT_EQ(compareSortCells("design review of the screen", "design review of the screen", kUs),
              0);
    EXPECT_LT(compareSortCells("0123456789abcdef", "0123456789abcdef0", kUs), 0);
    EXPECT_GT(compareSortCells(std::string("ab\0", 3), "ab", kUs), 0);
    EXPECT_LT(compareSortCells(std::string("ab\0", 3), std::string("ab\0\1", 4), kUs), 0);
    EXPECT_GT(compareSortCells("0123456789abcdef\xFF", std::string("0123456789abcdef\0x", 18), kUs),
              0);
}

TEST(RowSort, NumbersDatesAndBlanks) {
    CellGrid g(1, 2, 1);
    g.setCellText(0, 0, "Task #");
    sortGridRows(fillColumn(g, 0, {"10", "2", "", "1"}), {}, kUs);
    EXPECT_EQ(column(g, 0), (std::vector<std::string>{"", "1", "2", "10"}));
    EXPECT_EQ(g.cellText(0, 0), "Task #");

    sortGridRows(fillColumn(g, 0, {"1/15/2027", "12/6/2026", "3/1/2026"}), {}, kUs);
    EXPECT_EQ(column(g, 0), (std::vector<std::string>{"3/1/2026", "12/6/2026", "1/15/2027"}));

    RowSortSettings down;
    down.ascending = false;
    sortGridRows(fillColumn(g, 0, {"b", "c", "a"}), down, kUs);
    EXPECT_EQ(column(g, 0), (std::vector<std::string>{"c", "b", "a"}));
}

TEST(RowSort, TiesGoToTheColumnsOnTheRight) {
    CellGrid g(7, 5, 1);
    // {task, start date, cost, notes}
    const char* rows[4][4] = {{"1", "5/1/2026", "20", "b"},
                              {"2", "5/1/2026", "10", "z"},
                              {"3", "4/1/2026", "99", "a"},
                              {"4", "5/1/2026", "20", "a"}};
    for (int r = 0; r < 4; ++r) {
        g.setCellText(0, r + 1, rows[r][0]);
        g.setCellText(3, r + 1, rows[r][1]);
        g.setCellText(4, r + 1, rows[r][2]);
        g.setCellText(5, r + 1, rows[r][3]);
    }
    g.setCellColor(5, 4, clYellow);  // row of task 4
    g.setCurrentCell(1, 2);
    sortGridRows(g, {3, true, true}, kUs);
    EXPECT_EQ(column(g, 0), (std::vector<std::string>{"3", "2", "4", "1"}));
    EXPECT_EQ(g.cellColor(5, 3), clYellow);  // the highlight moved with its row
    EXPECT_EQ(g.cellColor(5, 4), clNone);
    EXPECT_EQ(g.currentRow(), 2);

    // Columns left of the sort column are never consulted: equal rows do not swap.
    CellGrid h(2, 3, 1);
    h.setCellText(0, 1, "b");
    h.setCellText(0, 2, "a");
    sortGridRows(h, {1, true, true}, kUs);
    EXPECT_EQ(column(h, 0), (std::vector<std::string>{"b", "a"}));
}

TEST(RowSort, BulkSortNotifiesOnceAndKeepsEntriesPastTheColumns) {
    test::CountingListener listener;
    CellGrid g(1, 2, 1);
    fillColumn(g, 0, {"3", "2", "1"});
    g.setCellText(1, 1, "beyond");  // past ColCount: stays where it is
    g.addListener(&listener);
    sortGridRows(g, {}, kUs);
    g.removeListener(&listener);
    EXPECT_EQ(column(g, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(g.cellText(1, 1), "beyond");
    EXPECT_EQ(listener.cells, 0);
    EXPECT_EQ(listener.layouts, 1);
}

// The quicksort as the grid always ran it, straight on the cells.
int compareRows(const CellGrid& g, int a, int b, int col) {
    for (int c = col; c < g.colCount(); ++c) {
        const int r = compareSortCells(g.cellText(c, a), g.cellText(c, b), kUs);
        if (r != 0) return r;
    }
    return 0;
}

void referenceSort(CellGrid& g, CellGrid& pivotRow, int col, int low, int high) {
    const int mid = (low + high) / 2;
    for (int c = 0; c < g.colCount(); ++c) pivotRow.setCellText(c, 0, g.cellText(c, mid));
    auto comparePivot = [&](int row, bool pivotFirst) {
        for (int c = col; c < g.colCount(); ++c) {
            const std::string_view p = pivotRow.cellText(c, 0);
            const std::string_view x = g.cellText(c, row);
            const int r = pivotFirst ? compareSortCells(p, x, kUs) : compareSortCells(x, p, kUs);
            if (r != 0) return r;
        }
        return 0;
    };
    int i = low, j = high;
    do {
        while (comparePivot(i, true) > 0 && i < high) ++i;
        while (comparePivot(j, false) > 0 && j > low) --j;
        if (i <= j) {
            if (i != j && compareRows(g, i, j, col) != 0) g.exchangeRows(i, j);
            ++i;
            --j;
        }
    } while (i <= j);
    if (low < j) referenceSort(g, pivotRow, col, low, j);
    if (i < high) referenceSort(g, pivotRow, col, i, high);
}

TEST(RowSort, MatchesTheAlgorithmOnBadAndMixedInput) {
    const std::vector<std::string> tokens = {
        "", "-", "1-2", ".", ",", ",5", "1,2,3", "1,,0", "1,000", "abc", "Abc", "7", "10", "-3",
        "2.5", "1e3", "1e999", "  4", "4 ", "\xFF\xFE", "nan", "inf", "12/6/2026", "1/15/2027",
        "99/99/9999", "1/x", "3/4/2026 14:30", "0",
        // Texts alike in their first 16 bytes.
        "design review of the screen", "design review of the server", "design review of the",
        "design review of", std::string("design review of\0", 17)};
    std::mt19937 rng(11);
    for (int round = 0; round < 300; ++round) {
        const int rows = 2 + static_cast<int>(rng() % 40);
        const int cols = 1 + static_cast<int>(rng() % 3);
        const int col = static_cast<int>(rng() % cols);
        CellGrid a(cols, rows, 1), b(cols, rows, 1), pivot(cols, 1, 0);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                const std::string& t = tokens[rng() % tokens.size()];
                a.setCellText(c, r, t);
                b.setCellText(c, r, t);
            }
        }
        sortGridRows(a, {col, true, true}, kUs);
        if (rows > 2) referenceSort(b, pivot, col, 1, rows - 1);
        for (int c = 0; c < cols; ++c) {
            ASSERT_EQ(column(a, c), column(b, c)) << "round " << round;
            EXPECT_EQ(a.cellText(c, 0), b.cellText(c, 0));
        }
    }
}

// Counts the comparisons of sorting the values with the given depth limit.
long long comparisonsToSort(std::vector<int> values, int depthLimit) {
    std::vector<int> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    long long comparisons = 0;
    introSortIds(
        order,
        [&](int a, int b) {
            ++comparisons;
            const int x = values[static_cast<size_t>(a)], y = values[static_cast<size_t>(b)];
            return x < y ? -1 : (x > y ? 1 : 0);
        },
        depthLimit);
    for (size_t p = 1; p < order.size(); ++p) {
        EXPECT_LE(values[static_cast<size_t>(order[p - 1])], values[static_cast<size_t>(order[p])]);
    }
    return comparisons;
}

TEST(RowSort, CraftedInputCannotMakeTheSortQuadratic) {
    const int n = 4000;
    const std::vector<int> crafted = test::quicksortKiller(n);
    const double nLogN = n * std::log2(n);
    // Unbounded, the quicksort really is quadratic on it...
    EXPECT_GT(comparisonsToSort(crafted, INT_MAX), static_cast<long long>(n) * n / 4);
    // ...bounded, it stays within a small multiple of n log n.
    EXPECT_LT(comparisonsToSort(crafted, introSortDepthLimit(n)), 8 * nLogN);
    std::vector<int> shuffled(n);
    std::iota(shuffled.begin(), shuffled.end(), 1);
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(3));
    EXPECT_LT(comparisonsToSort(shuffled, introSortDepthLimit(n)), 4 * nLogN);

    // The grid's sort of 20,000 such task rows finishes in order.
    const int rows = 20000;
    CellGrid g(7, rows + 1, 1);
    const std::vector<int> tasks = test::quicksortKiller(rows);
    for (int r = 1; r <= rows; ++r) {
        g.rawSetCellText(0, r, std::to_string(tasks[static_cast<size_t>(r - 1)]));
        g.rawSetCellText(1, r, "same description");
    }
    sortGridRows(g, {}, kUs);
    for (int r = 1; r <= rows; ++r) ASSERT_EQ(g.cellText(0, r), std::to_string(r));
}

TEST(RowSort, DepthBoundLeavesOrdinaryDataAsTheQuicksortLeftIt) {
    // Shuffled keys with many ties: the bound only cuts into ranges that went
    // unusually deep, and ranges of up to kIntroSortSmallRange rows never.
    std::mt19937 rng(5);
    for (int round = 0; round < 20; ++round) {
        const int n = 2000 + round * 97;
        std::vector<int> keys(static_cast<size_t>(n));
        for (int& k : keys) k = static_cast<int>(rng() % 300);
        auto compare = [&](int a, int b) {
            const int x = keys[static_cast<size_t>(a)], y = keys[static_cast<size_t>(b)];
            return x < y ? -1 : (x > y ? 1 : 0);
        };
        std::vector<int> plain(static_cast<size_t>(n));
        std::iota(plain.begin(), plain.end(), 0);
        std::vector<int> bounded = plain;
        introSortIds(plain, compare, INT_MAX);
        introSortIds(bounded, compare, introSortDepthLimit(n));
        EXPECT_EQ(plain, bounded) << "round " << round;  // ties included
    }
    EXPECT_EQ(introSortDepthLimit(100000), 32);
    EXPECT_EQ(introSortDepthLimit(1), 0);
}

}  // namespace
}  // namespace quillet
