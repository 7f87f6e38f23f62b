#include "formats/RtfReader.h"

#include <gtest/gtest.h>

#include <random>

namespace quillet {
namespace {

TEST(RtfToPlainText, EscapesUnicodeAndFallbacks) {
    EXPECT_EQ(rtfToPlainText("{\\rtf1 a\\\\b\\{c\\}d}"), "a\\b{c}d");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 caf\\'e9 \\'41}"), "caf\xE9 A");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 \\u8364?x}"), "\xE2\x82\xACx");
    EXPECT_EQ(rtfToPlainText("{\\rtf1\\uc2 \\u8364\\'80\\'80x}"), "\xE2\x82\xACx");
    EXPECT_EQ(rtfToPlainText("{\\rtf1\\uc0 \\u-3913 x}"), "\xEF\x82\xB7x");  // negative: +65536
    EXPECT_EQ(rtfToPlainText("{\\rtf1 \\u-10179?\\u-8704?}"), "\xF0\x9F\x98\x80");  // pair
    EXPECT_EQ(rtfToPlainText("{\\rtf1 \\u-10179?x}"), "\xEF\xBF\xBDx");             // lone half
    // \uc is local to its group; the fallback stops at a group boundary.
    EXPECT_EQ(rtfToPlainText("{\\rtf1 {\\uc0 \\u65}\\u66?}"), "AB");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 a\r\nb\\\r\nc}"), "ab\r\nc");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 x}trailing"), "x");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 {\\*\\unknown skip}{\\pict 0102}{\\info{\\title t}}y}"), "y");
}

TEST(RtfToPlainText, MalformedInputNeverFails) {
    EXPECT_EQ(rtfToPlainText("{\\rtf1 {{{ abc"), " abc");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 abc}}}}"), "abc");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 x\\"), "x");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 x\\'"), "x");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 x\\u"), "x");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 x\\bin99999999999999999999 ab"), "x");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 \\u99999999999999999999?z}"), "\xEF\xBF\xBDz");
    EXPECT_EQ(rtfToPlainText("{\\rtf1 " + std::string(200000, '{') + "deep"), "deep");

    std::mt19937 rng(7);
    const std::string alphabet = "{}\\'*u-0123456789abcfrtpx \r\n\xFF";
    for (int n = 0; n < 3000; ++n) {
        std::string text = "{\\rtf";
        const int len = static_cast<int>(rng() % 60);
        for (int i = 0; i < len; ++i) text += alphabet[rng() % alphabet.size()];
        const std::string plain = rtfToPlainText(text);
        EXPECT_LE(plain.size(), 4 * text.size()) << text;
    }
}

}  // namespace
}  // namespace quillet
