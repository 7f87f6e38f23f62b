#include "grid/CodePage.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quillet
