#include "formats/TextLines.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "grid/CellGrid.h"
#include "ports/ErrorText.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

using test::TempDir;
using test::writeBytes;

std::vector<std::string> readAll(const std::string& path, std::size_t chunk) {
    TextLineReader reader(path, chunk);
    EXPECT_TRUE(reader.isOpen());
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line)) lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(TextLineReader, LineEndsEndMarkAndEmptyLines) {
    TempDir dir;
    const std::string path = dir.file("t.txt");
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"\x1A", {}},
        {"a", {"a"}},
        {"a\r", {"a"}},
        {"a\r\n", {"a"}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"\n", {"\n"}},
        {"a\r\nb\rc\nd\r\n\r\ne", {"a", "b", "c\nd", "", "e"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\r\nb", {"a\n", "b"}},
        {"a\r\nb\x1A"
         "c\r\nd\r\n",
         {"a", "b"}},
        {"a\r\n\x1A"
         "b",
         {"a"}},
        {"a\r\x1A\n", {"a"}},
        {std::string("n\0l\r\n\0", 6), {std::string("n\0l", 3), std::string("\0", 1)}},
    };
    for (const Case& c : cases) {
        writeBytes(path, c.bytes);
        EXPECT_EQ(readAll(path, 1 << 16), c.lines) << testing::PrintToString(c.bytes);
    }
}

TEST(TextLineReader, ChunkBoundariesNeverSplitOrMergeLines) {
    TempDir dir;
    const std::string path = dir.file("t.txt");
    // CR, LF and CR LF at every offset relative to a 16-byte chunk.
    std::string bytes;
    Lines expected;
    for (int len = 0; len < 40; ++len) {
        const std::string text(static_cast<std::size_t>(len), static_cast<char>('a' + len % 26));
        const char* ends[] = {"\r\n", "\r", "\n\r"};
        const std::string end = ends[len % 3];
        bytes += text + end;
        expected.push_back(end == "\n\r" ? text + "\n" : text);
    }
    writeBytes(path, bytes);
    for (std::size_t chunk = 16; chunk < 40; ++chunk) {
        EXPECT_EQ(readAll(path, chunk), expected) << "chunk " << chunk;
    }
    TextLineReader reader(path, 16);
    std::string line;
    while (reader.readLine(line)) {
    }
    EXPECT_EQ(reader.bytesConsumed(), bytes.size());
    EXPECT_EQ(reader.fileSize(), bytes.size());
}

std::vector<std::string> readViews(const std::string& path, std::size_t chunk,
                                   TextLineReader::LineEnd lineEnd) {
    TextLineReader reader(path, chunk, lineEnd);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.readLine(line)) lines.emplace_back(line);
    return lines;
}

TEST(TextLineReader, ViewsMatchCopiesAndLineFeedModeEndsLinesAtLf) {
    TempDir dir;
    const std::string path = dir.file("t.txt");
    std::string bytes;
    for (int len = 0; len < 40; ++len) {
        const char* ends[] = {"\r\n", "\r", "\n", "\n\r"};
        bytes += std::string(static_cast<std::size_t>(len), 'x') + ends[len % 4];
    }
    writeBytes(path, bytes);
    for (std::size_t chunk = 16; chunk < 40; ++chunk) {
        EXPECT_EQ(readViews(path, chunk, TextLineReader::LineEnd::CarriageReturn),
                  readAll(path, chunk))
            << "chunk " << chunk;
    }
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},           {"a", {"a"}},
        {"a\n", {"a"}},     {"a\nb\n\nc", {"a", "b", "", "c"}},
        {"\n\n", {"", ""}}, {"a\nb\x1A\nc", {"a", "b"}},
    };
    for (const auto& c : cases) {
        writeBytes(path, c.bytes);
        EXPECT_EQ(readViews(path, 16, TextLineReader::LineEnd::LineFeed), c.lines)
            << testing::PrintToString(c.bytes);
    }
}

// The line rule written plainly, to check the reader's block-wise search against.
Lines plainLines(const std::string& bytes) {
    const std::string text = bytes.substr(0, bytes.find('\x1A'));
    Lines lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += text[i];
            open = true;
        }
    }
    if (open) lines.push_back(line);
    return lines;
}

TEST(TextLineReader, LinesOfEveryLengthAroundBlocksAndChunksFollowTheLineRule) {
    TempDir dir;
    const std::string path = dir.file("t.txt");
    std::mt19937 rng(5);
    for (int round = 0; round < 20; ++round) {
        std::string bytes;
        while (bytes.size() < 3000) {
            bytes += std::string(rng() % 150, static_cast<char>('a' + rng() % 26));
            if (rng() % 16 == 0) bytes += '\b';
            const char* ends[] = {"\r\n", "\r", "\n", "\r\r\n", "\n\r"};
            bytes += ends[rng() % 5];
        }
        if (round % 5 == 4) bytes[rng() % bytes.size()] = '\x1A';
        writeBytes(path, bytes);
        for (const std::size_t chunk : {16, 63, 64, 65, 200, 1 << 16}) {
            const std::string where =
                "round " + std::to_string(round) + " chunk " + std::to_string(chunk);
            EXPECT_EQ(readViews(path, chunk, TextLineReader::LineEnd::CarriageReturn),
                      plainLines(bytes))
                << where;
            // What the reader says about a line's bytes and the whole file's, as it goes.
            TextLineReader reader(path, chunk);
            std::string_view line;
            while (reader.readLine(line)) {
                if (line.find('\b') != std::string_view::npos) {
                    EXPECT_TRUE(reader.lineMayHold('\b')) << where;
                }
            }
            EXPECT_EQ(reader.stamp()->contentHash, stampFile(path)->contentHash) << where;
        }
    }
    // After the end mark nothing counts, nor is read: another tail, or a sparse one of 4 GiB,
    // is the same file.
    writeBytes(path, "1,1,x\r\n\x1Atail");
    const std::uint64_t hash = stampFile(path)->contentHash;
    writeBytes(path, "1,1,x\r\n\x1A");
    std::filesystem::resize_file(path, std::uint64_t{4} << 30);
    EXPECT_EQ(stampFile(path)->contentHash, hash);
    TextLineReader reader(path);
    std::string line;
    while (reader.readLine(line)) {
    }
    EXPECT_EQ(reader.stamp()->contentHash, hash);
}

TEST(TextFileScan, CarriageReturnsAndUtf8UpToTheEndMark) {
    TempDir dir;
    const std::string path = dir.file("t.txt");
    EXPECT_FALSE(scanTextFile(dir.file("missing.txt"), true).has_value());
    // Not a regular file: nothing to wait for or to read forever.
    EXPECT_FALSE(scanTextFile(dir.path().string(), true).has_value());
    EXPECT_FALSE(scanTextFile("/dev/zero", true).has_value());
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(scanTextFile(fifo, false).has_value());
    EXPECT_FALSE(isPlainTextFile(fifo));
    const struct {
        std::string bytes;
        bool cr, utf8;
        bool text = true;  // no NUL, no 0x1A before the last byte
    } cases[] = {
        {"", false, true},
        {"a\nb\n", false, true},
        {"a\r\nb", true, true},
        {"a\x1A\r\n", false, true, false},  // nothing after the end mark counts
        {"a\x1A\xFF", false, true, false},
        {"a\r\n\x1A", true, true},
        {std::string("a\0b\r\n", 5), true, true, false},
        {"\xEF\xBB\xBFx\r\n", true, true},
        {"caf\x82\r\n", true, false},
        // A sequence split by the 256 KiB chunks is still one character.
        {std::string(256 * 1024 - 1, 'a') + "\xC3\xA9", false, true},
        {std::string(256 * 1024 - 1, 'a') + "\xC3", false, false},
        {std::string(300 * 1024, 'a') + "\xE9\r", true, false},
        {std::string(256 * 1024 - 1, 'a') + "\x1A", false, true},
        {std::string(256 * 1024 - 1, 'a') + "\x1A" + "b", false, true, false},
    };
    for (const auto& c : cases) {
        writeBytes(path, c.bytes);
        const auto scan = scanTextFile(path, true);
        ASSERT_TRUE(scan.has_value());
        EXPECT_EQ(isPlainTextFile(path), c.text) << testing::PrintToString(c.bytes.substr(0, 20));
        EXPECT_EQ(scan->holdsCarriageReturn, c.cr) << testing::PrintToString(c.bytes.substr(0, 20));
        EXPECT_EQ(scan->validUtf8, c.utf8) << c.bytes.size();
    }
}

TEST(TextLineReader, MissingOrSpecialFilesAreNotOpenAndLongLinesAreRefused) {
    TempDir dir;
    TextLineReader reader(dir.file("none.txt"));
    EXPECT_FALSE(reader.isOpen());
    std::string line = "old";
    EXPECT_FALSE(reader.readLine(line));
    EXPECT_EQ(line, "");
    EXPECT_FALSE(TextLineReader("/dev/zero").isOpen());

    // A line may span chunks up to the limit, not past it.
    const std::string path = dir.file("long.txt");
    writeBytes(path, std::string(100, 'x') + "\r" + std::string(101, 'y'));
    TextLineReader limited(path, 16, TextLineReader::LineEnd::CarriageReturn, 100);
    ASSERT_TRUE(limited.readLine(line));
    EXPECT_EQ(line.size(), 100u);
    EXPECT_EQ(test::errorOf<CellGridError>([&] { limited.readLine(line); }),
              "Cannot read file " + path + ": it holds a line of more than 100 bytes");
}

TEST(LeadingInteger, SignsPrefixesAndStrayBytes) {
    EXPECT_EQ(leadingInteger(""), 0);
    EXPECT_EQ(leadingInteger("   "), 0);
    EXPECT_EQ(leadingInteger("abc"), 0);
    EXPECT_EQ(leadingInteger("42"), 42);
    EXPECT_EQ(leadingInteger("  42"), 42);
    EXPECT_EQ(leadingInteger("\t42"), 0);  // only blanks are skipped
    EXPECT_EQ(leadingInteger("007"), 7);
    EXPECT_EQ(leadingInteger("+42"), 42);
    EXPECT_EQ(leadingInteger("+42x"), 42);
    EXPECT_EQ(leadingInteger("-42"), -42);
    EXPECT_EQ(leadingInteger("  -42"), -42);
    // The minus counts only when nothing follows the digits.
    EXPECT_EQ(leadingInteger("-42abc"), 42);
    EXPECT_EQ(leadingInteger("-42 "), 42);
    EXPECT_EQ(leadingInteger("-"), 0);
    EXPECT_EQ(leadingInteger("--5"), 0);
    EXPECT_EQ(leadingInteger("12.5"), 12);
    EXPECT_EQ(leadingInteger("3,4"), 3);
    // Hexadecimal prefixes, which take no sign.
    EXPECT_EQ(leadingInteger("$1F"), 31);
    EXPECT_EQ(leadingInteger("x1f"), 31);
    EXPECT_EQ(leadingInteger("Xff"), 255);
    EXPECT_EQ(leadingInteger("0x10"), 16);
    EXPECT_EQ(leadingInteger("0X1g"), 1);
    EXPECT_EQ(leadingInteger(" $A"), 10);
    EXPECT_EQ(leadingInteger("$"), 0);
    EXPECT_EQ(leadingInteger("0x"), 0);
    EXPECT_EQ(leadingInteger("-$10"), 0);
    EXPECT_EQ(leadingInteger("AB"), 0);  // hex digits need a prefix
    EXPECT_EQ(leadingInteger("0"), 0);
    EXPECT_EQ(leadingInteger("0y5"), 0);
}

TEST(LeadingInteger, HugeDigitRunsSaturate) {
    EXPECT_EQ(leadingInteger("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(leadingInteger("9223372036854775808"), INT64_MAX);
    EXPECT_EQ(leadingInteger(std::string(10000, '9')), INT64_MAX);
    EXPECT_EQ(leadingInteger("-" + std::string(10000, '9')), -INT64_MAX);
    EXPECT_EQ(leadingInteger("$" + std::string(100, 'F')), INT64_MAX);
    EXPECT_EQ(leadingInteger("$7FFFFFFFFFFFFFFF"), INT64_MAX);
    EXPECT_EQ(leadingInt("99999999999"), INT_MAX);
    EXPECT_EQ(leadingInt("-99999999999"), INT_MIN);
    EXPECT_EQ(leadingInt("-123"), -123);
}

TEST(TextLineReader, AReadErrorReadsAsStrerrorWouldSayIt) {
    // errorText is strerror without its shared buffer: the same bytes, unknown values too.
    for (const int err : {ENOENT, EISDIR, ENOSPC, EACCES, 0, -1, 99999})
        EXPECT_EQ(errorText(err), std::strerror(err)) << err;
    EXPECT_EQ(errorText(ENOENT), "No such file or directory");

    // A regular file whose first page cannot be read: a process's own memory at address 0.
    const std::string unreadable = "/proc/self/mem";
    TextLineReader reader(unreadable);
    ASSERT_TRUE(reader.isOpen());
    std::string_view line;
    EXPECT_EQ(test::errorOf<CellGridError>([&] { reader.readLine(line); }),
              "Cannot read file " + unreadable + ": Input/output error");
}

}  // namespace
}  // namespace quillet
