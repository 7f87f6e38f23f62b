#include "tasks/Sorting.h"

#include <gtest/gtest.h>

#include "support/Fakes.h"
#include "tasks/FindHighlight.h"

namespace quillet {
namespace {

TEST(Sorting, ByTaskDateCarriesTheFindHighlight) {
    CellGrid g(7, 4, 1);
    g.setCellText(3, 0, "Start Date");
    const char* tasks[3][3] = {{"1", "Write", "1/15/2027"},
                               {"2", "Plan", "12/6/2026"},
                               {"3", "<Total for project>", "12/7/2026"}};
    for (int r = 0; r < 3; ++r) {
        g.setCellText(0, r + 1, tasks[r][0]);
        g.setCellText(1, r + 1, tasks[r][1]);
        g.setCellText(3, r + 1, tasks[r][2]);
    }
    FindHighlight find;
    find.setSearchText("Write");
    find.find(g);
    ASSERT_EQ(g.cellColor(1, 1), clYellow);

    sortRows(g, StartDate, test::usLocale());
    EXPECT_EQ(g.cellText(1, 1), "Plan");
    EXPECT_EQ(g.cellText(1, 2), "<Total for project>");  // the total row moves too
    EXPECT_EQ(g.cellText(1, 3), "Write");
    EXPECT_EQ(g.cellColor(1, 3), clYellow);
    EXPECT_EQ(g.cellColor(1, 1), clNone);
    // The found cell still names the old place.
    EXPECT_EQ(find.foundRow(), 1);

    sortRows(g, TaskNo, test::usLocale());
    EXPECT_EQ(g.cellText(1, 1), "Write");
    EXPECT_EQ(g.cellText(3, 0), "Start Date");
}

}  // namespace
}  // namespace quillet
