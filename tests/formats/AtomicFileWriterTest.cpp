#include "formats/AtomicFileWriter.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "support/TempDir.h"

namespace quillet {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

mode_t modeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 07777;
}

class ScopedUmask {
  public:
    explicit ScopedUmask(mode_t mask) : previous_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(previous_); }

  private:
    mode_t previous_;
};

// Writes "new" to the path; returns the mode the temporary file had while written.
mode_t saveAndWatchMode(const std::string& path) {
    mode_t whileWriting = 07777;
    AtomicFileWriter::ScopedWriteHook hook([&](int fd, const void* data, std::size_t size) {
        struct stat st {};
        if (::fstat(fd, &st) == 0) whileWriting = st.st_mode & 07777;
        return ::write(fd, data, size);
    });
    AtomicFileWriter out(path);
    out.write("new");
    out.commit();
    return whileWriting;
}

TEST(AtomicFileWriter, TemporaryFileIsPrivateUntilItTakesTheProjectsMode) {
    const struct {
        std::optional<mode_t> existing;  // none: a new file
        mode_t umask, expected;
    } cases[] = {
        {0644, 022, 0644}, {0640, 022, 0640}, {0600, 0, 0600}, {0664, 077, 0664},
        {{}, 022, 0644},   {{}, 077, 0600},   {{}, 002, 0664}, {{}, 027, 0640},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.file("project.prj");
        if (c.existing) {
            writeBytes(path, "old");
            ::chmod(path.c_str(), *c.existing);
        }
        const ScopedUmask mask(c.umask);
        EXPECT_EQ(saveAndWatchMode(path), 0600u) << std::oct << c.expected;
        EXPECT_EQ(modeOf(path), c.expected) << std::oct << c.expected << " umask " << c.umask;
        EXPECT_EQ(readBytes(path), "new");
    }
}

TEST(AtomicFileWriter, AnotherUsersSharedFileKeepsItsGroupAndMode) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as two users";
    TempDir dir;
    ::chmod(dir.path().c_str(), 0777);
    const std::string path = dir.file("shared.prj");
    writeBytes(path, "old");
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);  // another user's, group 65534
    ::chmod(path.c_str(), 0666);
    // A second user who belongs to that group saves over it.
    const pid_t child = ::fork();
    if (child == 0) {
        const gid_t groups[] = {65534};
        const bool ok = ::setgroups(1, groups) == 0 && ::setgid(65533) == 0 && ::setuid(65533) == 0;
        if (!ok) ::_exit(2);
        try {
            AtomicFileWriter out(path);
            out.write("new");
            out.commit();
        } catch (...) {
            ::_exit(3);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65533u);  // the saver's now: only root gives a file away
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0666u);
    EXPECT_EQ(readBytes(path), "new");
}

pid_t deadPid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

std::set<std::string> namesIn(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        names.insert(e.path().filename().string());
    return names;
}

TEST(AtomicFileWriter, RemovesLeftoversOfDeadSavesOfTheSameFileOnly) {
    TempDir dir;
    const std::string dead = std::to_string(deadPid());
    const std::string self = std::to_string(::getpid());
    const std::set<std::string> kept = {
        "project.prj",
        ".project.prj.saving-" + self + "-99",  // a save still running in this process
        ".project.prj.saving-1-3",              // pid 1 lives, whoever owns it
        ".other.prj.saving-" + dead + "-0",     // another project's
        ".project.prj.saving-" + dead + "-x",   // not a name a save gives
        ".project.prj.saving-" + dead,
        ".project.prj.saving--1-0",
        "project.prj.saving-" + dead + "-0",
        ".project.prj.saving-" + dead + "-5.bak",
    };
    for (const std::string& name : kept) writeBytes(dir.file(name), "x");
    const std::string leftoverDir = ".project.prj.saving-" + dead + "-7";
    std::filesystem::create_directory(dir.path() / leftoverDir);
    for (const char* n : {"-0", "-12"})
        writeBytes(dir.file(".project.prj.saving-" + dead + n), "x");

    AtomicFileWriter out(dir.file("project.prj"));
    const std::string temporary = std::filesystem::path(out.temporaryPath()).filename().string();
    out.write("new");
    out.commit();

    std::set<std::string> expected = kept;
    expected.insert(leftoverDir);  // only files are removed
    EXPECT_EQ(namesIn(dir), expected);
    EXPECT_TRUE(temporary.starts_with(".project.prj.saving-" + self + "-")) << temporary;
}

}  // namespace
}  // namespace quillet
