#include "formats/CellText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "formats/ProjectFile.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

using test::readBytes;
using test::TempDir;

TEST(SanitizeCellText, DropsAndReplacesWhatTheFileCannotCarry) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"plain, text 12/31/2026", "plain, text 12/31/2026"},
        {"a\tb", "a\tb"},  // one line: tabs are kept
        {"a\x1A"
         "b\bc",
         "abc"},
        {"a\tb\r\nc\td", "a b\r\nc d"},
        {"a\tb\nc", "a b\nc"},
        {"a\rb\r", "a\r\nb\r\n"},  // bare CRs only: each gains its LF
        {"a\rb\nc", "a\rb\nc"},    // an LF somewhere already brings the CRs back
        {"\b\x1A", ""},
        {std::string("\xC3\xA4\0x\xFF", 5), std::string("\xC3\xA4\0x\xFF", 5)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sanitizeCellText(c.in), c.out) << testing::PrintToString(c.in);
        EXPECT_EQ(sanitizeCellText(c.out), c.out) << "not idempotent";
    }
}

// Random texts, weighted towards the bytes the format treats specially.
std::string randomText(std::mt19937& rng) {
    static const std::string special("\r\n\t\b\x1A,\0 0123456789\xFF", 19);
    std::uniform_int_distribution<int> length(1, 24);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<std::size_t> pick(0, special.size() - 1);
    std::string text;
    for (int n = length(rng); n > 0; --n) {
        if (kind(rng) == 0) {
            text += static_cast<char>(anyByte(rng));
        } else {
            text += special[pick(rng)];
        }
    }
    return text;
}

TEST(SanitizeCellText, EverySanitizedTextSavesAndReloadsUnchanged) {
    std::mt19937 rng(12);
    TempDir dir;
    const std::string path = dir.file("random.prj");
    for (int round = 0; round < 8; ++round) {
        CellGrid grid(7, 40, 1);
        std::vector<std::string> texts;
        for (int r = 0; r < 40; ++r) {
            for (int c = 0; c < 7; ++c) {
                texts.push_back(sanitizeCellText(randomText(rng)));
                grid.setCellText(c, r, texts.back());
            }
        }
        saveCellsToFile(grid, path);
        CellGrid back(7, 2, 1);
        loadCellsFromFile(back, path);
        ASSERT_EQ(back.rowCount(), 40);
        for (int r = 0; r < 40; ++r) {
            for (int c = 0; c < 7; ++c) {
                ASSERT_EQ(back.cellText(c, r), texts[static_cast<std::size_t>(r * 7 + c)])
                    << "cell " << c << "," << r;
            }
        }
    }
}

TEST(ProjectFile, WriterNeverWritesEndOfFileByte) {
    CellGrid grid(2, 3, 1);
    grid.setCellText(0, 1, "cut\x1Ahere");
    grid.setCellText(1, 1, "x\x1A\r\ny");
    grid.setCellText(0, 2, "after");
    TempDir dir;
    const std::string path = dir.file("eof.prj");
    saveCellsToFile(grid, path);
    EXPECT_EQ(readBytes(path).find('\x1A'), std::string::npos);

    CellGrid back(2, 2, 1);
    loadCellsFromFile(back, path);
    EXPECT_EQ(back.cellText(0, 1), "cuthere");
    EXPECT_EQ(back.cellText(1, 1), "x\r\ny");
    EXPECT_EQ(back.cellText(0, 2), "after");  // the cells after it are not lost
}

}  // namespace
}  // namespace quillet
