#include "recovery/Backups.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "recovery/RecoveryHarness.h"
#include "support/DeadProcess.h"

namespace quillet {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::RecoveryHarness;
using test::writeBytes;
using test::writeProjectFile;

// The versions of a project, oldest first.
std::vector<std::string> versionsOf(const Backups& backups, const std::string& path) {
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(backups.folderFor(path), ec))
        if (entry.path().extension() == ".prj") found.push_back(entry.path().string());
    std::sort(found.begin(), found.end());
    return found;
}

TEST(Backups, EverySaveKeepsTheReplacedFileAndTheEleventhDropsTheOldest) {
    RecoveryHarness h;
    h.begin();
    const std::string path = h.dir.file("work.prj");
    h.prompts.savePaths = {path};
    h.app->saveProjectAs();  // a new file: nothing replaced, nothing kept
    Backups& backups = h.recovery->backups();
    EXPECT_TRUE(versionsOf(backups, path).empty());

    std::vector<std::string> replaced;
    for (int version = 1; version <= 11; ++version) {
        replaced.push_back(readBytes(path));
        h.edit("version " + std::to_string(version));
        h.advance(1);
        h.app->saveProject();
    }
    const std::vector<std::string> kept = versionsOf(backups, path);
    ASSERT_EQ(kept.size(), 10u);
    for (size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(readBytes(kept[i]), replaced[i + 1]) << kept[i];
        const auto info = readSidecar(kept[i].substr(0, kept[i].size() - 4) + ".info");
        ASSERT_TRUE(info);
        EXPECT_EQ(info->path, path);
    }
    // Named after the project and the time of the save that replaced it.
    EXPECT_EQ(fs::path(kept.back()).filename(), "work 2026-12-07 12-00-11.000.prj");
    EXPECT_EQ(fs::path(kept.back()).parent_path().filename().string().rfind("work.prj-", 0), 0u);
    EXPECT_TRUE(h.statuses.empty());
}

TEST(Backups, SaveAsOverAnotherFileKeepsThatFileInItsOwnFolder) {
    RecoveryHarness h;
    h.begin();
    fs::create_directories(h.dir.file("a"));
    fs::create_directories(h.dir.file("b"));
    const std::string a = h.dir.file("a/work.prj");
    const std::string b = h.dir.file("b/work.prj");
    writeProjectFile(a, "A");
    writeProjectFile(b, "B");
    const std::string bytesA = readBytes(a);
    const std::string bytesB = readBytes(b);
    h.prompts.savePaths = {a, b};
    h.app->saveProjectAs();
    h.app->saveProjectAs();
    Backups& backups = h.recovery->backups();
    ASSERT_NE(backups.folderFor(a), backups.folderFor(b));
    ASSERT_EQ(versionsOf(backups, a).size(), 1u);
    ASSERT_EQ(versionsOf(backups, b).size(), 1u);
    EXPECT_EQ(readBytes(versionsOf(backups, a)[0]), bytesA);
    EXPECT_EQ(readBytes(versionsOf(backups, b)[0]), bytesB);
}

TEST(Backups, AnImportKeepsAnOldFileBeforeItsConversionReplacesIt) {
    RecoveryHarness h;
    h.begin();
    const std::string old = h.dir.file("jobs.prj");
    const std::string original = "Task #\aHours\r\n1\a2.5\r\n";
    writeBytes(old, original);
    h.prompts.yesNoAnswers = {false};
    h.prompts.openPaths = {old};
    h.app->importOldFile();
    const std::vector<std::string> kept = versionsOf(h.recovery->backups(), old);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(readBytes(kept[0]), original);
    EXPECT_EQ(h.app->statusMessage(),
              "Converted to the new format; the original was kept as " + kept[0]);
    EXPECT_EQ(h.grid().cellText(1, 1), "2.5");
}

TEST(Backups, UnchangedAndFailedSavesKeepTheHistory) {
    RecoveryHarness h;
    h.begin();
    const std::string path = h.dir.file("work.prj");
    h.prompts.savePaths = {path};
    h.app->saveProjectAs();
    for (int version = 1; version <= 3; ++version) {
        h.edit("version " + std::to_string(version));
        h.advance(1);
        h.app->saveProject();
    }
    Backups& backups = h.recovery->backups();
    const std::vector<std::string> history = versionsOf(backups, path);
    ASSERT_EQ(history.size(), 3u);

    // Ten saves without a change: one more version (the last save's), never ten.
    for (int i = 0; i < 10; ++i) {
        h.advance(1);
        h.app->saveProject();
    }
    std::vector<std::string> kept = versionsOf(backups, path);
    ASSERT_EQ(kept.size(), 4u);
    EXPECT_TRUE(std::equal(history.begin(), history.end(), kept.begin()));

    // Saves that fail leave the versions as they were. A file size limit fails them even
    // for root: the backup (the old, shorter file) fits under it, the new table does not.
    h.edit(std::string(4096, 'x'));
    const auto limit = static_cast<rlim_t>(fs::file_size(path) + 1024);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &small);
    for (int i = 0; i < 10; ++i) {
        h.advance(1);
        EXPECT_THROW(h.app->project().saveProject(), std::exception);
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(versionsOf(backups, path), kept);

    // A backup killed midway left its temporary file: the next save removes it, and leaves
    // a running writer's alone.
    const std::string folder = backups.folderFor(path);
    const std::string dead =
        folder + "/.work x.prj.saving-" + std::to_string(test::deadPid()) + "-0";
    const std::string live = folder + "/.work y.prj.saving-" + std::to_string(::getppid()) + "-0";
    writeBytes(dead, "partial");
    writeBytes(live, "partial");
    h.edit("saved at last");
    h.app->saveProject();
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(live));
}

TEST(Backups, APlantedLinkTurnsBackupsOffAndTouchesNothingThere) {
    RecoveryHarness h;
    h.begin();
    const std::string path = h.dir.file("work.prj");
    h.prompts.savePaths = {path};
    h.app->saveProjectAs();
    h.edit("one");
    h.app->saveProject();
    Backups& backups = h.recovery->backups();
    const std::vector<std::string> kept = versionsOf(backups, path);
    ASSERT_EQ(kept.size(), 1u);
    struct stat st {};
    for (const std::string& file : {kept[0], kept[0].substr(0, kept[0].size() - 4) + ".info"}) {
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0600u) << file;  // the user's data, theirs alone
    }

    // The project's folder replaced by a link to unrelated files that look like versions.
    const std::string folder = backups.folderFor(path);
    fs::remove_all(folder);
    const std::string other = h.dir.file("other");
    fs::create_directory(other);
    ::chmod(other.c_str(), 0755);
    for (int i = 0; i < 12; ++i) writeBytes(other + "/file " + std::to_string(i) + ".prj", "x");
    fs::create_directory_symlink(other, folder);
    for (int i = 0; i < 2; ++i) {
        h.edit("saved " + std::to_string(i));
        h.app->saveProject();
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(other), fs::directory_iterator()), 12);
    ::stat(other.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0755u);
    EXPECT_EQ(h.statuses,
              std::vector<std::string>{"Backups are off: " + folder + " is not private"});
}

TEST(Backups, ABackupThatCannotBeMadeNeverFailsTheSave) {
    RecoveryHarness h;
    // The backups folder cannot be made, even for root: its parent is a file.
    writeBytes(h.dir.file("data"), "in the way");
    h.begin();
    const std::string path = h.dir.file("work.prj");
    h.prompts.savePaths = {path};
    h.app->saveProjectAs();
    h.edit("changed");
    h.app->saveProject();
    EXPECT_TRUE(h.project().isSaved());
    EXPECT_EQ(readBytes(path), h.tableBytes());
    ASSERT_EQ(h.statuses.size(), 1u);
    EXPECT_EQ(h.statuses[0], "Backup skipped: Cannot create folder " + h.dir.file("data") +
                                 "/Quillet: Not a directory");
}

TEST(Backups, ALargeProjectIsKeptAtMostOnceADay) {
    test::TempDir dir;
    const std::string path = dir.file("big.prj");
    const std::string small = dir.file("small.prj");
    writeBytes(path, std::string(101, 'x'));
    writeBytes(small, std::string(100, 'x'));
    Backups backups(dir.file("backups"), currentProcess(), 100);
    const double day = 46363.5;
    const struct {
        double at;
        bool bigKept;
    } saves[] = {{day, true},
                 {day + 0.5, false},
                 {day + 0.999, false},
                 {day + 1.0, true},
                 {day - 3, true}};  // a clock set back: better one too many
    char version = 'a';
    for (const auto& save : saves) {
        // Each save replaces other bytes: an unchanged file is never kept twice.
        writeBytes(path, std::string(101, version));
        writeBytes(small, std::string(100, version++));
        EXPECT_EQ(!backups.keep(path, save.at).empty(), save.bigKept) << save.at;
        EXPECT_FALSE(backups.keep(small, save.at).empty()) << save.at;
    }
    EXPECT_EQ(versionsOf(backups, path).size(), 3u);
    EXPECT_EQ(versionsOf(backups, small).size(), 5u);
    EXPECT_EQ(backups.keep(dir.file("missing.prj"), day), "");
}

TEST(Backups, VersionsAreListedNewestFirstWithTheirTimesAndSizesAndNothingElse) {
    test::TempDir dir;
    const std::string path = dir.file("work.prj");
    Backups backups(dir.file("backups"), currentProcess());
    EXPECT_TRUE(backups.versionsOf(path).empty());  // no folder yet

    const double day = 46363.5;  // 2026-12-07 12:00
    const struct {
        double at;
        std::string bytes;
    } saves[] = {{day, "first"}, {day + 2.0 / 24, "second, later"}, {day - 1, "a clock set back"}};
    for (const auto& save : saves) {
        writeBytes(path, save.bytes);
        ASSERT_FALSE(backups.keep(path, save.at).empty());
    }
    const std::string folder = backups.folderFor(path);
    for (const char* stray :
         {".work 2026-12-08 10-00-00.000.prj.saving-1-1", "notes.txt", "work.prj",
          "work 2026-02-30 10-00-00.000.prj", "work 2026-12-08 9-00-00.000.prj"})
        writeBytes(folder + "/" + stray, "not a version");

    const std::vector<BackupVersion> versions = backups.versionsOf(path);
    ASSERT_EQ(versions.size(), 3u);
    const struct {
        const char* name;
        double time;
        std::uintmax_t size;
    } expected[] = {{"work 2026-12-07 14-00-00.000.prj", day + 2.0 / 24, 13},
                    {"work 2026-12-07 12-00-00.000.prj", day, 5},
                    {"work 2026-12-06 12-00-00.000.prj", day - 1, 16}};
    for (std::size_t i = 0; i < versions.size(); ++i) {
        EXPECT_EQ(versions[i].path, folder + "/" + expected[i].name);
        EXPECT_NEAR(versions[i].time, expected[i].time, 0.5 / 86400000) << expected[i].name;
        EXPECT_EQ(versions[i].size, expected[i].size) << expected[i].name;
    }
}

// Each new version is kept, whatever time its name carries; the oldest made go first.
TEST(Backups, AClockSetBackNeverDropsTheVersionsJustMade) {
    test::TempDir dir;
    const std::string path = dir.file("work.prj");
    Backups backups(dir.file("backups"), currentProcess());
    const double day = 46363.5;
    std::vector<std::string> made;
    for (int i = 0; i < Backups::kVersionsKept + 3; ++i) {
        writeBytes(path, "version " + std::to_string(i));
        // Saves an hour apart, then the clock goes back a day.
        const double at = i < Backups::kVersionsKept ? day + i / 24.0 : day - 1 + i / 24.0;
        made.push_back(backups.keep(path, at));
        backups.saved(path, made.back());
    }
    std::vector<std::string> newest(made.end() - Backups::kVersionsKept, made.end());
    std::sort(newest.begin(), newest.end());
    EXPECT_EQ(versionsOf(backups, path), newest);
}

// The watcher's reload keeps the table first, and never takes a file that is no project.
TEST(Backups, AReloadKeepsTheTableAndAForeignReplacementIsNotReloaded) {
    RecoveryHarness h;
    h.begin();
    const std::string path = h.dir.file("work.prj");
    writeProjectFile(path, "Mine");
    h.prompts.yesNoAnswers = {false};
    h.prompts.openPaths = {path};
    h.app->openProject();
    const std::string mine = h.tableBytes();

    writeBytes(path, std::string("\x8f\x03random\0bytes", 14));
    h.app->reloadIfChangedOnDisk();
    EXPECT_EQ(h.app->statusMessage(),
              "\xE2\x80\x9Cwork.prj\xE2\x80\x9D changed on disk but is not a project file; "
              "the table was kept");
    EXPECT_EQ(h.tableBytes(), mine);

    writeProjectFile(path, "Theirs");
    h.app->reloadIfChangedOnDisk();
    EXPECT_EQ(h.grid().cellText(Description, 1), "Theirs");
    const std::vector<BackupVersion> versions = h.recovery->backups().versionsOf(path);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(readBytes(versions[0].path), mine);
}

// Yes to the save question keeps one more version, which drops the oldest: the one chosen.
TEST(Backups, TheOldestVersionOpensAfterTheSaveThatDropsItAndACrashKeepsIt) {
    RecoveryHarness h;
    h.begin();
    const std::string path = h.dir.file("work.prj");
    h.prompts.savePaths = {path};
    h.app->saveProjectAs();
    for (int version = 1; version <= Backups::kVersionsKept; ++version) {
        h.edit("version " + std::to_string(version));
        h.advance(1);
        h.app->saveProject();
    }
    const std::vector<BackupVersion> versions = h.recovery->backups().versionsOf(path);
    ASSERT_EQ(versions.size(), static_cast<std::size_t>(Backups::kVersionsKept));
    const std::string oldest = versions.back().path;
    const std::string oldestBytes = readBytes(oldest);
    h.edit("unsaved");
    h.prompts.yesNoAnswers = {true};
    h.app->openBackup(oldest);
    EXPECT_FALSE(fs::exists(oldest));
    EXPECT_EQ(h.tableBytes(), oldestBytes);

    h.advance(Recovery::kQuiet);
    h.tick();
    ASSERT_TRUE(h.hasCopy());
    EXPECT_EQ(readBytes(h.recovery->copyPath()), oldestBytes);
    const auto info = readSidecar(h.recovery->sidecarPath());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->title, path);
    EXPECT_EQ(info->path, path);
}

}  // namespace
}  // namespace quillet
