#include <gtest/gtest.h>

#include <string>

#include "app/AppHarness.h"
#include "app/MainController.h"
#include "support/CountingListener.h"

namespace quillet {
namespace {

using test::AppHarness;
using Names = MainController::ColumnNames;

const Names kDefaults = {"Task #", "Task Description", "Hours", "Start Date",
                         "Cost",   "Misc. Notes"};

TEST(ColumnNames, OkWritesTheBoxesExactlyAndNeverTouchesEndDate) {
    AppHarness h;
    MainController& app = h.start();
    EXPECT_EQ(app.columnNames(), kDefaults);

    const Names typed = {"", "  Work done ", "Hrs", "Begun", "Cost", "Notes\twith tab"};
    app.renameColumns(typed);
    EXPECT_EQ(app.columnNames(), typed);
    EXPECT_EQ(app.grid().cellText(EndDate, 0), "End Date");
    EXPECT_EQ(app.grid().colCount(), DefaultColumnCount);
    EXPECT_EQ(app.grid().cellText(TaskNo, 1), "1");  // task rows untouched
}

// The window fills from the grid each time it opens: what a cancelled edit left is gone,
// and another project brings its own headings.
TEST(ColumnNames, FillFollowsTheOpenProject) {
    AppHarness h;
    MainController& app = h.start();
    CellGrid other(DefaultColumnCount, 2, 1);
    for (int col = 0; col < DefaultColumnCount; ++col)
        other.setCellText(col, 0, kDefaultHeadings[col]);
    other.setCellText(Description, 0, "Client");
    const std::string path = h.dir.file("other.prj");
    saveCellsToFile(other, path);

    h.prompts.yesNoAnswers = {false, false};
    app.renameColumns({"A", "B", "C", "D", "E", "F"});
    h.prompts.openPaths = {path};
    app.openProject();
    Names expected = kDefaults;
    expected[Description] = "Client";
    EXPECT_EQ(app.columnNames(), expected);

    app.renameColumns({"A", "B", "C", "D", "E", "F"});
    app.newProject();
    EXPECT_EQ(app.columnNames(), kDefaults);
}

TEST(ColumnNames, HeadingWithDateDecidesTheDateNormalisation) {
    const struct {
        int col;
        const char* heading;
        const char* expected;  // after typing 12/7/2026 into task row 1
    } cases[] = {
        {Hours, "Due date", "12/07/2026"},      // gains "date"
        {Cost, "Date paid", "12/07/2026"},      // gains "Date"
        {StartDate, "Started", "12/7/2026"},    // loses it
        {Notes, "DATE NOTES", "12/7/2026"},     // capitals do not count
        {Description, "Update", "12/07/2026"},  // inside a word counts
    };
    for (const auto& c : cases) {
        AppHarness h;
        MainController& app = h.start();
        Names names = app.columnNames();
        names[static_cast<size_t>(c.col)] = c.heading;
        app.renameColumns(names);
        app.editCell(c.col, 1, "12/7/2026");
        EXPECT_EQ(app.grid().cellText(c.col, 1), c.expected) << c.heading;
    }
}

// Renaming changes what a saved project holds, so it makes the project unsaved; an OK that
// changes nothing leaves the flag as it was.
TEST(ColumnNames, OkMarksTheProjectUnsavedOnlyWhenAHeadingChanged) {
    AppHarness h;
    MainController& app = h.start();
    h.prompts.savePaths = {h.dir.file("p.prj")};
    app.saveProjectAs();
    ASSERT_TRUE(h.project().isSaved());

    test::CountingListener listener;
    app.grid().addListener(&listener);
    app.renameColumns(kDefaults);
    EXPECT_TRUE(h.project().isSaved());
    EXPECT_EQ(listener.content, 0);

    Names names = kDefaults;
    names[Notes] = "Misc. Notes ";  // a trailing space is a change
    app.renameColumns(names);
    EXPECT_FALSE(h.project().isSaved());
    EXPECT_EQ(listener.content, 1);
    app.grid().removeListener(&listener);

    // Saved with the new heading, it comes back with the project.
    app.saveProject();
    EXPECT_TRUE(h.project().isSaved());
    h.prompts.openPaths = {h.dir.file("p.prj")};
    app.newProject();
    app.openProject();
    EXPECT_EQ(app.grid().cellText(Notes, 0), "Misc. Notes ");
}

}  // namespace
}  // namespace quillet
