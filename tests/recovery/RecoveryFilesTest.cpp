#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ports/DateTime.h"
#include "recovery/ProcessIdentity.h"
#include "recovery/RecoveryDirs.h"
#include "recovery/Sidecar.h"
#include "support/DeadProcess.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

using test::TempDir;
using test::writeBytes;

TEST(Sidecar, EveryFieldReadsBackWhateverBytesItHolds) {
    const std::string awkward[] = {
        "",
        "/home/ann/work.prj",
        "line one\nline two\r\nthree\rfour",
        "back\\slash \\n not a newline\\",
        "key=value=more",
        "Ünïcode — ✓",
        std::string("nul\0inside", 10),
    };
    for (const std::string& text : awkward) {
        SCOPED_TRACE(text);
        const Sidecar written{text, text + "!", 4242, 46363.123456789, text, "98765"};
        const std::string formatted = formatSidecar(written);
        // One line per field, whatever the values hold.
        EXPECT_EQ(std::count(formatted.begin(), formatted.end(), '\n'), 7);
        const std::optional<Sidecar> read = parseSidecar(formatted);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->path, written.path);
        EXPECT_EQ(read->title, written.title);
        EXPECT_EQ(read->pid, 4242);
        EXPECT_NEAR(read->time, written.time, 1e-9);
        EXPECT_EQ(read->bootId, written.bootId);
        EXPECT_EQ(read->startTime, "98765");
    }
}

TEST(Sidecar, TextsThatAreNoSidecarAreRefused) {
    const char* texts[] = {
        "",
        "7,5\r\ncw 0,42\r\n",                                // a project file
        "Quillet1 sidecar 1\npath=/a\ntitle=t\ntime=1.5\n",  // no pid
        "Quillet1 sidecar 1\npath=/a\npid=12\n",             // no time
        "Quillet1 sidecar 1\npid=twelve\ntime=1.5\n",        // a pid that is no number
        "Quillet1 sidecar 2\npid=12\ntime=1.5\n",            // another format
    };
    for (const char* text : texts) EXPECT_FALSE(parseSidecar(text)) << text;
    // Unknown keys, lines without "=" and a missing last line end are fine.
    const auto read = parseSidecar("Quillet1 sidecar 1\nfuture=x\njunk\npid=12\ntime=1.5");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->pid, 12);
}

TEST(RecoveryDirs, FollowTheXdgVariablesAndFallBackToHome) {
    struct Case {
        std::map<std::string, std::string> env;
        std::string recovery;
        std::string backups;
    };
    const Case cases[] = {
        {{{"HOME", "/home/ann"}},
         "/home/ann/.local/state/Quillet/recovery",
         "/home/ann/.local/share/Quillet/backups"},
        {{{"HOME", "/home/ann"}, {"XDG_STATE_HOME", "/s"}, {"XDG_DATA_HOME", "/d"}},
         "/s/Quillet/recovery",
         "/d/Quillet/backups"},
        // Relative values are not valid and are ignored.
        {{{"HOME", "/home/ann"}, {"XDG_STATE_HOME", "state"}, {"XDG_DATA_HOME", ""}},
         "/home/ann/.local/state/Quillet/recovery",
         "/home/ann/.local/share/Quillet/backups"},
        {{{"XDG_STATE_HOME", "/s"}}, "/s/Quillet/recovery", ""},
        {{}, "", ""},
    };
    for (const Case& c : cases) {
        const RecoveryDirs dirs = RecoveryDirs::fromEnvironment([&](const char* name) {
            const auto it = c.env.find(name);
            return it == c.env.end() ? nullptr : it->second.c_str();
        });
        EXPECT_EQ(dirs.recovery, c.recovery);
        EXPECT_EQ(dirs.backups, c.backups);
    }
}

TEST(RecoveryDirs, FoldersAreMadePrivateAndAFileInTheWayIsAnError) {
    TempDir dir;
    const std::string deep = dir.file("state/Quillet/recovery");
    makePrivateDirectory(deep);
    for (const std::string& folder : {dir.file("state"), dir.file("state/Quillet"), deep}) {
        struct stat st {};
        ASSERT_EQ(::stat(folder.c_str(), &st), 0) << folder;
        EXPECT_EQ(st.st_mode & 07777, 0700u) << folder;
    }
    // An existing folder that others may read is closed up.
    ::chmod(deep.c_str(), 0755);
    makePrivateDirectory(deep);
    struct stat st {};
    ::stat(deep.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0700u);

    writeBytes(dir.file("plain"), "x");
    EXPECT_THROW(makePrivateDirectory(dir.file("plain/backups")), std::runtime_error);
    EXPECT_THROW(makePrivateDirectory(dir.file("plain")), std::runtime_error);

    // A link to another folder, or another user's folder, is not private: refused, and the
    // folder it leads to keeps its mode.
    const std::string elsewhere = dir.file("elsewhere");
    ::mkdir(elsewhere.c_str(), 0755);
    ::symlink(elsewhere.c_str(), dir.file("linked").c_str());
    EXPECT_THROW(makePrivateDirectory(dir.file("linked")), PrivateFolderError);
    ::stat(elsewhere.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0755u);
    if (::geteuid() == 0) {
        const std::string foreign = dir.file("foreign");
        ::mkdir(foreign.c_str(), 0777);
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
        EXPECT_THROW(makePrivateDirectory(foreign), PrivateFolderError);
    }
}

TEST(ProcessIdentity, OnlyAProcessThatSurelyEndedCountsAsGone) {
    const ProcessIdentity self = currentProcess();
    ASSERT_FALSE(self.startTime.empty());  // Linux tells every process's start time
    ProcessIdentity otherBoot = self;
    otherBoot.bootId = "00000000-0000-0000-0000-000000000000";
    ProcessIdentity reusedId = self;
    reusedId.startTime = "1";
    const struct {
        ProcessIdentity process;
        bool running;
    } cases[] = {
        {self, true},
        {{self.pid, {}, {}}, true},  // nothing known but the id
        {{test::deadPid(), {}, {}}, false},
        {otherBoot, false},
        {reusedId, false},
        {{0, {}, {}}, false},   // would address a process group
        {{-1, {}, {}}, false},  // would address every process
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isRunning(c.process), c.running)
            << c.process.pid << " " << c.process.bootId << " " << c.process.startTime;
    }
}

TEST(DateTime, DecodeTimeGivesTheMillisecondAndNeverTheNextDay) {
    EXPECT_EQ(decodeTime(46363.5).hour, 12);
    const ClockTime t = decodeTime(46363 + encodeTime(23, 59, 58, 999));
    EXPECT_EQ(t.hour * 10000000 + t.minute * 100000 + t.second * 1000 + t.millisecond, 235958999);
    const ClockTime last = decodeTime(46363.99999999999);
    EXPECT_EQ(last.hour * 10000000 + last.minute * 100000 + last.second * 1000 + last.millisecond,
              235959999);
}

}  // namespace
}  // namespace quillet
