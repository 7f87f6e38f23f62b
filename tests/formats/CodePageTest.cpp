#include "formats/CodePage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillet {
namespace {

TEST(CodePageTest, Utf8ValidityAndWindows1252Fallback) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("caf\xC3\xA9 \xE2\x82\xAC"));
    EXPECT_FALSE(isValidUtf8("caf\xE9"));       // Windows-1252 e-acute
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));      // truncated
    EXPECT_EQ(cp1252ToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(displayUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(displayUtf8("caf\xC3\xA9"), "caf\xC3\xA9");
}

TEST(CodePageTest, Utf8ValidatorAgreesWithTheWholeCheckWhereverTheTextIsSplit) {
    const char* texts[] = {
        "plain",
        "caf\xC3\xA9 \xE2\x82\xAC",
        "\xF0\x9F\x98\x80!",
        "caf\xE9",
        "\xC0\xAF",
        "\xED\xA0\x80",
        "\xE2\x82",
        "\xF4\x90\x80\x80",
        "\xE0\x9F\xBF",
        "\xEF\xBB\xBF"
        "abc",
        "twelve bytes\xC3\xA9 and more ascii",
    };
    for (const std::string text : texts) {
        for (std::size_t cut = 0; cut <= text.size(); ++cut) {
            Utf8Validator v;
            v.feed(std::string_view(text).substr(0, cut));
            v.feed(std::string_view(text).substr(cut));
            EXPECT_EQ(v.complete(), isValidUtf8(text)) << text << " cut at " << cut;
        }
    }
    Utf8Validator open;
    open.feed("\xE2\x82");
    EXPECT_TRUE(open.ok());  // a valid start, not yet complete
    EXPECT_FALSE(open.complete());
}

TEST(CodePageTest, Cp437HighHalfBecomesDistinctUtf8Characters) {
    std::string out = "keep ";
    appendCp437AsUtf8("caf\x82 \xC9\xCD\xBB \xE1 \xFF|\t\"", out);
    EXPECT_EQ(out, "keep caf\xC3\xA9 \xE2\x95\x94\xE2\x95\x90\xE2\x95\x97 \xC3\x9F \xC2\xA0|\t\"");
    std::set<std::string> seen;
    for (int b = 0x80; b <= 0xFF; ++b) {
        std::string one;
        appendCp437AsUtf8(std::string(1, static_cast<char>(b)), one);
        EXPECT_TRUE(isValidUtf8(one) && one.size() >= 2) << b;
        seen.insert(one);
    }
    EXPECT_EQ(seen.size(), 128u);
}

}  // namespace
}  // namespace quillet
