#include "app/OldFileImport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "formats/AtomicFileWriter.h"
#include "formats/ProjectFile.h"
#include "support/ErrorOf.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

using test::FakePrompts;
using test::readBytes;
using test::TempDir;
using test::writeBytes;
using Strings = std::vector<std::string>;
using Rows = std::vector<Strings>;

std::set<std::string> namesIn(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        names.insert(e.path().filename().string());
    return names;
}

Rows cellsOf(const CellGrid& grid) {
    Rows rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        Strings row;
        for (int c = 0; c < grid.colCount(); ++c) row.emplace_back(grid.cellText(c, r));
        rows.push_back(row);
    }
    return rows;
}

using test::errorOf;

ino_t inodeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

TEST(OldFileConversion, BelsBecomeTabsAndEveryLineEndsInCrLf) {
    const struct {
        std::string before;
        std::string after;
    } cases[] = {
        // A bare LF stays inside its line, a lone CR ends one, the last line gains CR LF.
        {"a\ab\ac\r\nd\ae\nf\rg\r\n\r\nh\ai", "a\tb\tc\r\nd\te\nf\r\ng\r\n\r\nh\ti\r\n"},
        {"one\atwo\r\n", "one\ttwo\r\n"},
        // Without any CR, LF ends the lines.
        {"a\ab\nc\ad\n", "a\tb\r\nc\td\r\n"},
        // Other bytes are kept as they are, whatever their encoding.
        {"\xEF\xBB\xBF"
         "caf\xC3\xA9\a\x82\r\n",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9\t\x82\r\n"},
        // An end mark as the last byte ends the text.
        {"a\ab\r\nc\x1A", "a\tb\r\nc\r\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.file("jobs.txt");
        writeBytes(path, c.before);
        ::chmod(path.c_str(), 0640);
        FakePrompts prompts;
        convertIfOldFormat(path, prompts);
        EXPECT_EQ(readBytes(path), c.after) << testing::PrintToString(c.before);
        EXPECT_EQ(prompts.messages, Strings{});
        EXPECT_EQ(namesIn(dir), std::set<std::string>{"jobs.txt"});
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0640u);
    }
}

TEST(OldFileConversion, OnlyATextFileWhoseFirstLineHoldsABelIsConverted) {
    const std::string untouched[] = {
        "", "a,b\r\nc\ad\r\n", "\r\n\a\r\n", "plain\nx\ay\n",
        // Binary files with a BEL early on: a zip-based document, a file cut by an end mark.
        std::string("PK\x03\x04\a\x14\0\x06\0\r\n\x1A\x9C", 14), "x\ay\r\n\x1Az\r\n"};
    for (const std::string& bytes : untouched) {
        TempDir dir;
        const std::string path = dir.file("jobs.txt");
        writeBytes(path, bytes);
        const ino_t inode = inodeOf(path);
        FakePrompts prompts;
        convertIfOldFormat(path, prompts);
        EXPECT_EQ(readBytes(path), bytes);
        EXPECT_EQ(inodeOf(path), inode) << "the file was rewritten";
        EXPECT_EQ(prompts.messages, Strings{});
        EXPECT_EQ(namesIn(dir), std::set<std::string>{"jobs.txt"});
    }
}

TEST(OldFileConversion, TheUsersTPrefixedFileIsLeftAlone) {
    TempDir dir;
    const std::string path = dir.file("jobs.txt");
    const std::string mine = dir.file("t_jobs.txt");
    writeBytes(path, "a\ab\r\n");
    writeBytes(mine, "the user's own notes");
    FakePrompts prompts;
    convertIfOldFormat(path, prompts);
    EXPECT_EQ(readBytes(path), "a\tb\r\n");
    EXPECT_EQ(readBytes(mine), "the user's own notes");
    EXPECT_EQ(namesIn(dir), (std::set<std::string>{"jobs.txt", "t_jobs.txt"}));
}

TEST(OldFileConversion, AFailureKeepsTheOriginalAndOnlyShowsTheMessage) {
    const std::string original = "a\ab\r\n" + std::string(600'000, 'x') + "\a\r\n";
    {
        // The disk fills up half-way through the new text.
        TempDir dir;
        const std::string path = dir.file("jobs.txt");
        writeBytes(path, original);
        FakePrompts prompts;
        std::size_t written = 0;
        AtomicFileWriter::ScopedWriteHook hook([&](int fd, const void* data, std::size_t size) {
            if (written + size > 300'000) {
                errno = ENOSPC;
                return ssize_t{-1};
            }
            written += size;
            return ::write(fd, data, size);
        });
        convertIfOldFormat(path, prompts);
        EXPECT_GT(written, 0u);
        EXPECT_EQ(readBytes(path), original);
        EXPECT_EQ(prompts.messages, Strings{kConversionError});
        EXPECT_EQ(namesIn(dir), std::set<std::string>{"jobs.txt"});
    }
    {
        TempDir dir;
        FakePrompts prompts;
        convertIfOldFormat(dir.file("missing.txt"), prompts);
        EXPECT_EQ(prompts.messages, Strings{kConversionError});
        EXPECT_EQ(namesIn(dir), std::set<std::string>{});
    }
    if (::geteuid() != 0) {  // root may write anywhere
        TempDir dir;
        const std::string path = dir.file("jobs.txt");
        writeBytes(path, original);
        ::chmod(dir.path().c_str(), 0555);
        FakePrompts prompts;
        convertIfOldFormat(path, prompts);
        ::chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(readBytes(path), original);
        EXPECT_EQ(prompts.messages, Strings{kConversionError});
        EXPECT_EQ(namesIn(dir), std::set<std::string>{"jobs.txt"});
    }
}

// The open project: 8 columns with their own widths, and a task.
void fillCurrent(CellGrid& current) {
    current.setColCount(8);
    for (int c = 0; c < 8; ++c) current.setColWidth(c, 40 + c);
    current.setCellText(0, 0, "Task #");
    current.setCellText(0, 1, "1");
    current.setCellText(1, 1, "current task");
}

TEST(OldFileImport, ReadsAConvertedFileIntoAFreshGridShapedLikeTheCurrentOne) {
    TempDir dir;
    const std::string path = dir.file("jobs.txt");
    writeBytes(path, "No\aTask\aHours\r\n1\aDesign\a2.5\r\n2\a\"Review, final\"\a1\r\n");
    CellGrid current(7, 5, 1);
    fillCurrent(current);
    CellGrid fresh;
    fresh.setCellText(5, 3, "left over");
    FakePrompts prompts;
    importOldFile(path, current, fresh, {}, prompts);

    EXPECT_EQ(readBytes(path), "No\tTask\tHours\r\n1\tDesign\t2.5\r\n2\t\"Review, final\"\t1\r\n");
    const Strings blank(5, "");
    Rows expected = {{"No", "Task", "Hours"}, {"1", "Design", "2.5"}, {"2", "Review, final", "1"}};
    for (Strings& row : expected) row.insert(row.end(), blank.begin(), blank.end());
    EXPECT_EQ(cellsOf(fresh), expected);
    EXPECT_EQ(fresh.fixedRows(), 1);
    for (int c = 0; c < 8; ++c) EXPECT_EQ(fresh.colWidth(c), 40 + c);
    EXPECT_EQ(fresh.cellText(5, 3), "");
    EXPECT_EQ(prompts.messages, Strings{});
    // The open project is only replaced by the caller.
    EXPECT_EQ(current.cellText(1, 1), "current task");
    EXPECT_EQ(current.rowCount(), 5);
}

TEST(OldFileImport, AFailedReadThrowsTheMessageForTheCallerToShow) {
    TempDir dir;
    CellGrid current(7, 5, 1);
    fillCurrent(current);
    const std::string missing = dir.file("missing.txt");
    CellGrid fresh;
    FakePrompts prompts;
    // The conversion only reports its failure; the reader's error ends the import.
    EXPECT_EQ(errorOf([&] { importOldFile(missing, current, fresh, {}, prompts); }),
              "Cannot open file " + missing);
    EXPECT_EQ(prompts.messages, Strings{kConversionError});
    EXPECT_EQ(current.cellText(1, 1), "current task");
}

TEST(OldFileImport, SaveAfterAnImportWritesTheProjectFormatOverTheImportedPath) {
    TempDir dir;
    const std::string path = dir.file("jobs.prj");  // a .prj name goes through the reader too
    writeBytes(path, "Task #\aTask Description\r\n1\tDesign\r\n");
    CellGrid current(2, 5, 1);
    current.setColWidth(0, 42);
    CellGrid fresh;
    std::vector<int> progress;
    FakePrompts prompts;
    importOldFile(path, current, fresh,
                  ReadOptions{.progress = [&](std::int16_t p) { progress.push_back(p); }}, prompts);
    EXPECT_FALSE(progress.empty());  // a long import can show the same progress as Open

    saveCellsToFile(fresh, path);
    EXPECT_EQ(readBytes(path),
              "2,2\r\ncw 0,42\r\ncw 1,64\r\n0,0,Task #\r\n1,0,Task Description\r\n0,1,1\r\n"
              "1,1,Design\r\n");
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"jobs.prj"});
}

}  // namespace
}  // namespace quillet
