#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cmath>
#include <filesystem>

#include "formats/AtomicFileWriter.h"
#include "formats/SheetExport.h"
#include "formats/WorkbookModule.h"
#include "formats/XlsxWriter.h"
#include "grid/CellGrid.h"
#include "ports/DateTime.h"
#include "support/ErrorOf.h"
#include "support/PythonReader.h"
#include "support/TableSheet.h"
#include "support/TempDir.h"

namespace quillet::test {
namespace {

TEST(ExportNames, ExtensionTypedWinsOverFilter) {
    const struct {
        const char* typed;
        ExportFormat filter;
        const char* path;
        std::optional<ExportFormat> format;
    } cases[] = {
        {"/d/work.xlsx", ExportFormat::Csv, "/d/work.xlsx", ExportFormat::Xlsx},
        {"/d/work.ODS", ExportFormat::Xlsx, "/d/work.ODS", ExportFormat::Ods},
        {"/d/work.Csv", ExportFormat::Ods, "/d/work.Csv", ExportFormat::Csv},
        {"/d/work", ExportFormat::Ods, "/d/work.ods", ExportFormat::Ods},
        {"/d/work.prj", ExportFormat::Csv, "/d/work.prj.csv", ExportFormat::Csv},
        {"/d/v1.2/work", ExportFormat::Xlsx, "/d/v1.2/work.xlsx", ExportFormat::Xlsx},
        {"/d/.xlsx.d/x", ExportFormat::Csv, "/d/.xlsx.d/x.csv", ExportFormat::Csv},
    };
    for (const auto& c : cases) {
        const std::string path = withExportExtension(c.typed, c.filter);
        EXPECT_EQ(path, c.path) << c.typed;
        EXPECT_EQ(exportFormatOf(path), c.format) << c.typed;
    }
    EXPECT_EQ(exportFormatOf("/d/work.txt"), std::nullopt);
    EXPECT_EQ(exportFormatOf("/d/xlsx"), std::nullopt);
}

TEST(ExportNames, LocaleDecidesSeparatorAndDateFormat) {
    const struct {
        const char* pattern;
        const char* decimal;
        char separator;
        const char* workbookFormat;
    } cases[] = {
        {"M/d/yyyy", ".", ',', "m\\/d\\/yyyy"},
        {"dd.MM.yy", ",", ';', "dd\\.mm\\.yyyy"},
        {"yyyy-MM-dd", ".", ',', "yyyy\\-mm\\-dd"},
        {"yyyy. MM. dd.", ",", ';', "yyyy\\. mm\\. dd\\."},
        {"d 'de' MMMM", ",", ';', "d \\d\\e mm"},
    };
    for (const auto& c : cases) {
        Locale locale;
        locale.shortDatePattern = c.pattern;
        locale.decimalSeparator = c.decimal;
        const ExportSettings settings = exportSettingsFor(locale);
        EXPECT_EQ(settings.csvSeparator, c.separator) << c.pattern;
        EXPECT_EQ(workbookDateFormat(settings.datePattern), c.workbookFormat) << c.pattern;
    }
}

TEST(ExportNames, SheetNamesAWorkbookTakes) {
    EXPECT_EQ(workbookSheetName("work"), "work");
    EXPECT_EQ(workbookSheetName("a[b]:c*d?e/f\\g"), "a_b__c_d_e_f_g");
    EXPECT_EQ(workbookSheetName("'quoted'"), "quoted");
    EXPECT_EQ(workbookSheetName(""), "Sheet1");
    // 31 characters, not bytes: a name of accented letters is not cut inside one.
    EXPECT_EQ(workbookSheetName(std::string(40, 'x')), std::string(31, 'x'));
    std::string accents;
    for (int i = 0; i < 40; ++i) accents += "\xC3\xA9";
    EXPECT_EQ(workbookSheetName(accents), accents.substr(0, 62));
}

// Beside the program (the build), then in the library folder of an installed program.
TEST(ExportNames, WorkbookModulePlaces) {
    const std::vector<std::string> places = workbookModuleCandidates("/opt/q/bin/quillet");
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0], "/opt/q/bin/quillet-workbooks.so");
    EXPECT_TRUE(places[1].starts_with("/opt/q/lib")) << places[1];
    EXPECT_TRUE(places[1].ends_with("/quillet/quillet-workbooks.so")) << places[1];
    EXPECT_EQ(places[1].find(".."), std::string::npos) << places[1];
    EXPECT_TRUE(workbookModuleCandidates("").empty());
}

// A small sheet of every kind of cell the writers meet.
TableSheet sampleSheet() {
    TableSheet sheet("Caf\xC3\xA9 work");
    sheet.setColumnWidths({5, 20, 10});
    sheet.addRow({TableSheet::textCell("Task #"), TableSheet::textCell("Notes"),
                  TableSheet::textCell("When")});
    sheet.addRow({TableSheet::numberCell("7", 7), TableSheet::textCell("two\r\nlines, \"quoted\""),
                  TableSheet::dateCell("12/7/2026", encodeDate(2026, 12, 7))});
    sheet.addRow({TableSheet::textCell("007"), TableSheet::textCell("na\xEFve"),  // Windows-1252
                  TableSheet::numberCell("12.5", 12.5, 2)});
    sheet.addRow({TableSheet::textCell(""), TableSheet::textCell("  two  blanks\tand tab"),
                  TableSheet::textCell("")});
    sheet.addRow(
        {TableSheet::numberCell("1e400", HUGE_VAL, 2), {}, TableSheet::dateCell("?", NAN)});
    return sheet;
}

TEST(CsvExport, WritesRfc4180WithByteOrderMark) {
    TempDir dir;
    const std::string path = dir.file("out.csv");
    exportSheet(sampleSheet(), path, ExportFormat::Csv, {});
    EXPECT_EQ(readBytes(path),
              "\xEF\xBB\xBFTask #,Notes,When\r\n"
              "7,\"two\r\nlines, \"\"quoted\"\"\",12/7/2026\r\n"
              "007,na\xC3\xAFve,12.5\r\n"
              ",  two  blanks\tand tab,\r\n1e400,,?\r\n");
    EXPECT_EQ(runPythonReader(dir, csvReader(','), path),
              "Task #\tNotes\tWhen\n7\ttwo|lines, \"quoted\"\t12/7/2026\n"
              "007\tna\xC3\xAFve\t12.5\n\t  two  blanks\tand tab\t\n1e400\t\t?\n");
}

TEST(CsvExport, SemicolonQuotesSemicolonsNotCommas) {
    TempDir dir;
    TableSheet sheet("s");
    sheet.addRow({TableSheet::textCell("1,5"), TableSheet::textCell("a;b")});
    const std::string path = dir.file("out.csv");
    exportSheet(sheet, path, ExportFormat::Csv, {"d.M.yyyy", ';'});
    EXPECT_EQ(readBytes(path),
              "\xEF\xBB\xBF"
              "1,5;\"a;b\"\r\n");
    EXPECT_EQ(runPythonReader(dir, csvReader(';'), path), "1,5\ta;b\n");
}

TEST(XlsxExport, TypedCellsReadBackWithOpenpyxl) {
    TempDir dir;
    const std::string path = dir.file("out.xlsx");
    exportSheet(sampleSheet(), path, ExportFormat::Xlsx, {"d.M.yyyy", ','});
    EXPECT_EQ(runPythonReader(dir, kXlsxReader, path),
              "sheet Caf\xC3\xA9 work frozen A2 bold True widthB 21\n"
              "text:Task #\ttext:Notes\ttext:When\n"
              "num:7:General\ttext:two|lines, \"quoted\"\tdate:2026-12-07:d\\.m\\.yyyy\n"
              "text:007\ttext:na\xC3\xAFve\tnum:12.5:0.00\n"
              "-\ttext:  two  blanks\tand tab\t-\n"
              "text:1e400\t-\ttext:?\n");
}

TEST(OdsExport, TypedCellsReadBackWithOdfpy) {
    TempDir dir;
    const std::string path = dir.file("out.ods");
    exportSheet(sampleSheet(), path, ExportFormat::Ods, {"M/d/yyyy", ','});
    EXPECT_EQ(runPythonReader(dir, kOdsReader, path),
              "first mimetype stored True\n"
              "sheet Caf\xC3\xA9 work\n"
              "text:Task #\ttext:Notes\ttext:When\n"
              "num:7:7\ttext:two|lines, \"quoted\"\tdate:2026-12-07\n"
              "text:007\ttext:na\xC3\xAFve\tnum:12.5:12.5\n"
              "-\ttext:  two  blanks\tand tab\t-\n"
              "text:1e400\t-\ttext:?\n");
}

TEST(ExportFailures, UnwritableFolderLeavesTheOldFile) {
    TempDir dir;
    const std::filesystem::path folder = dir.path() / "locked";
    std::filesystem::create_directory(folder);
    int oldFiles = 0;  // one more each round, and nothing else
    for (const ExportFormat format : {ExportFormat::Xlsx, ExportFormat::Ods, ExportFormat::Csv}) {
        const std::string path = (folder / ("old" + std::string(exportExtension(format)))).string();
        writeBytes(path, "old bytes");
        std::filesystem::permissions(
            folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        if (::access(folder.c_str(), W_OK) == 0) GTEST_SKIP() << "running as root";
        EXPECT_EQ(errorOf([&] { exportSheet(sampleSheet(), path, format, {}); }),
                  "Cannot create " + path + ": Permission denied");
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        EXPECT_EQ(readBytes(path), "old bytes");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                                std::filesystem::directory_iterator()),
                  ++oldFiles);
    }
}

// A disk that fills half-way through the CSV: the old file stays, no temporary file is left.
TEST(ExportFailures, WriteErrorLeavesTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("old.csv");
    writeBytes(path, "old bytes");
    TableSheet big("big");
    for (int r = 0; r < 20000; ++r) big.addRow({TableSheet::textCell("a fairly long cell text")});
    const AtomicFileWriter::ScopedWriteHook full([](int, const void*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    });
    EXPECT_NE(errorOf([&] { exportSheet(big, path, ExportFormat::Csv, {}); }), "(no error)");
    EXPECT_EQ(readBytes(path), "old bytes");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ExportFailures, WorkbookLimitsAreNamed) {
    TempDir dir;
    TableSheet sheet("s");
    sheet.addRow({TableSheet::textCell("ok"), TableSheet::textCell(std::string(32768, 'x'))});
    const std::string path = dir.file("long.xlsx");
    EXPECT_EQ(errorOf([&] { exportSheet(sheet, path, ExportFormat::Xlsx, {}); }),
              "Cannot export " + path +
                  ": the text in cell B1 is longer than the 32,767 characters a workbook cell "
                  "holds.");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(ExportFailures, RefusalsSayWhy) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo.xlsx").c_str(), 0600), 0);
    for (const auto& [name, reason] : {std::pair{"fifo.xlsx", "not a regular file"},
                                       {"none/out.csv", "No such file or directory"}}) {
        const std::string path = dir.file(name);
        EXPECT_EQ(errorOf([&] { exportSheet(sampleSheet(), path, *exportFormatOf(path), {}); }),
                  "Cannot create " + path + ": " + reason);
    }
}

// Refused before anything is written: a reader of either format drops the rows past it.
TEST(ExportFailures, WorkbookRowLimitInBothFormats) {
    struct TallSheet : TableSheet {
        TallSheet() : TableSheet("tall", false) {}
        int rowCount() const override { return 1048577; }
        SheetCell cell(int, int) const override { return {}; }
    };
    TempDir dir;
    for (const char* name : {"tall.xlsx", "tall.ods"}) {
        const std::string path = dir.file(name);
        EXPECT_EQ(errorOf([&] { exportSheet(TallSheet(), path, *exportFormatOf(path), {}); }),
                  "Cannot export " + path + ": a workbook sheet holds at most 1,048,576 rows.");
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

// The same cells come out as the same kind in both workbook formats, the same text in all three.
TEST(ExportFidelity, AllFormatsFollowOneRule) {
    TableSheet sheet("s", false);
    sheet.addRow({TableSheet::numberCell("12345678901234567", 12345678901234567.0),
                  TableSheet::numberCell("007", 7),
                  TableSheet::dateCell("1/1/1", encodeDate(1, 1, 1)),
                  TableSheet::textCell("a\x01z")});
    TempDir dir;
    exportSheet(sheet, dir.file("s.csv"), ExportFormat::Csv, {});
    EXPECT_EQ(readBytes(dir.file("s.csv")),
              "\xEF\xBB\xBF"
              "12345678901234567,007,1/1/1,a\xEF\xBF\xBDz\r\n");
    const char* row = "text:12345678901234567\ttext:007\ttext:1/1/1\ttext:a\xEF\xBF\xBDz\n";
    exportSheet(sheet, dir.file("s.xlsx"), ExportFormat::Xlsx, {});
    EXPECT_EQ(runPythonReader(dir, kXlsxReader, dir.file("s.xlsx")),
              std::string("sheet s frozen None bold False widthB 11\n") + row);
    exportSheet(sheet, dir.file("s.ods"), ExportFormat::Ods, {});
    EXPECT_EQ(runPythonReader(dir, kOdsReader, dir.file("s.ods")),
              std::string("first mimetype stored True\nsheet s\n") + row);
}

// A killed export's temporary file goes with the next export into its folder; nothing else does.
TEST(ExportLeftovers, RemovedWhenClearlyAKilledExports) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string dead = std::to_string(child);
    const std::tuple<std::string, bool, bool> cases[] = {
        // name, old, removed
        {".a.xlsx.saving-" + dead + "-0", true, true},
        {".b.ODS.saving-" + dead + "-3", true, true},
        {".c.csv.saving-" + dead + "-0", false, false},  // may be another machine's, writing
        {".d.prj.saving-" + dead + "-0", true, false},   // a project's save
        {".e.csv.saving-" + std::to_string(::getppid()) + "-0", true, false}};  // its writer runs
    TempDir dir;
    const auto hourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& [name, old, removed] : cases) {
        writeBytes(dir.file(name), "partial");
        if (old) std::filesystem::last_write_time(dir.file(name), hourAgo);
    }
    exportSheet(sampleSheet(), dir.file("out.csv"), ExportFormat::Csv, {});
    for (const auto& [name, old, removed] : cases)
        EXPECT_NE(std::filesystem::exists(dir.file(name)), removed) << name;
}

}  // namespace
}  // namespace quillet::test
