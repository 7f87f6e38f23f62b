#include <gtest/gtest.h>

#include <filesystem>

#include "app/AppHarness.h"
#include "app/ProjectExport.h"
#include "formats/SheetExport.h"
#include "support/ErrorOf.h"
#include "support/PythonReader.h"

namespace quillet::test {
namespace {

using Strings = std::vector<std::string>;

TEST(ExportCommand, WritesTheTableAndLeavesTheProjectAlone) {
    AppHarness h;
    MainController& app = h.start();
    const std::string project = h.dir.file("work.prj");
    h.prompts.savePaths = {project};
    app.saveProjectAs();
    app.editCell(TaskNo, 1, "007");
    app.editCell(Description, 1, "R\xC3\xA9sum\xC3\xA9\r\nsecond line");
    app.editCell(Cost, 1, "12.5");
    const std::string title = h.project().title();
    const auto reopen = h.shownReopenItems();
    ASSERT_EQ(h.project().savedFlag(), "");

    // Typed without an extension under the ODS filter; then a typed .xlsx under the CSV one.
    h.prompts.savePaths = {h.dir.file("out"), h.dir.file("out2.xlsx")};
    h.prompts.exportFilter = ExportFormat::Ods;
    app.exportProject();
    h.prompts.exportFilter = ExportFormat::Csv;
    app.exportProject();
    EXPECT_EQ(h.prompts.exportNames, (Strings{"work.xlsx", "work.xlsx"}));
    EXPECT_EQ(h.prompts.dialogFolders.back(), h.dir.path().string());
    EXPECT_TRUE(std::filesystem::exists(h.dir.file("out.ods")));
    EXPECT_FALSE(std::filesystem::exists(h.dir.file("out")));
    EXPECT_EQ(app.statusMessage(), "Exported to " + h.dir.file("out2.xlsx"));

    const std::string cells = runPythonReader(h.dir, kXlsxReader, h.dir.file("out2.xlsx"));
    EXPECT_NE(cells.find("sheet work frozen A2 bold True"), std::string::npos) << cells;
    EXPECT_NE(cells.find("text:007\ttext:R\xC3\xA9sum\xC3\xA9|second line\t-\t"), std::string::npos)
        << cells;
    EXPECT_NE(cells.find("num:12.5:0.00"), std::string::npos) << cells;

    EXPECT_EQ(h.project().title(), title);
    EXPECT_EQ(h.project().fileName(), project);
    EXPECT_EQ(h.project().savedFlag(), "");
    EXPECT_EQ(h.shownReopenItems(), reopen);
}

TEST(ExportCommand, CancelAndFailureWriteNothing) {
    AppHarness h;
    MainController& app = h.start();
    h.prompts.savePaths = {std::nullopt};
    app.exportProject();
    EXPECT_EQ(h.prompts.exportNames, Strings{"Untitled Project.xlsx"});
    const std::string nowhere = h.dir.file("missing/out.csv");
    h.prompts.savePaths = {nowhere};
    EXPECT_EQ(errorOf([&] { app.exportProject(); }),
              "Cannot create " + nowhere + ": No such file or directory");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(h.dir.path()),
                            std::filesystem::directory_iterator()),
              0);
}

TEST(ExportCommand, CommaLocaleWritesSemicolonsAndItsDates) {
    AppHarness h;
    MainController& app = h.start();
    (void)app;
    Locale comma = usLocale();
    comma.shortDatePattern = "dd.MM.yyyy";
    comma.dateSeparator = ".";
    comma.decimalSeparator = ",";
    CellGrid grid(DefaultColumnCount, 2, 1);
    grid.setCellText(Hours, 0, "Hours");
    grid.setCellText(Hours, 1, "2,5");
    grid.setCellText(StartDate, 1, "07.12.2026");
    const std::string csv = h.dir.file("c.csv");
    exportTable(grid, "", csv, ExportFormat::Csv, comma);
    EXPECT_EQ(readBytes(csv), "\xEF\xBB\xBF;;Hours;;;;\r\n;;2,5;07.12.2026;;;\r\n");
    const std::string ods = h.dir.file("c.ods");
    exportTable(grid, "", ods, ExportFormat::Ods, comma);
    const std::string cells = runPythonReader(h.dir, kOdsReader, ods);
    EXPECT_NE(cells.find("sheet Untitled Project\n"), std::string::npos) << cells;
    EXPECT_NE(cells.find("num:2.5:2,5\tdate:2026-12-07"), std::string::npos) << cells;
}

// The summary's rows as typed cells: the first day a date, counts and sums numbers.
TEST(ExportCommand, TheSummaryAsAWorkbook) {
    AppHarness h;
    MainController& app = h.start();
    app.editCell(Hours, 1, "2.5");
    app.editCell(StartDate, 1, "11/2/2026");
    app.editCell(Cost, 1, "100");
    const Summary summary = summarize(h.grid(), {}, app.locale());
    h.prompts.savePaths = {h.dir.file("s.xlsx")};
    app.exportSummary(summary);
    const std::string cells = runPythonReader(h.dir, kXlsxReader, h.dir.file("s.xlsx"));
    EXPECT_NE(cells.find("text:Period\ttext:First day\ttext:Tasks\ttext:Hours\ttext:Cost\n"
                         "text:November 2026\tdate:2026-11-01:"),
              std::string::npos)
        << cells;
    EXPECT_NE(cells.find("\tnum:1:0\tnum:2.5:0.00\tnum:100:0.00\ntext:Total\t-\tnum:1:0"),
              std::string::npos)
        << cells;
}

TEST(ExportFromFile, ReadsTheProjectOrSaysWhy) {
    TempDir dir;
    const std::string project = dir.file("p.prj");
    writeProjectFile(project, "line one\r\nline two", "3");
    const std::string out = dir.file("p.csv");
    exportProjectFile(project, out, usLocale());
    EXPECT_EQ(readBytes(out),
              "\xEF\xBB\xBFTask #,Task Description,Hours,Start Date,Cost,Misc. Notes,End Date\r\n"
              "1,\"line one\r\nline two\",,,3,,\r\n");
    EXPECT_EQ(
        errorOf([&] { exportProjectFile(project, dir.file("p.txt"), usLocale()); }),
        "Cannot export to " + dir.file("p.txt") + ": the name must end in .xlsx, .ods or .csv");
    EXPECT_EQ(errorOf([&] { exportProjectFile(dir.file("none.prj"), out, usLocale()); }),
              "Cannot open file " + dir.file("none.prj"));
}

}  // namespace
}  // namespace quillet::test
