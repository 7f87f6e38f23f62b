#include <gtest/gtest.h>

#include <functional>

#include "app/ReadAhead.h"
#include "formats/ProjectFile.h"
#include "support/TempDir.h"

namespace quillet::test {
namespace {

// What the read-ahead gives is what an open over the table would read, and only while
// nothing it depended on changed: otherwise the open reads the file itself.
TEST(ReadAhead, TakenOnlyWhenItReadsAsAnOpenOverTheTable) {
    constexpr const char* kHead = "3,2\r\ncw 0,30\r\ncw 1,200\r\ncw 2,50\r\n";
    const struct {
        const char* name;
        std::string head;  // the header and the width lines
        std::function<void(const std::string& path, CellGrid& table)> meanwhile;
        std::string takenPath;  // empty: the file read
        bool taken;
    } cases[] = {
        {"nothing changed", kHead, [](const std::string&, CellGrid&) {}, "", true},
        {"the table's widths changed", kHead,
         [](const std::string&, CellGrid& table) { table.setColWidth(1, 99); }, "", true},
        {"no width lines, none in the table", "3,2\r\n", [](const std::string&, CellGrid&) {}, "",
         true},
        {"no width line for a column with one", "3,2\r\ncw 0,30\r\n",
         [](const std::string&, CellGrid& table) { table.setColWidth(1, 40); }, "", true},
        {"a width line that means no width", "3,2\r\ncw 1,-2147483648\r\n",
         [](const std::string&, CellGrid& table) { table.setColWidth(1, 40); }, "", true},
        {"another file opened", kHead, [](const std::string&, CellGrid&) {}, "other.prj", false},
        // Without a header the table's columns stay.
        {"another column count", "\r\n",
         [](const std::string&, CellGrid& table) { table.setColCount(4); }, "", false},
        {"the file rewritten", kHead,
         [](const std::string& path, CellGrid&) { writeBytes(path, "3,2\r\n1,1,changed\r\n"); }, "",
         false},
        {"the file removed", kHead,
         [](const std::string& path, CellGrid&) { std::filesystem::remove(path); }, "", false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.file("work.prj");
        writeBytes(path, c.head + "1,1,Write report\r\n2,1,1.5\r\n");
        std::unique_ptr<ReadAhead> ahead = ReadAhead::start(path, 3, {});
        ASSERT_TRUE(ahead) << c.name;
        ahead->wait();
        CellGrid table(3, 2, 1);
        c.meanwhile(path, table);
        const std::optional<ReadAhead::Result> read =
            ahead->take(c.takenPath.empty() ? path : dir.file(c.takenPath), table, {});
        ASSERT_EQ(read.has_value(), c.taken) << c.name;
        if (!read) continue;
        const std::unique_ptr<CellGrid> opened = table.makeReadTarget();
        const std::optional<FileStamp> stamp = loadCellsFromFile(*opened, path);
        EXPECT_EQ(read->grid->cellText(1, 1), "Write report");
        EXPECT_EQ(read->grid->cellText(2, 1), opened->cellText(2, 1));
        for (int col = 0; col < 3; ++col) {
            EXPECT_EQ(read->grid->colWidthSet(col), opened->colWidthSet(col)) << c.name << col;
            EXPECT_EQ(read->grid->colWidth(col), opened->colWidth(col)) << c.name << col;
        }
        EXPECT_EQ(read->stamp->contentHash, stamp->contentHash);
    }
}

TEST(ReadAhead, AFileItCannotReadIsLeftToTheOpen) {
    TempDir dir;
    const CellGrid table(3, 2, 1);
    EXPECT_FALSE(ReadAhead::start(dir.file("missing.prj"), 3, {}));
    EXPECT_FALSE(ReadAhead::start(dir.path().string(), 3, {}));  // a folder
    // A header asking for more than a project holds fails the read; the open says why.
    writeBytes(dir.file("huge.prj"), "99999999,99999999\r\n");
    std::unique_ptr<ReadAhead> ahead = ReadAhead::start(dir.file("huge.prj"), 3, {});
    ASSERT_TRUE(ahead);
    EXPECT_FALSE(ahead->take(dir.file("huge.prj"), table, {}));
}

}  // namespace
}  // namespace quillet::test
