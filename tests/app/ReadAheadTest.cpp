#include <gtest/gtest.h>

#include <functional>

#include "app/ReadAhead.h"
#include "formats/ProjectFile.h"
#include "support/TempDir.h"

namespace quillet::test {
namespace {

// What the read-ahead gives is what an open would read, and only while nothing it depended
// on changed: otherwise the open reads the file itself.
TEST(ReadAhead, TakenOnlyWhileTheFileAndTheTableAreAsRead) {
    const struct {
        const char* name;
        std::function<void(const std::string& path, CellGrid& table)> meanwhile;
        std::string takenPath;  // empty: the file read
        bool taken;
    } cases[] = {
        {"nothing changed", [](const std::string&, CellGrid&) {}, "", true},
        {"another file opened", [](const std::string&, CellGrid&) {}, "other.prj", false},
        {"the file rewritten",
         [](const std::string& path, CellGrid&) { writeBytes(path, "3,2\r\n1,1,changed\r\n"); }, "",
         false},
        {"the table's widths changed",
         [](const std::string&, CellGrid& table) { table.setColWidth(1, 99); }, "", false},
        {"the file removed",
         [](const std::string& path, CellGrid&) { std::filesystem::remove(path); }, "", false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.file("work.prj");
        writeBytes(path, "3,2\r\n1,1,Write report\r\n2,1,1.5\r\n");
        CellGrid table(3, 2, 1);
        table.setColWidth(1, 40);
        std::unique_ptr<ReadAhead> ahead = ReadAhead::start(path, table, {});
        ASSERT_TRUE(ahead) << c.name;
        ahead->wait();
        c.meanwhile(path, table);
        const std::optional<ReadAhead::Result> read =
            ahead->take(c.takenPath.empty() ? path : dir.file(c.takenPath), table);
        ASSERT_EQ(read.has_value(), c.taken) << c.name;
        if (!read) continue;
        CellGrid opened(3, 2, 1);
        opened.setColWidth(1, 40);
        const std::optional<FileStamp> stamp = loadCellsFromFile(opened, path);
        EXPECT_EQ(read->grid->cellText(1, 1), "Write report");
        EXPECT_EQ(read->grid->cellText(2, 1), opened.cellText(2, 1));
        EXPECT_EQ(read->grid->colWidth(1), opened.colWidth(1));
        EXPECT_EQ(read->stamp->contentHash, stamp->contentHash);
    }
}

TEST(ReadAhead, AFileItCannotReadIsLeftToTheOpen) {
    TempDir dir;
    const CellGrid table(3, 2, 1);
    EXPECT_FALSE(ReadAhead::start(dir.file("missing.prj"), table, {}));
    EXPECT_FALSE(ReadAhead::start(dir.path().string(), table, {}));  // a folder
    // A header asking for more than a project holds fails the read; the open says why.
    writeBytes(dir.file("huge.prj"), "99999999,99999999\r\n");
    std::unique_ptr<ReadAhead> ahead = ReadAhead::start(dir.file("huge.prj"), table, {});
    ASSERT_TRUE(ahead);
    EXPECT_FALSE(ahead->take(dir.file("huge.prj"), table));
}

}  // namespace
}  // namespace quillet::test
