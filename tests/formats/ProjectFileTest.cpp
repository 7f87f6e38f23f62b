#include "formats/ProjectFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "support/CountingListener.h"
#include "support/ErrorOf.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "formats/AtomicFileWriter.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

using test::CountingListener;

std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

// Loads the bytes into a fresh 7 x 5 grid with one fixed row.
void loadBytes(CellGrid& grid, const TempDir& dir, const std::string& bytes,
               const ReadOptions& options = {}) {
    const std::string path = dir.file("in.prj");
    writeBytes(path, bytes);
    loadCellsFromFile(grid, path, options);
}

std::vector<std::filesystem::path> filesIn(const TempDir& dir) {
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) files.push_back(e.path());
    return files;
}

TEST(ProjectFile, WorkedExampleIsWrittenByteForByteAndReadsBack) {
    CellGrid grid(7, 3, 1);
    const int widths[] = {42, 120, 64, 64, 64, 120, 64};
    for (int c = 0; c < 7; ++c) grid.setColWidth(c, widths[c]);
    const char* headings[] = {"Task #", "Task Description", "Hours",   "Start Date",
                              "Cost",   "Misc. Notes",      "End Date"};
    for (int c = 0; c < 7; ++c) grid.setCellText(c, 0, headings[c]);
    const char* row1[] = {"1", "Design", "2.5", "12/01/2026", "150", "", ""};
    const char* row2[] = {"2", "Review", "", "12/02/2026", "", "", ""};
    for (int c = 0; c < 7; ++c) {
        grid.setCellText(c, 1, row1[c]);
        grid.setCellText(c, 2, row2[c]);
    }
    grid.setColWidth(2, CellGrid::kDefaultColWidth);

    TempDir dir;
    const std::string path = dir.file("example.prj");
    saveCellsToFile(grid, path);
    const std::string expected =
        "7,3\r\n"
        "cw 0,42\r\ncw 1,120\r\ncw 2,64\r\ncw 3,64\r\ncw 4,64\r\ncw 5,120\r\ncw 6,64\r\n"
        "0,0,Task #\r\n1,0,Task Description\r\n2,0,Hours\r\n3,0,Start Date\r\n4,0,Cost\r\n"
        "5,0,Misc. Notes\r\n6,0,End Date\r\n"
        "0,1,1\r\n1,1,Design\r\n2,1,2.5\r\n3,1,12/01/2026\r\n4,1,150\r\n"
        "0,2,2\r\n1,2,Review\r\n3,2,12/02/2026\r\n";
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_EQ(filesIn(dir).size(), 1u);  // no temporary file left behind

    CellGrid back(7, 2, 1);
    loadCellsFromFile(back, path);
    EXPECT_EQ(back.colCount(), 7);
    EXPECT_EQ(back.rowCount(), 3);
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(back.colWidth(c), widths[c]);
        for (int r = 0; r < 3; ++r) EXPECT_EQ(back.cellText(c, r), grid.cellText(c, r));
    }
    // Saving what was loaded gives the same bytes.
    const std::string again = dir.file("again.prj");
    saveCellsToFile(back, again);
    EXPECT_EQ(readBytes(again), expected);

    // The same file with its CRs stripped on the way (a checkout, an editor) reads the
    // same table, and saves as CR LF again.
    std::string stripped = expected;
    std::erase(stripped, '\r');
    const std::string lfPath = dir.file("stripped.prj");
    writeBytes(lfPath, stripped);
    CellGrid fromLf(7, 2, 1);
    loadCellsFromFile(fromLf, lfPath);
    saveCellsToFile(fromLf, lfPath);
    EXPECT_EQ(readBytes(lfPath), expected);
}

TEST(ProjectFile, EscapingRoundTripsWithSingleAndMultiLineCells) {
    struct Case {
        std::string text, written, singleLine, multiLine;
    };
    const std::vector<Case> cases = {
        {"first\r\nsecond", "first\t\bsecond", "first", "first\r\nsecond"},
        {"a\tb", "a\tb", "a\tb", "a\tb"},
        {"a\tb\r\nc", "a\tb\t\bc", "a", "a\rb\r\nc"},
        {"a\rb", "a\tb", "a\tb", "a\tb"},
        {"x\ny", "x\ny", "x\ny", "x\ny"},
        {"text, more", "text, more", "text, more", "text, more"},
        {"\r\nlead", "\t\blead", "", "\r\nlead"},
        {"a\bb", "a\bb", "a\nb", "a\nb"},  // a BS typed by the user comes back as LF
    };
    TempDir dir;
    const std::string path = dir.file("esc.prj");
    for (const Case& c : cases) {
        EXPECT_EQ(escapeLineBreaks(c.text), c.written);
        EXPECT_EQ(unescapeLineBreaks(c.written, false), c.singleLine);
        EXPECT_EQ(unescapeLineBreaks(c.written, true), c.multiLine);

        CellGrid grid(7, 2, 1);
        grid.setCellText(5, 1, c.text);
        saveCellsToFile(grid, path);
        const std::string bytes = readBytes(path);
        EXPECT_NE(bytes.find("\r\n5,1," + c.written + "\r\n"), std::string::npos)
            << testing::PrintToString(c.text);
        for (const bool multiline : {false, true}) {
            CellGrid back(7, 2, 1);
            loadCellsFromFile(
                back, path,
                ReadOptions{.multilineCells = multiline, .oemConvert = true, .progress = {}});
            EXPECT_EQ(back.cellText(5, 1), multiline ? c.multiLine : c.singleLine)
                << testing::PrintToString(c.text) << " multiline " << multiline;
        }
    }
}

TEST(ProjectFile, MalformedLinesLoadWithoutError) {
    TempDir dir;
    {
        CellGrid g(13, 5, 1);
        loadBytes(g, dir, crlf({"", "12,abc", "0,1,x"}));  // empty header keeps the counts
        EXPECT_EQ(g.colCount(), 13);
        EXPECT_EQ(g.rowCount(), 5);
        EXPECT_EQ(g.cellText(12, 0), "abc");
        EXPECT_EQ(g.cellText(0, 1), "x");
    }
    {
        CellGrid g(7, 5, 1);
        loadBytes(g, dir, crlf({"7,5", "no comma here", "12,abc"}));
        EXPECT_EQ(g.cellText(0, 0), "no comma here");
        EXPECT_EQ(g.cellText(12, 0), "");  // column 12 is outside 7 columns
    }
    {
        CellGrid g(7, 5, 1);
        g.setColWidth(0, 50);
        g.setColWidth(3, 77);
        loadBytes(g, dir, crlf({"7,5", "cw 9,80", "cw -1,80", "cw 2", "cw 1,$20", "cw,90"}));
        EXPECT_EQ(g.colWidth(0), 90);  // "cw,90": empty index, width after the comma
        EXPECT_EQ(g.colWidth(1), 32);
        EXPECT_EQ(g.colWidth(3), 77);  // no width line: kept
        loadBytes(g, dir, crlf({"7,5", "cw 2"}));
        EXPECT_EQ(g.colWidth(0), 0);
        EXPECT_EQ(g.colWidth(2), CellGrid::kDefaultColWidth);
    }
    {
        CellGrid g(7, 5, 1);
        loadBytes(g, dir, crlf({"3,0"}));
        EXPECT_EQ(g.colCount(), 3);
        EXPECT_EQ(g.rowCount(), 1);
        EXPECT_EQ(g.fixedRows(), 0);
        loadBytes(g, dir, crlf({"9"}));  // no comma: columns from nothing, rows from the line
        EXPECT_EQ(g.colCount(), 1);
        EXPECT_EQ(g.rowCount(), 9);
        loadBytes(g, dir, crlf({"abc,def"}));
        EXPECT_EQ(g.colCount(), 1);
        EXPECT_EQ(g.rowCount(), 1);
        loadBytes(g, dir, crlf({"-4,-4"}));
        EXPECT_EQ(g.colCount(), 1);
        EXPECT_EQ(g.rowCount(), 1);
    }
    {
        CellGrid g(7, 5, 1);
        g.setCellText(1, 1, "kept");
        loadBytes(g, dir, "");
        EXPECT_EQ(g.colCount(), 7);
        EXPECT_EQ(g.rowCount(), 5);
        EXPECT_EQ(g.cellText(1, 1), "kept");
    }
    {
        CellGrid g(7, 5, 1);
        loadBytes(g, dir, crlf({"7,5", "0,1,before", "1,1,cut\x1Ahere", "2,1,lost"}));
        EXPECT_EQ(g.cellText(0, 1), "before");
        EXPECT_EQ(g.cellText(1, 1), "cut");
        EXPECT_EQ(g.cellText(2, 1), "");
    }
    {
        CellGrid g(7, 5, 1);
        // Without any CR, LF ends the lines; with one, a bare LF stays inside its line.
        loadBytes(g, dir, "4,6\ncw 0,10\n0,1,x\n");
        EXPECT_EQ(g.colCount(), 4);
        EXPECT_EQ(g.rowCount(), 6);
        EXPECT_EQ(g.colWidth(0), 10);
        EXPECT_EQ(g.cellText(0, 1), "x");
        loadBytes(g, dir, "4,6\r\n0,2,a\nb\r\n0,3,y\ncw 0,20\r\n");
        EXPECT_EQ(g.cellText(0, 2), "a\nb");
        EXPECT_EQ(g.cellText(0, 3), "y\ncw 0,20");
        EXPECT_EQ(g.colWidth(0), 10);
    }
    {
        CellGrid g(7, 5, 1);
        loadBytes(g, dir, crlf({"7,5", "-1,2,x", "0,-1,x", "0,5,x", "7,1,x", "-0,1,y"}));
        for (int c = 0; c < 8; ++c)
            for (int r = -1; r < 6; ++r) {
                if (c == 0 && r == 1) continue;
                EXPECT_EQ(g.cellText(c, r), "") << c << "," << r;
            }
        EXPECT_EQ(g.cellText(0, 1), "y");
    }
    {
        CellGrid g(7, 5, 1);
        g.setCellText(0, 0, "heading");
        loadBytes(g, dir, crlf({"7,5", ",,,,,,,", ",", "", "2,3,,,,"}));
        // An empty line is cell (0, 0) with empty text.
        EXPECT_EQ(g.cellText(0, 0), "");
        EXPECT_EQ(g.cellText(2, 3), ",,,");
        loadBytes(g, dir, crlf({"7,5", ",,,,,,,"}));
        EXPECT_EQ(g.cellText(0, 0), ",,,,,");
    }
}

TEST(ProjectFile, NulBytesAndHugeCellsRoundTrip) {
    TempDir dir;
    const std::string path = dir.file("big.prj");
    CellGrid grid(7, 3, 1);
    const std::string withNul("a\0b\0\0c", 6);
    std::string huge(10 * 1024 * 1024, 'x');
    for (std::size_t i = 0; i < huge.size(); i += 997) huge[i] = static_cast<char>('a' + i % 26);
    grid.setCellText(1, 1, withNul);
    grid.setCellText(2, 2, huge);
    grid.setCellText(3, 2, "after");
    saveCellsToFile(grid, path);

    CellGrid back(7, 2, 1);
    loadCellsFromFile(back, path);
    EXPECT_EQ(back.cellText(1, 1), withNul);
    EXPECT_TRUE(back.cellText(2, 2) == huge);
    EXPECT_EQ(back.cellText(3, 2), "after");

    // NUL bytes where numbers belong read as a stray byte.
    CellGrid g(7, 5, 1);
    loadBytes(g, dir, crlf({std::string("7\0,5", 4), std::string("1\0,2,z", 6)}));
    EXPECT_EQ(g.colCount(), 7);
    EXPECT_EQ(g.rowCount(), 5);
    EXPECT_EQ(g.cellText(1, 2), "z");
}

TEST(ProjectFile, LoadNotifiesOnceAndKeepsWhatTheFileDoesNotMention) {
    TempDir dir;
    CellGrid g(7, 5, 1);
    g.setCellText(6, 4, "stays");
    CountingListener listener;
    g.addListener(&listener);
    loadBytes(g, dir, crlf({"7,5", "cw 1,99", "cw 2,98", "cw 1,97", "0,1,a", "1,1,b", "2,2,c"}));
    EXPECT_EQ(listener.layouts, 1);
    EXPECT_EQ(listener.cells, 0);
    EXPECT_EQ(listener.widths, 1);
    EXPECT_EQ(g.colWidth(1), 97);
    EXPECT_EQ(g.cellText(6, 4), "stays");
    EXPECT_EQ(g.cellText(2, 2), "c");
}

TEST(ProjectFile, ForeignFilesAreThoseWhoseFirstLineIsNoHeader) {
    TempDir dir;
    const struct {
        std::string bytes;
        bool foreign;
    } cases[] = {
        {"7,3\r\ncw 0,42\r\n", false},
        {"12,1\n", false},
        {"", false},
        {"Task #,Hours\r\n1,2\r\n", true},
        {"7,3", true},
        {"7,3x\r\n", true},
        {"1,2,3\r\n", true},
        {"PK\x03\x04", true},
        {",3\r\n", true},
    };
    for (const auto& c : cases) {
        const std::string path = dir.file("target");
        writeBytes(path, c.bytes);
        EXPECT_EQ(isForeignFile(path), c.foreign) << testing::PrintToString(c.bytes);
    }
    EXPECT_FALSE(isForeignFile(dir.file("missing.prj")));
    EXPECT_FALSE(isForeignFile(dir.path()));
}

TEST(ProjectFile, MissingFileAndUncreatableFileGiveTheirMessages) {
    TempDir dir;
    CellGrid g(7, 5, 1);
    g.setCellText(0, 1, "kept");
    const std::string missing = dir.file("missing.prj");
    EXPECT_EQ(test::errorOf<CellGridError>([&] { loadCellsFromFile(g, missing); }),
              "Cannot open file " + missing);
    EXPECT_EQ(g.cellText(0, 1), "kept");
    EXPECT_EQ(g.rowCount(), 5);
    // A pipe would block the reader and a device never end: both are refused at once.
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& special : {fifo, std::string("/dev/zero")}) {
        EXPECT_EQ(test::errorOf<CellGridError>([&] { loadCellsFromFile(g, special); }),
                  "Cannot open file " + special + ": not a regular file");
    }
    EXPECT_EQ(g.cellText(0, 1), "kept");

    const std::string noDir = dir.file("no/such/dir/x.prj");
    EXPECT_EQ(test::errorOf<CellGridError>([&] { saveCellsToFile(g, noDir); }),
              "Cannot Create " + noDir);
    EXPECT_EQ(test::errorOf<CellGridError>([&] { saveCellsToFile(g, dir.path().string()); }),
              "Cannot Create " + dir.path().string());

    if (::geteuid() != 0) {  // root may write anywhere
        const std::string readOnly = dir.file("ro.prj");
        writeBytes(readOnly, "old");
        ::chmod(readOnly.c_str(), 0444);
        EXPECT_EQ(test::errorOf<CellGridError>([&] { saveCellsToFile(g, readOnly); }),
                  "Cannot Create " + readOnly);
        EXPECT_EQ(readBytes(readOnly), "old");
    }
}

TEST(ProjectFile, FailedWriteLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string path = dir.file("project.prj");
    const std::string oldBytes = crlf({"7,2", "0,1,old project"});
    writeBytes(path, oldBytes);
    ::chmod(path.c_str(), 0640);

    CellGrid grid(7, 20000, 1);
    for (int r = 0; r < 20000; ++r)
        grid.setCellText(1, r, "a task description " + std::to_string(r));
    std::size_t written = 0;
    {
        // The disk fills up half-way, after the first buffer went out.
        AtomicFileWriter::ScopedWriteHook hook([&](int fd, const void* data, std::size_t size) {
            if (written + size > 300'000) {
                errno = ENOSPC;
                return ssize_t{-1};
            }
            written += size;
            return ::write(fd, data, size);
        });
        EXPECT_EQ(test::errorOf<CellGridError>([&] { saveCellsToFile(grid, path); }),
                  "Cannot write file " + path + ": No space left on device");
    }
    EXPECT_GT(written, 0u);
    EXPECT_EQ(readBytes(path), oldBytes);
    EXPECT_EQ(filesIn(dir).size(), 1u);  // the temporary file is gone

    // Short writes are continued, not taken for the end.
    {
        AtomicFileWriter::ScopedWriteHook hook([](int fd, const void* data, std::size_t size) {
            return ::write(fd, data, std::min<std::size_t>(size, 7));
        });
        saveCellsToFile(grid, path);
    }
    EXPECT_GT(readBytes(path).size(), 300'000u);  // so the failure above came half-way
    CellGrid back(1, 1, 0);
    loadCellsFromFile(back, path);
    EXPECT_EQ(back.rowCount(), 20000);
    EXPECT_EQ(back.cellText(1, 19999), "a task description 19999");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // the replacement keeps the permissions
    EXPECT_EQ(filesIn(dir).size(), 1u);
}

TEST(ProjectFile, SavingThroughASymbolicLinkReplacesItsTarget) {
    TempDir dir;
    const std::string real = dir.file("real.prj");
    const std::string link = dir.file("link.prj");
    writeBytes(real, "old");
    std::filesystem::create_symlink(real, link);
    CellGrid grid(1, 1, 0);
    saveCellsToFile(grid, link);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(real), crlf({"1,1", "cw 0,64"}));
}

TEST(ProjectFile, AbsurdHeaderIsRefusedBeforeTheGridChanges) {
    TempDir dir;
    CellGrid g(7, 5, 1);
    g.setCellText(0, 1, "kept");
    CountingListener listener;
    g.addListener(&listener);
    const std::string path = dir.file("absurd.prj");
    // Too many columns, too many rows, or too many cells (100,000 x 10,000,000 is a
    // 17-byte file after which Save and Copy All would never finish).
    for (const std::string header :
         {"7,10000001", "100001,5", "7,99999999999999999999999", "$FFFFFFFFFFFF,2",
          "100000,10000000", "7,7142858", "100000,501"}) {
        writeBytes(path, crlf({header, "0,1,changed", "cw 0,1"}));
        const std::string message =
            test::errorOf<CellGridError>([&] { loadCellsFromFile(g, path); });
        EXPECT_EQ(message.rfind("Cannot open file " + path + ": it asks for a grid of ", 0), 0u)
            << message;
        EXPECT_EQ(g.colCount(), 7);
        EXPECT_EQ(g.rowCount(), 5);
        EXPECT_EQ(g.cellText(0, 1), "kept");
        EXPECT_EQ(g.colWidth(0), CellGrid::kDefaultColWidth);
    }
    EXPECT_EQ(listener.layouts + listener.cells + listener.widths, 0);
    // The messages, word for word.
    const auto refusal = [&](const std::string& header) {
        writeBytes(path, crlf({header}));
        return test::errorOf<CellGridError>([&] { loadCellsFromFile(g, path); });
    };
    EXPECT_EQ(refusal("7,7142858"), "Cannot open file " + path +
                                        ": it asks for a grid of 7 columns and 7142858 rows, "
                                        "more than the 50000000 cells a project can have");
    EXPECT_EQ(refusal("100001,5"),
              "Cannot open file " + path +
                  ": it asks for a grid of 100001 columns and 5 rows, more than the 100000 "
                  "columns and 10000000 rows a project can have");

    // Right at the limits.
    for (const auto& [header, cols, rows] :
         {std::tuple{"100000,500", 100000, 500}, std::tuple{"7,7142857", 7, 7142857},
          std::tuple{"5,10000000", 5, 10000000}}) {
        writeBytes(path, crlf({header, "4,1,corner"}));
        CellGrid big(7, 5, 1);
        loadCellsFromFile(big, path);
        EXPECT_EQ(big.colCount(), cols);
        EXPECT_EQ(big.rowCount(), rows);
        EXPECT_EQ(big.cellText(4, 1), "corner");
    }
    // Read over a grid at another limit: the counts change without passing the limits
    // on the way (the store refuses any count past them).
    CellGrid tall(5, 10'000'000, 1);
    writeBytes(path, crlf({"100000,500", "99999,499,far"}));
    loadCellsFromFile(tall, path);
    EXPECT_EQ(tall.colCount(), 100'000);
    EXPECT_EQ(tall.rowCount(), 500);
    writeBytes(path, crlf({"5,10000000", "4,1,low"}));
    loadCellsFromFile(tall, path);
    EXPECT_EQ(tall.colCount(), 5);
    EXPECT_EQ(tall.rowCount(), 10'000'000);
    EXPECT_EQ(tall.cellText(4, 1), "low");
}

TEST(ProjectFile, AWideSparseFileTakesLittleMemoryAndSavesTheSameBytes) {
    // 6 KB naming 100,000 columns, one cell far right on each of 500 rows: a row that
    // stored every cell up to its last would take 2 GB.
    TempDir dir;
    std::string cells;
    for (int row = 0; row < 500; ++row) cells += "99999," + std::to_string(row) + ",x\r\n";
    cells += "12,3,a\tb\bc\r\n";  // escaped line breaks, the first line kept
    CellGrid grid(7, 5, 1);
    loadBytes(grid, dir, "100000,500\r\n" + cells,
              ReadOptions{.multilineCells = false, .oemConvert = true, .progress = {}});
    EXPECT_EQ(grid.storedCellCount(), 501u);
    EXPECT_LT(grid.storeBytes(), 200'000u);
    EXPECT_EQ(grid.cellText(99999, 499), "x");
    EXPECT_EQ(grid.cellText(12, 3), "a");

    const std::string path = dir.file("wide.prj");
    saveCellsToFile(grid, path);
    std::string expected = "100000,500\r\n";
    for (int col = 0; col < 100000; ++col) expected += "cw " + std::to_string(col) + ",64\r\n";
    for (int row = 0; row < 500; ++row) {
        if (row == 3) expected += "12,3,a\r\n";
        expected += "99999," + std::to_string(row) + ",x\r\n";
    }
    EXPECT_TRUE(readBytes(path) == expected);

    // Cells past the counts stay in the store but are not saved.
    grid.setColCount(99999);
    grid.setRowCount(400);
    saveCellsToFile(grid, path);
    const std::string saved = readBytes(path);
    EXPECT_TRUE(saved.starts_with("99999,400\r\ncw 0,64\r\n"));
    EXPECT_TRUE(saved.ends_with("cw 99998,64\r\n12,3,a\r\n"));
    EXPECT_EQ(grid.storedCellCount(), 501u);
}

TEST(ProjectFile, ProgressIsTheRoundedPercentageReportedWhenItMoves) {
    EXPECT_EQ(progressPercent(0, 1), 0);
    EXPECT_EQ(progressPercent(0, 5), 0);
    EXPECT_EQ(progressPercent(4, 5), 100);
    // Ties go to the even integer: 12.5 -> 12, 37.5 -> 38, 62.5 -> 62, 87.5 -> 88.
    EXPECT_EQ(progressPercent(1, 9), 12);
    EXPECT_EQ(progressPercent(3, 9), 38);
    EXPECT_EQ(progressPercent(5, 9), 62);
    EXPECT_EQ(progressPercent(7, 9), 88);
    EXPECT_EQ(progressPercent(1, 4), 33);
    EXPECT_EQ(progressPercent(2, 4), 67);
    EXPECT_EQ(progressPercent(1, 2), 100);
    EXPECT_EQ(progressPercent(1, 401), 0);  // 0.25
    EXPECT_EQ(progressPercent(3, 401), 1);  // 0.75

    TempDir dir;
    const std::string path = dir.file("p.prj");
    CellGrid grid(7, 9, 1);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 3; ++c) grid.setCellText(c, r, "t");
    std::vector<int> saved;
    saveCellsToFile(grid, path, AtomicFileWriter::Privacy::Shared,
                    [&](std::int16_t p) { saved.push_back(p); });
    EXPECT_EQ(saved, (std::vector<int>{0, 12, 25, 38, 50, 62, 75, 88, 100}));

    // Loading reports per cell line, each value once; width lines and lines outside the
    // grid report nothing.
    writeBytes(path, crlf({"3,3", "cw 0,5", "0,0,a", "1,0,b", "0,1,c", "9,9,x", "1,1,d", "0,2,e",
                           "0,1,back"}));
    CellGrid back(7, 5, 1);
    std::vector<int> loaded;
    loadCellsFromFile(back, path,
                      ReadOptions{.progress = [&](std::int16_t p) { loaded.push_back(p); }});
    EXPECT_EQ(loaded, (std::vector<int>{0, 50, 100, 50}));
}

}  // namespace
}  // namespace quillet
