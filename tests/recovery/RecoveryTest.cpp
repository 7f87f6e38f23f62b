#include "recovery/Recovery.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "formats/FileStamp.h"
#include "recovery/RecoveryHarness.h"
#include "recovery/Sidecar.h"
#include "support/DeadProcess.h"

namespace quillet {
namespace {

using test::readBytes;
using test::RecoveryHarness;
using test::writeBytes;
using test::writeProjectFile;

// The run of a program that has ended: its copies are up for recovery.
ProcessIdentity endedRun() {
    return {test::deadPid(), {}, {}};
}

TEST(RecoveryTiming, CopiesFollowAPauseOrComeWithinHalfAMinuteAndNeverCloserThanFiveSeconds) {
    struct Step {
        double at;  // seconds after start
        char what;  // 'e' edit, 't' timer tick
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<double> writes;  // the ticks that wrote a copy
    };
    std::vector<Step> typing;  // a change every second for 40 seconds, the timer in step
    for (int s = 0; s <= 40; ++s) typing.insert(typing.end(), {{s + 0.0, 'e'}, {s + 0.5, 't'}});
    const Case cases[] = {
        {"one change waits for a pause", {{0, 'e'}, {1, 't'}, {1.9, 't'}, {2, 't'}, {3, 't'}}, {2}},
        {"steady typing is kept 25 s after its first change", typing, {25.5}},
        {"never sooner than 5 s after the last copy",
         {{0, 'e'}, {2, 't'}, {3, 'e'}, {5, 't'}, {6.9, 't'}, {7, 't'}, {20, 't'}},
         {2, 7}},
        {"no change, no copy", {{0, 't'}, {10, 't'}, {60, 't'}}, {}},
        {"a clock set back does not hold copies up",
         {{0, 'e'}, {2, 't'}, {3, 'e'}, {-3600, 't'}},
         {2, -3600}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecoveryHarness h;
        h.begin();
        const double start = h.clock.value;
        std::vector<double> writes;
        double lastCopyTime = -1;
        for (const Step& step : c.steps) {
            h.clock.value = start + step.at / 86400;
            if (step.what == 'e') {
                h.edit("change at " + std::to_string(step.at));
                continue;
            }
            h.tick();
            const auto info = readSidecar(h.recovery->sidecarPath());
            if (info && info->time != lastCopyTime) {
                lastCopyTime = info->time;
                writes.push_back(step.at);
            }
        }
        EXPECT_EQ(writes, c.writes);
    }
}

TEST(RecoveryCopy, HoldsTheTableAsSaveWouldWriteItAndWhatItWasKeptFor) {
    RecoveryHarness h;
    h.begin();
    const std::string path = h.dir.file("work.prj");
    h.prompts.savePaths = {path};
    h.app->saveProjectAs();
    h.app->addTask();
    h.edit("first line\r\nsecond, with a comma");
    h.grid().setColWidth(5, 200);
    h.advance(3);
    h.tick();
    ASSERT_TRUE(h.hasCopy());
    EXPECT_EQ(readBytes(h.recovery->copyPath()), h.tableBytes());
    const auto info = readSidecar(h.recovery->sidecarPath());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->path, path);
    EXPECT_EQ(info->title, path);
    EXPECT_EQ(info->pid, static_cast<long>(::getpid()));
    EXPECT_NEAR(info->time, h.clock.value, 1e-8);  // to the millisecond
}

TEST(RecoveryCopy, GoesWithASaveNewOrOpenAndANormalExitButNotWithACancelledCommand) {
    struct Case {
        const char* name;
        std::function<void(RecoveryHarness&)> action;
        bool copyStays;
    };
    const Case cases[] = {
        {"Save", [](RecoveryHarness& h) { h.app->saveProject(); }, false},
        {"Save As",
         [](RecoveryHarness& h) {
             h.prompts.savePaths = {h.dir.file("other.prj")};
             h.app->saveProjectAs();
         },
         false},
        {"New after No to the save question",
         [](RecoveryHarness& h) {
             h.prompts.yesNoAnswers = {false};
             h.app->newProject();
         },
         false},
        {"Open after No to the save question",
         [](RecoveryHarness& h) {
             writeProjectFile(h.dir.file("b.prj"), "B");
             h.prompts.yesNoAnswers = {false};
             h.prompts.openPaths = {h.dir.file("b.prj")};
             h.app->openProject();
         },
         false},
        {"a normal exit", [](RecoveryHarness& h) { h.recovery->normalExit(); }, false},
        {"Open cancelled in its dialog",
         [](RecoveryHarness& h) {
             h.prompts.yesNoAnswers = {false};
             h.prompts.openPaths = {std::nullopt};
             h.app->openProject();
         },
         true},
        {"Open of a file that cannot be read",
         [](RecoveryHarness& h) {
             h.prompts.yesNoAnswers = {false};
             h.prompts.openPaths = {h.dir.file("missing.prj")};
             EXPECT_THROW(h.app->openProject(), CellGridError);
         },
         true},
        {"a Save that fails",
         [](RecoveryHarness& h) {
             h.prompts.savePaths = {h.dir.file("no-such-folder/x.prj")};
             EXPECT_THROW(h.app->saveProjectAs(), CellGridError);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecoveryHarness h;
        h.begin();
        h.prompts.savePaths = {h.dir.file("work.prj")};
        h.app->saveProjectAs();
        h.edit("unsaved work");
        h.advance(3);
        h.tick();
        ASSERT_TRUE(h.hasCopy());
        c.action(h);
        h.recovery->waitIdle();
        EXPECT_EQ(h.hasCopy(), c.copyStays);
        EXPECT_EQ(h.recoveryFiles().size(), c.copyStays ? 2u : 0u);
    }
}

TEST(RecoveryCopy, ACopyStillBeingWrittenWhenTheProjectIsSavedDoesNotComeBack) {
    RecoveryHarness h;
    h.begin();
    h.prompts.savePaths = {h.dir.file("work.prj")};
    h.app->saveProjectAs();
    h.edit("unsaved work");
    h.advance(3);
    h.recovery->tick();  // starts the write, does not wait for it
    h.app->saveProject();
    h.recovery->waitIdle();
    EXPECT_EQ(h.recoveryFiles(), std::vector<std::string>{});
    // The next change is kept again.
    h.edit("more work");
    h.advance(6);
    h.tick();
    EXPECT_TRUE(h.hasCopy());
    EXPECT_TRUE(h.statuses.empty());
}

TEST(RecoveryCopy, AFailedWriteIsReportedOnceAndTriedAgainAtTheNextChange) {
    RecoveryHarness h;
    // A file where the state folder should be: no folder can be made below it.
    writeBytes(h.dir.file("state"), "in the way");
    h.begin();
    h.edit("one");
    h.advance(3);
    h.tick();
    ASSERT_EQ(h.statuses.size(), 1u);
    EXPECT_TRUE(h.statuses[0].starts_with("Recovery copy not written: ")) << h.statuses[0];
    h.edit("two");
    h.advance(10);
    h.tick();
    EXPECT_EQ(h.statuses.size(), 1u);  // still failing, not reported again

    std::filesystem::remove(h.dir.file("state"));
    h.advance(60);
    h.tick();
    EXPECT_FALSE(h.hasCopy());  // no change since the failure: nothing to try
    h.edit("three");
    h.advance(3);
    h.tick();
    EXPECT_TRUE(h.hasCopy());
    EXPECT_EQ(h.statuses.size(), 1u);
}

TEST(RecoveryOffer, NoDiscardsTheCopyAndIsNotAskedAgain) {
    RecoveryHarness h;
    h.begin(endedRun());
    h.edit("lost work");
    h.advance(3);
    h.tick();
    h.crash();

    h.prompts.yesNoAnswers = {false};
    EXPECT_EQ(offerRecovery(h.dirs.recovery, h.prompts, test::usLocale()), std::nullopt);
    EXPECT_EQ(h.prompts.questions,
              std::vector<std::string>{"Quillet1 did not close normally. Recover the unsaved "
                                       "changes to Untitled Project from 12/7/2026 12:00?"});
    EXPECT_EQ(h.recoveryFiles(), std::vector<std::string>{});
    // Nothing left to ask about (the fake throws at a question it has no answer for).
    EXPECT_EQ(offerRecovery(h.dirs.recovery, h.prompts, test::usLocale()), std::nullopt);
}

TEST(RecoveryOffer, YesRestoresTheTableItsTitleAndFileNameUnsavedAndKeepsItSafe) {
    RecoveryHarness h;
    h.begin(endedRun());
    const std::string path = h.dir.file("work.prj");
    h.prompts.savePaths = {path};
    h.app->saveProjectAs();
    const std::string savedBytes = readBytes(path);
    h.app->addTask();
    h.edit("an hour of unsaved work\r\nin two lines");
    h.advance(3);
    h.tick();
    const std::string table = h.tableBytes();
    h.crash();

    h.begin();
    h.prompts.yesNoAnswers = {true};
    const std::optional<RecoveryCopy> copy =
        offerRecovery(h.dirs.recovery, h.prompts, test::usLocale());
    ASSERT_TRUE(copy);
    EXPECT_EQ(h.prompts.questions.back(),
              "Quillet1 did not close normally. Recover the unsaved "
              "changes to " +
                  path + " from 12/7/2026 12:00?");
    h.recovery->restore(*copy);
    EXPECT_EQ(h.tableBytes(), table);
    EXPECT_EQ(h.project().title(), path);
    EXPECT_EQ(h.project().fileName(), path);
    EXPECT_FALSE(h.project().isSaved());
    EXPECT_EQ(readBytes(path), savedBytes);  // the user decides where it goes
    // This run holds the copy now: another crash still has it, under this run's name.
    EXPECT_FALSE(std::filesystem::exists(copy->copyPath));
    EXPECT_FALSE(std::filesystem::exists(copy->sidecarPath));
    EXPECT_EQ(readBytes(h.recovery->copyPath()), table);
    EXPECT_EQ(readSidecar(h.recovery->sidecarPath())->pid, static_cast<long>(::getpid()));

    // A file named on the command line waits for the save question: Cancel keeps the
    // recovered work and its copy; Yes saves it, then the file opens and the copy goes.
    const std::string other = h.dir.file("other.prj");
    test::writeProjectFile(other, "Other");
    h.prompts.yesNoAnswers = {Answer::Cancel};
    h.app->openAtStartUp(other);
    EXPECT_EQ(h.tableBytes(), table);
    EXPECT_TRUE(h.hasCopy());
    h.prompts.yesNoAnswers = {true};
    h.app->openAtStartUp(other);
    h.recovery->waitIdle();
    EXPECT_EQ(readBytes(path), table);
    EXPECT_EQ(h.project().title(), other);
    EXPECT_EQ(h.recoveryFiles(), std::vector<std::string>{});
}

// A booking is in the log when it is made, and in a copy at the next tick: no pause first.
TEST(RecoveryTiming, ABookingIsCopiedAtTheNextTick) {
    RecoveryHarness h;
    h.begin();
    h.app->selectCell(Hours, 1);
    h.app->timer().startTimer();
    h.advance(120);
    h.app->timer().addTimerToHours();
    h.tick();
    CellGrid copy;
    loadCellsFromFile(copy, h.recovery->copyPath());
    EXPECT_EQ(copy.cellText(Hours, 1), "0.03");
}

// The time the program was down counts only once the user says so: the log's question.
TEST(RecoveryOffer, TheStopwatchComesBackWithItsTaskAsTheLogsQuestionSays) {
    RecoveryHarness h;
    h.begin(endedRun());
    h.edit("Write report");
    h.app->selectCell(Hours, 1);
    h.app->timer().startTimer();
    h.advance(600);
    h.tick();
    h.crash();

    h.begin();
    h.prompts.yesNoAnswers = {true};
    const auto copy = offerRecovery(h.dirs.recovery, h.prompts, test::usLocale());
    ASSERT_TRUE(copy && copy->info.stopwatch);
    h.advance(60);
    h.prompts.choices = {0};  // Resume
    h.recovery->restore(*copy);
    EXPECT_EQ(h.prompts.questions.back(),
              "Task 1 \u201cWrite report\u201d was being timed from 12:00 until Quillet1 stopped "
              "(last seen 12:00).");
    EXPECT_TRUE(h.app->timer().stopWatch().running());
    EXPECT_EQ(h.app->timer().timingText(), "Timing task 1: Write report");
    EXPECT_NEAR(h.app->timer().stopWatch().elapsedTime() * 86400, 660, 0.01);
    // A note written before the stopwatch was kept still reads, without one.
    EXPECT_FALSE(parseSidecar("Quillet1 sidecar 1\npid=12\ntime=1.5")->stopwatch);
}

// Two copies of the program starting at once: the one that claimed the copy offers it, the
// other offers nothing; the claim goes with its holder.
TEST(RecoveryOffer, ACopyIsOfferedByOneStartingProgramOnly) {
    RecoveryHarness h;
    h.begin(endedRun());
    h.edit("Write report");
    h.advance(30);
    h.tick();
    h.crash();
    h.prompts.yesNoAnswers = {true};
    std::optional<RecoveryCopy> first = offerRecovery(h.dirs.recovery, h.prompts, test::usLocale());
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(offerRecovery(h.dirs.recovery, h.prompts, test::usLocale()), std::nullopt);
    EXPECT_EQ(h.prompts.questions.size(), 1u);
    first.reset();  // its holder ended without taking it over
    h.prompts.yesNoAnswers = {true};
    EXPECT_TRUE(offerRecovery(h.dirs.recovery, h.prompts, test::usLocale()).has_value());
}

TEST(RecoveryOffer, APlantedLinkIsNeverOfferedNorTouched) {
    RecoveryHarness h;
    makePrivateDirectory(h.dirs.recovery);
    const std::string victim = h.dir.file("victim.txt");
    writeBytes(victim, "someone else's file");
    const std::string stem = h.dirs.recovery + "/" + std::to_string(test::deadPid()) + "-1";
    writeSidecar(stem + ".info", {"", "Untitled Project", test::deadPid(), 46363.5, {}, {}});
    ::symlink(victim.c_str(), (stem + ".prj").c_str());
    EXPECT_TRUE(abandonedCopies(h.dirs.recovery).empty());
    EXPECT_EQ(readBytes(victim), "someone else's file");
    // Neither a sidecar nor a copy's proof is read through a link.
    const std::string realSidecar = h.dir.file("real.info");
    writeSidecar(realSidecar, {"", "Untitled Project", test::deadPid(), 46363.5, {}, {}});
    ::symlink(realSidecar.c_str(), (h.dirs.recovery + "/linked.info").c_str());
    EXPECT_FALSE(readSidecar(h.dirs.recovery + "/linked.info"));
    EXPECT_FALSE(stampFile(stem + ".prj", Links::Refuse));
    EXPECT_TRUE(stampFile(stem + ".prj", Links::Follow));
}

TEST(RecoveryOffer, ACutCopyIsKeptAsideAndOlderCopiesAreCounted) {
    RecoveryHarness h;
    const auto crashWith = [&](const std::string& text) {
        h.begin(endedRun());
        h.edit(text);
        h.advance(3);
        h.tick();
        h.crash();
    };
    crashWith("first");
    h.advance(60);
    crashWith("second");
    h.advance(60);
    crashWith("third, cut short");
    std::vector<RecoveryCopy> copies = abandonedCopies(h.dirs.recovery);
    ASSERT_EQ(copies.size(), 3u);
    const std::string cut = copies.front().copyPath;
    const std::string bytes = readBytes(cut);
    writeBytes(cut, bytes.substr(0, bytes.size() - 5));  // cut mid-cell

    h.begin();
    h.prompts.yesNoAnswers = {false};
    offerRecovery(h.dirs.recovery, h.prompts, test::usLocale());
    const std::string damaged = h.dirs.recovery + "/damaged";
    EXPECT_EQ(h.prompts.messages,
              std::vector<std::string>{"The recovery copy of Untitled Project from 12/7/2026 "
                                       "12:02 is damaged; it was kept in " +
                                       damaged});
    EXPECT_EQ(readBytes(damaged + "/" + std::filesystem::path(cut).filename().string()),
              bytes.substr(0, bytes.size() - 5));
    EXPECT_EQ(h.prompts.questions.back(),
              "Quillet1 did not close normally. Recover the unsaved changes to Untitled Project "
              "from 12/7/2026 12:01? (An older copy of it is kept too.)");
}

// A note that does not read (here a time no clock gives) would leave its copy never offered.
TEST(RecoveryOffer, ANoteThatDoesNotReadIsKeptAsideWithItsCopy) {
    for (const char* time : {"1e300", "nan", "-inf", "1e20", "-1e7", "46363.5x"}) {
        RecoveryHarness h;
        h.begin(endedRun());
        h.edit("work");
        h.advance(3);
        h.tick();
        h.crash();
        const std::vector<RecoveryCopy> copies = abandonedCopies(h.dirs.recovery);
        ASSERT_EQ(copies.size(), 1u);
        const RecoveryCopy copy = copies.front();
        std::string note = readBytes(copy.sidecarPath);
        const std::size_t at = note.find("\ntime=") + 6;
        note.replace(at, note.find('\n', at) - at, time);
        writeBytes(copy.sidecarPath, note);
        // Nor is such a time ever written.
        Sidecar info = copy.info;
        info.time = std::strtod(time, nullptr);
        if (!std::string_view(time).ends_with('x')) {
            EXPECT_THROW(formatSidecar(info), std::range_error) << time;
        }

        h.begin();
        EXPECT_FALSE(offerRecovery(h.dirs.recovery, h.prompts, test::usLocale())) << time;
        const std::string damaged = h.dirs.recovery + "/damaged";
        const std::string name = std::filesystem::path(copy.sidecarPath).filename().string();
        EXPECT_EQ(h.prompts.messages, std::vector<std::string>{"The recovery note " + name +
                                                               " is damaged; it and its copy "
                                                               "were kept in " +
                                                               damaged});
        EXPECT_EQ(readBytes(damaged + "/" + name), note);
        EXPECT_TRUE(std::filesystem::exists(
            damaged + "/" + std::filesystem::path(copy.copyPath).filename().string()));
    }
}

TEST(RecoveryOffer, ARunningProgramsCopyIsLeftAloneAndTheNewestEndedOneIsOffered) {
    RecoveryHarness h;
    const auto keepCopy = [&h](ProcessIdentity run, const std::string& title) {
        h.begin(std::move(run));
        h.project().setTitle(title);
        h.edit(title);
        h.advance(60);
        h.tick();
        h.crash();
    };
    keepCopy(endedRun(), "older");
    keepCopy(endedRun(), "newer");
    ProcessIdentity reusedId = currentProcess();
    reusedId.startTime = "1";  // this process's id, but another process's start
    keepCopy(reusedId, "reused");
    keepCopy(currentProcess(), "running");  // a second window, still open
    const std::vector<std::string> before = h.recoveryFiles();
    ASSERT_EQ(before.size(), 8u);

    h.prompts.yesNoAnswers = {false, false, false};
    for (int i = 0; i < 4; ++i) offerRecovery(h.dirs.recovery, h.prompts, test::usLocale());
    ASSERT_EQ(h.prompts.questions.size(), 3u);
    EXPECT_NE(h.prompts.questions[0].find(" to reused from "), std::string::npos);
    EXPECT_NE(h.prompts.questions[1].find(" to newer from "), std::string::npos);
    EXPECT_NE(h.prompts.questions[2].find(" to older from "), std::string::npos);
    EXPECT_EQ(h.recoveryFiles().size(), 2u);  // the running program's copy and sidecar
}

TEST(RecoveryOffer, LeftoversOfEndedRunsAreCleanedUpAndARunningOnesAreNot) {
    RecoveryHarness h;
    const long dead = test::deadPid();
    const std::string live = std::to_string(::getpid());
    std::filesystem::create_directories(h.dirs.recovery);
    const auto file = [&h](const std::string& name) { return h.dirs.recovery + "/" + name; };
    writeSidecar(file("gone.info"), {"", "Untitled Project", dead, 46363.5, {}, {}});
    writeBytes(file(".x.prj.saving-" + std::to_string(dead) + "-0"), "half");
    writeBytes(file(".y.prj.saving-" + live + "-0"), "half");
    writeBytes(file("notes.txt"), "not ours");
    EXPECT_TRUE(abandonedCopies(h.dirs.recovery).empty());
    EXPECT_EQ(h.recoveryFiles(),
              (std::vector<std::string>{".y.prj.saving-" + live + "-0", "notes.txt"}));
}

// Copies and backups that an earlier version left must be found under the same names.
TEST(RecoveryFileNames, StayAsEarlierVersionsWroteAndReadThem) {
    RecoveryHarness h;
    std::filesystem::create_directories(h.dirs.recovery);
    const auto name = [&h](const std::string& file) { return h.dirs.recovery + "/" + file; };
    const struct {
        ProcessIdentity run;
        const char* leftOver;  // a file already there
        const char* stem;
    } runs[] = {
        {{4242, "boot", "987"}, nullptr, "4242-987"},
        {{4242, "boot", ""}, nullptr, "4242-0"},
        {{4242, "boot", "987"}, "4242-987.info", "4242-987-2"},
        {{4242, "boot", "987"}, "4242-987-2.prj", "4242-987-3"},
    };
    for (const auto& run : runs) {
        if (run.leftOver) writeBytes(name(run.leftOver), "");
        Recovery& recovery = h.begin(run.run);
        EXPECT_EQ(recovery.copyPath(), name(std::string(run.stem) + ".prj"));
        EXPECT_EQ(recovery.sidecarPath(), name(std::string(run.stem) + ".info"));
    }

    const long dead = test::deadPid();
    writeSidecar(name("77-5.info"), {"", "Untitled Project", dead, 46363.5, {}, {}});
    writeBytes(name("77-5.prj"), "");
    const std::vector<RecoveryCopy> copies = abandonedCopies(h.dirs.recovery);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].copyPath, name("77-5.prj"));
    EXPECT_EQ(copies[0].sidecarPath, name("77-5.info"));

    // A project's versions go to a folder named after its file and a code of its path.
    EXPECT_EQ(h.recovery->backups().folderFor("/quillet-no-such-folder/work.prj"),
              h.dirs.backups + "/work.prj-90f0c59a0d48b411");
}

// Restore Backup's list: none for an untitled project, else read off the calling thread.
TEST(RecoveryBackups, AreListedWithTheirTasksOnTheBackgroundThread) {
    RecoveryHarness h;
    Recovery& recovery = h.begin();
    std::vector<BackupListing> listed(1);
    std::thread::id listedOn;
    const auto list = [&](std::vector<BackupListing> found) {
        listed = std::move(found);
        listedOn = std::this_thread::get_id();
    };
    recovery.listBackups(list);
    EXPECT_TRUE(listed.empty());
    h.prompts.savePaths = {h.dir.file("work.prj")};
    h.app->saveProjectAs();
    h.edit("changed");
    h.app->saveProject();  // keeps the first save
    recovery.listBackups(list);
    recovery.waitIdle();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].tasks, 1);
    EXPECT_NE(listedOn, std::this_thread::get_id());
}

}  // namespace
}  // namespace quillet
