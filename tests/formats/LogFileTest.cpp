#include "formats/LogFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/TempDir.h"

namespace quillet {
namespace {

TEST(LogFile, NamedAfterItsProject) {
    EXPECT_EQ(logPathFor("/home/a/work.prj"), "/home/a/work.qlog");
    EXPECT_EQ(logPathFor("/home/a.b/work"), "/home/a.b/work.qlog");
    EXPECT_EQ(logPathFor("/home/a/.prj"), "/home/a/.prj.qlog");
}

// Private from its first byte, a cut line left on its own, and a planted link never followed.
TEST(LogFile, AppendsSafely) {
    test::TempDir dir;
    const std::string path = dir.file("work.qlog");
    EXPECT_EQ(logfile::append(path, "head\n", "a\n"), 5u);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    logfile::append(path, "head\n", "torn");
    EXPECT_EQ(logfile::append(path, "head\n", "b\n"), 12u);
    EXPECT_EQ(logfile::read(path), "head\na\ntorn\nb\n");
    logfile::overwrite(path, 7, "TORN");
    EXPECT_EQ(logfile::read(path), "head\na\nTORN\nb\n");

    const std::string victim = dir.file("victim");
    const std::string planted = dir.file("planted.qlog");
    ASSERT_EQ(::symlink(victim.c_str(), planted.c_str()), 0);
    EXPECT_THROW(logfile::append(planted, "head\n", "x\n"), LogFileError);
    EXPECT_THROW(logfile::read(planted), LogFileError);
    EXPECT_NE(::access(victim.c_str(), F_OK), 0);
    EXPECT_EQ(logfile::read(dir.file("none.qlog")), std::nullopt);
}

}  // namespace
}  // namespace quillet
