#include "app/Project.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/AppHarness.h"
#include "formats/ProjectFile.h"

#include "support/ErrorOf.h"

namespace quillet {
namespace {

using test::AppHarness;
using test::readBytes;
using test::writeProjectFile;
using Strings = std::vector<std::string>;

using test::errorOf;

TEST(ProjectReopenList, AFileThatIsNotAProjectOpensWithANoteAndIsNotListed) {
    AppHarness h;
    MainController& app = h.start();
    const std::string notes = h.dir.file("notes.txt"), work = h.dir.file("work.prj");
    test::writeBytes(notes, "Call the client\nSend the invoice\n");
    writeProjectFile(work, "Mine");
    for (const std::string& path : {notes, work}) {
        h.prompts.yesNoAnswers = {false};
        h.prompts.openPaths = {path};
        app.openProject();
    }
    app.openAtStartUp(notes);
    EXPECT_EQ(app.statusMessage(),
              "\xE2\x80\x9Cnotes.txt\xE2\x80\x9D does not look like a project file");
    EXPECT_EQ(h.shownReopenItems(), (Strings{work, "-", "-", "-", "-"}));
}

TEST(ProjectReopenList, FirstSaveAsWithAnEmptyStoreWritesOnlySlotOne) {
    AppHarness h;
    h.start();
    EXPECT_EQ(h.shownReopenItems(), Strings(5, "-"));
    const std::string first = h.dir.file("first.prj");
    h.prompts.savePaths = {first};
    EXPECT_TRUE(h.project().saveProjectAs());
    EXPECT_EQ(h.settings.writes, Strings{"reopenF1"});
    EXPECT_EQ(h.shownReopenItems(), (Strings{first, "-", "-", "-", "-"}));
    EXPECT_EQ(h.storedReopenKeys(), (Strings{first, "n/a", "n/a", "n/a", "n/a"}));
}

TEST(ProjectReopenList, SaveAsSaveOpenClearAndRestartKeepOneEntryPerSlot) {
    AppHarness h;
    Strings p;
    for (const char* name : {"A", "B", "C", "D", "E"}) {
        p.push_back(h.dir.file(std::string(name) + ".prj"));
        writeProjectFile(p.back(), name);
        h.settings.values[reopenKey(static_cast<int>(p.size()))] = p.back();
    }
    const std::string& a = p[0];
    const std::string& b = p[1];
    const std::string& c = p[2];
    const std::string& d = p[3];
    h.start();
    EXPECT_EQ(h.shownReopenItems(), p);

    const std::string n = h.dir.file("new.prj");
    h.prompts.savePaths = {n};
    h.app->saveProjectAs();
    EXPECT_EQ(h.shownReopenItems(), (Strings{n, a, b, c, d}));
    EXPECT_EQ(h.storedReopenKeys(), (Strings{n, a, b, c, d}));

    // Reopening leaves the order alone; saving the reopened file moves it to the top,
    // closes its old slot and leaves the slots below it as they were.
    h.app->openRecentFile(3);
    EXPECT_EQ(h.project().fileName(), b);
    EXPECT_EQ(h.grid().cellText(Description, 1), "B");
    EXPECT_EQ(h.shownReopenItems(), (Strings{n, a, b, c, d}));
    h.app->saveProject();
    EXPECT_EQ(h.shownReopenItems(), (Strings{b, n, a, c, d}));
    EXPECT_EQ(h.storedReopenKeys(), (Strings{b, n, a, c, d}));

    // The last slot's file opened from the dialog is listed once, at the top.
    h.prompts.openPaths = {d};
    h.app->openProject();
    EXPECT_EQ(h.shownReopenItems(), (Strings{d, b, n, a, c}));
    EXPECT_EQ(h.storedReopenKeys(), (Strings{d, b, n, a, c}));

    h.settings.writes.clear();
    h.app->clearRecentFiles();
    EXPECT_EQ(h.settings.writes,
              (Strings{"reopenF1", "reopenF2", "reopenF3", "reopenF4", "reopenF5"}));
    EXPECT_EQ(h.storedReopenKeys(), Strings(5, ""));
    EXPECT_EQ(h.shownReopenItems(), Strings(5, "-"));
    h.start();
    EXPECT_EQ(h.shownReopenItems(), Strings(5, "-"));
}

TEST(ProjectReopenList, PathMissingAtStartIsHiddenAndKeptWhenMovedDown) {
    AppHarness h;
    const std::string a = h.dir.file("a.prj"), gone = h.dir.file("gone.prj"),
                      b = h.dir.file("b.prj");
    writeProjectFile(a, "A");
    writeProjectFile(b, "B");
    h.settings.values = {{"reopenF1", a}, {"reopenF2", gone}, {"reopenF3", b}};
    h.start();
    EXPECT_EQ(h.shownReopenItems(), (Strings{a, "-", b, "-", "-"}));
    EXPECT_TRUE(h.settings.writes.empty());
    EXPECT_EQ(h.storedReopenKeys(), (Strings{a, gone, b, "n/a", "n/a"}));

    const std::string n = h.dir.file("n.prj");
    h.prompts.savePaths = {n};
    h.app->saveProjectAs();
    EXPECT_EQ(h.shownReopenItems(), (Strings{n, a, "-", b, "-"}));
    EXPECT_EQ(h.storedReopenKeys(), (Strings{n, a, gone, b, "n/a"}));

    // Opening the entry below the missing one lists it once, also after a restart.
    h.prompts.openPaths = {b};
    h.app->openProject();
    EXPECT_EQ(h.shownReopenItems(), (Strings{b, n, a, "-", "-"}));
    EXPECT_EQ(h.storedReopenKeys(), (Strings{b, n, a, gone, "n/a"}));
    h.start();
    EXPECT_EQ(h.shownReopenItems(), (Strings{b, n, a, "-", "-"}));

    // The path was kept: once its file is back (a drive mounted again) it shows.
    writeProjectFile(gone, "G");
    h.start();
    EXPECT_EQ(h.shownReopenItems(), (Strings{b, n, a, gone, "-"}));
}

TEST(ProjectReopenList, GapsInTheStoreCloseUpWithoutListingAPathTwice) {
    AppHarness h;
    const std::string n = h.dir.file("n.prj"), a = h.dir.file("a.prj"), b = h.dir.file("b.prj");
    for (const std::string& path : {n, a, b}) writeProjectFile(path, "P");
    h.settings.values = {{"reopenF1", n}, {"reopenF2", a}, {"reopenF3", ""}, {"reopenF4", b}};
    h.start();
    const std::string x = h.dir.file("x.prj");
    h.prompts.savePaths = {x};
    h.app->saveProjectAs();
    EXPECT_EQ(h.storedReopenKeys(), (Strings{x, n, a, b, "n/a"}));
    EXPECT_EQ(h.shownReopenItems(), (Strings{x, n, a, b, "-"}));
    h.start();
    EXPECT_EQ(h.shownReopenItems(), (Strings{x, n, a, b, "-"}));
}

TEST(ProjectReopenList, ReopenLoadsTheClickedFileWhenItsSaveQuestionReordersTheList) {
    AppHarness h;
    const std::string a = h.dir.file("a.prj"), b = h.dir.file("b.prj");
    writeProjectFile(a, "A");
    writeProjectFile(b, "B");
    h.settings.values = {{"reopenF1", a}, {"reopenF2", b}};
    h.start();
    const std::string n = h.dir.file("n.prj");
    h.prompts.yesNoAnswers = {true};
    h.prompts.savePaths = {n};
    h.app->openRecentFile(2);
    EXPECT_EQ(h.prompts.questions, Strings{kSaveQuestion});
    EXPECT_TRUE(std::filesystem::exists(n));
    EXPECT_EQ(h.project().title(), b);
    EXPECT_EQ(h.grid().cellText(Description, 1), "B");
    EXPECT_EQ(h.shownReopenItems(), (Strings{n, a, b, "-", "-"}));
}

TEST(ProjectSavedFlag, FollowsSavesAndEveryChangeOfTheTable) {
    AppHarness h;
    MainController& app = h.start();
    Project& pr = h.project();
    EXPECT_EQ(pr.savedFlag(), "");

    app.saveProject();
    EXPECT_EQ(h.prompts.messages, Strings{kUseSaveAs});
    EXPECT_EQ(pr.savedFlag(), "");
    EXPECT_TRUE(std::filesystem::is_empty(h.dir.path()));
    EXPECT_TRUE(h.settings.writes.empty());

    const std::string path = h.dir.file("p.prj");
    h.prompts.savePaths = {path};
    app.saveProjectAs();
    EXPECT_EQ(pr.savedFlag(), "y");
    h.app->editCell(Description, 1, "typed");
    EXPECT_EQ(pr.savedFlag(), "");
    app.saveProject();
    EXPECT_EQ(pr.savedFlag(), "y");
    EXPECT_EQ(h.grid().cellText(Description, 1), "typed");
    h.clipboard.contents = "pasted";
    app.paste();
    EXPECT_EQ(pr.savedFlag(), "");
    app.saveProject();

    // Replacing the project or totalling it neither asks nor touches the flag after a save.
    app.newProject();
    h.prompts.openPaths = {path};
    app.openProject();
    app.openRecentFile(1);
    app.calculateTotal();
    EXPECT_EQ(pr.savedFlag(), "y");
    EXPECT_TRUE(h.prompts.questions.empty());
    EXPECT_TRUE(app.confirmClose());

    // Every command that changes the table's content or order makes it unsaved.
    const std::pair<const char*, void (MainController::*)()> changes[] = {
        {"add", &MainController::addTask},
        {"delete", &MainController::deleteTask},
        {"sort by number", &MainController::sortByTask},
        {"sort by date", &MainController::sortByTaskDate},
        {"add total", &MainController::addTotalRow},
    };
    for (const auto& [name, command] : changes) {
        app.addTask();
        app.grid().setCellText(TaskNo, 2, "9");  // out of order: a sort moves rows
        app.saveProject();
        ASSERT_EQ(pr.savedFlag(), "y") << name;
        app.selectCell(TaskNo, 2);
        (app.*command)();
        EXPECT_EQ(pr.savedFlag(), "") << name;
    }
    app.saveProject();

    // New keeps the file name but not the title: Save is refused again.
    app.newProject();
    EXPECT_EQ(pr.title(), kUntitledProject);
    EXPECT_EQ(pr.fileName(), path);
    const auto before = readBytes(path);
    app.saveProject();
    EXPECT_EQ(h.prompts.messages, (Strings{kUseSaveAs, kUseSaveAs}));
    EXPECT_EQ(readBytes(path), before);
}

TEST(ProjectSaveQuestion, YesOnUntitledRunsSaveAsAndCancellingStopsTheCommand) {
    AppHarness h;
    MainController& app = h.start();
    Project& pr = h.project();
    const std::string other = h.dir.file("other.prj");
    writeProjectFile(other, "Other");
    h.app->editCell(Description, 1, "work");

    // Cancelled Save As: Open, New and closing stop, the work stays.
    const std::vector<std::function<void()>> askers = {[&] { app.openProject(); },
                                                       [&] { app.newProject(); },
                                                       [&] { EXPECT_FALSE(app.confirmClose()); }};
    for (const auto& command : askers) {
        h.prompts.yesNoAnswers = {true};
        h.prompts.savePaths = {std::nullopt};
        h.prompts.openPaths = {other};
        command();
        EXPECT_EQ(h.prompts.openPaths.size(), 1u);
        EXPECT_EQ(h.grid().cellText(Description, 1), "work");
        EXPECT_EQ(pr.title(), kUntitledProject);
    }
    // Cancel on the question itself (Esc, the close button): the same, before any dialog.
    const std::vector<std::function<void()>> allAskers = {
        [&] { app.openProject(); }, [&] { app.newProject(); }, [&] { app.importOldFile(); },
        [&] { app.openAtStartUp(other); }, [&] { EXPECT_FALSE(app.confirmClose()); }};
    for (const auto& command : allAskers) {
        h.prompts.yesNoAnswers = {Answer::Cancel};
        command();
        EXPECT_TRUE(h.prompts.yesNoAnswers.empty());
        EXPECT_EQ(h.grid().cellText(Description, 1), "work");
        EXPECT_EQ(pr.title(), kUntitledProject);
    }
    EXPECT_EQ(h.prompts.questions, Strings(8, kSaveQuestion));
    EXPECT_TRUE(h.prompts.messages.empty());

    // Yes with a name: saved first, then the other project opens.
    const std::string saved = h.dir.file("saved.prj");
    h.prompts.yesNoAnswers = {true};
    h.prompts.savePaths = {saved};
    app.openProject();
    EXPECT_EQ(pr.title(), other);
    EXPECT_EQ(h.grid().cellText(Description, 1), "Other");
    CellGrid back;
    loadCellsFromFile(back, saved);
    EXPECT_EQ(back.cellText(Description, 1), "work");
    EXPECT_EQ(h.shownReopenItems(), (Strings{other, saved, "-", "-", "-"}));

    // Open keeps the flag the save set, so New asks nothing; after an edit it asks again.
    EXPECT_EQ(pr.savedFlag(), "y");
    app.newProject();
    EXPECT_EQ(h.prompts.questions.size(), 9u);
    h.app->editCell(Description, 1, "more");
    h.prompts.yesNoAnswers = {false};
    app.newProject();
    EXPECT_EQ(h.prompts.questions.size(), 10u);
    EXPECT_EQ(h.grid().cellText(Description, 1), "");
    h.prompts.yesNoAnswers = {false};
    EXPECT_TRUE(app.confirmClose());
}

TEST(ProjectNew, RebuildsSevenColumnsAfterANarrowGridAndReportsABadStoredWidth) {
    AppHarness h;
    h.start();
    h.grid().setCellText(Notes, 3, "old note");
    h.grid().setCellColor(Hours, 2, clYellow);
    h.grid().setColCount(3);
    h.prompts.yesNoAnswers = {false};
    h.app->newProject();
    CellGrid& g = h.grid();
    ASSERT_EQ(g.colCount(), 7);
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.fixedRows(), 1);
    for (int col = 0; col < 7; ++col) EXPECT_EQ(g.cellText(col, 0), kDefaultHeadings[col]);
    EXPECT_EQ(g.colWidth(TaskNo), 42);
    EXPECT_EQ(g.colWidth(Description), 115);
    EXPECT_EQ(g.colWidth(Notes), 125);
    EXPECT_EQ(g.cellText(TaskNo, 1), "1");
    EXPECT_EQ(g.cellText(StartDate, 1), "12/7/2026");
    g.setRowCount(5);  // nothing of the old project comes back
    EXPECT_EQ(g.cellText(Notes, 3), "");
    EXPECT_EQ(g.cellColor(Hours, 2), clNone);

    h.settings.values = {{"col_3w", "80"}, {"col_4w", "x"}, {"col_6w", "150"}};
    h.prompts.yesNoAnswers = {false};
    EXPECT_EQ(errorOf([&] { h.app->newProject(); }), "'x' is not a valid integer value");
    EXPECT_EQ(g.colWidth(Hours), 80);
    EXPECT_EQ(g.colWidth(Notes), 150);
    EXPECT_EQ(g.cellText(TaskNo, 1), "1");
}

TEST(ProjectFailures, FailedSaveChangesNothingAndStopsClosing) {
    AppHarness h;
    MainController& app = h.start();
    Project& pr = h.project();
    const std::string nowhere = h.dir.file("missing/p.prj");
    h.prompts.savePaths = {nowhere};
    EXPECT_EQ(errorOf([&] { app.saveProjectAs(); }), "Cannot Create " + nowhere);
    EXPECT_EQ(pr.title(), kUntitledProject);
    EXPECT_EQ(pr.fileName(), "");
    EXPECT_EQ(pr.savedFlag(), "");
    EXPECT_EQ(h.shownReopenItems(), Strings(5, "-"));

    // A titled project whose folder vanished.
    const std::filesystem::path folder = h.dir.path() / "sub";
    std::filesystem::create_directory(folder);
    const std::string path = (folder / "p.prj").string();
    h.grid().setCellText(Cost, 1, "10");
    h.prompts.savePaths = {path};
    app.saveProjectAs();
    EXPECT_EQ(app.totalCaption(), "10");
    std::filesystem::remove_all(folder);
    h.app->editCell(Cost, 1, "20");
    h.settings.writes.clear();
    EXPECT_EQ(errorOf([&] { app.saveProject(); }), "Cannot Create " + path);
    EXPECT_EQ(pr.savedFlag(), "");
    EXPECT_EQ(pr.title(), path);
    EXPECT_EQ(pr.fileName(), path);
    EXPECT_EQ(app.totalCaption(), "10");
    EXPECT_TRUE(h.settings.writes.empty());

    h.prompts.yesNoAnswers = {true};
    EXPECT_EQ(errorOf([&] { app.confirmClose(); }), "Cannot Create " + path);
    EXPECT_EQ(h.prompts.questions, Strings{kSaveQuestion});
}

TEST(ProjectFailures, FailedOpenAndReopenLeaveTheWholeProjectAsItWas) {
    AppHarness h;
    MainController& app = h.start();
    Project& pr = h.project();
    const std::string path = h.dir.file("p.prj");
    h.grid().setCellText(Cost, 1, "7.5");
    h.prompts.savePaths = {path};
    app.saveProjectAs();
    app.editCell(Description, 1, "unsaved work");
    const std::string bad = h.dir.file("bad.prj");
    std::ofstream(bad, std::ios::binary) << "100001,2\r\n";  // over the limits
    const std::string tooManyCells = h.dir.file("cells.prj");
    std::ofstream(tooManyCells, std::ios::binary) << "100000,10000000\r\n";

    const auto unchanged = [&] {
        EXPECT_EQ(pr.title(), path);
        EXPECT_EQ(pr.fileName(), path);
        EXPECT_EQ(pr.savedFlag(), "");
        EXPECT_EQ(app.totalCaption(), "7.5");
        EXPECT_EQ(h.shownReopenItems(), (Strings{path, "-", "-", "-", "-"}));
        EXPECT_EQ(h.grid().rowCount(), 5);
        EXPECT_EQ(h.grid().cellText(Description, 0), "Task Description");
        EXPECT_EQ(h.grid().cellText(Description, 1), "unsaved work");
        EXPECT_EQ(h.grid().cellText(Cost, 1), "7.5");
    };
    for (const std::string& target : {h.dir.file("gone.prj"), bad, tooManyCells}) {
        h.prompts.yesNoAnswers = {false};
        h.prompts.openPaths = {target};
        EXPECT_NE(errorOf([&] { app.openProject(); }), "") << target;
        unchanged();
    }

    // The reopen item of a file that has gone fails the same way and stays listed.
    std::filesystem::remove(path);
    h.prompts.yesNoAnswers = {false};
    EXPECT_EQ(errorOf([&] { app.openRecentFile(1); }), "Cannot open file " + path);
    unchanged();
    // Save still writes the project the user sees, not an empty table.
    app.saveProject();
    h.start();
    h.prompts.yesNoAnswers = {false};
    h.prompts.openPaths = {path};
    h.app->openProject();
    EXPECT_EQ(h.grid().cellText(Description, 1), "unsaved work");
}

TEST(ProjectOpen, SavedProjectOpensWholeInAFreshWindowAndSavesToTheSameBytes) {
    AppHarness first;
    first.start();
    CellGrid& g = first.grid();
    g.setCellText(Notes, 0, "Remarks");
    g.setColWidth(Description, 200);
    g.setColWidth(EndDate, 33);
    g.setRowCount(3);
    g.setCellText(Description, 1, "Design");
    g.setCellText(Cost, 1, "100.25");
    g.setCellText(TaskNo, 2, "2");
    g.setCellText(Description, 2, "two\r\nlines, \"quoted\"");
    g.setCellText(Cost, 2, "50");
    const std::string path = first.dir.file("round.prj");
    first.prompts.savePaths = {path};
    first.app->saveProjectAs();

    AppHarness second;
    MainController& app = second.start();
    second.prompts.yesNoAnswers = {false};
    second.prompts.openPaths = {path};
    second.app->openProject();
    const CellGrid& o = app.grid();
    ASSERT_EQ(o.rowCount(), 3);
    EXPECT_EQ(o.colCount(), 7);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 7; ++col)
            EXPECT_EQ(o.cellText(col, row), g.cellText(col, row)) << col << "," << row;
    for (int col = 0; col < 7; ++col) EXPECT_EQ(o.colWidth(col), g.colWidth(col)) << col;
    EXPECT_EQ(app.totalCaption(), "150.25");
    EXPECT_EQ(second.project().title(), path);

    const std::string again = second.dir.file("again.prj");
    second.prompts.savePaths = {again};
    second.app->saveProjectAs();
    EXPECT_EQ(readBytes(again), readBytes(path));
}

TEST(ProjectImport, TakesTheFileOverAndSaveWritesTheProjectFormatThere) {
    AppHarness h;
    MainController& app = h.start();
    const std::string csv = h.dir.file("jobs.csv");
    std::ofstream(csv, std::ios::binary) << "No;What;Cost\r\n1;\"Design; draft\";12.5\r\n";
    h.prompts.yesNoAnswers = {false};
    h.prompts.openPaths = {csv};
    app.importOldFile();
    EXPECT_EQ(h.project().title(), csv);
    EXPECT_EQ(h.project().fileName(), csv);
    EXPECT_EQ(app.grid().cellText(1, 0), "What");
    EXPECT_EQ(app.grid().cellText(1, 1), "Design; draft");
    EXPECT_EQ(app.grid().colCount(), 7);  // never narrower than before
    EXPECT_EQ(h.shownReopenItems()[0], csv);
    EXPECT_EQ(h.project().savedFlag(), "");  // left alone

    // Save asks before the project format replaces the CSV: Cancel writes nothing, Save As
    // writes elsewhere, and so does the Yes of the save question that leads there.
    const std::string csvBytes = readBytes(csv);
    const std::string elsewhere = h.dir.file("jobs.prj");
    const std::string question =
        "\xE2\x80\x9Cjobs.csv\xE2\x80\x9D is not a Quillet1 project file. Replace it with "
        "this project?";
    h.prompts.choices = {std::nullopt};
    app.saveProject();
    h.prompts.yesNoAnswers = {true};
    h.prompts.choices = {std::nullopt};
    h.prompts.openPaths = {csv};
    app.openProject();  // the Cancel stops the Open too
    EXPECT_EQ(h.project().fileName(), csv);
    EXPECT_EQ(readBytes(csv), csvBytes);
    EXPECT_EQ(h.prompts.choiceButtons.back(), (Strings{"&Replace", "Save &As..."}));
    EXPECT_EQ(h.prompts.questions.back(), question);
    h.prompts.choices = {1};
    h.prompts.savePaths = {elsewhere};
    app.saveProject();
    EXPECT_EQ(readBytes(csv), csvBytes);
    EXPECT_EQ(h.project().fileName(), elsewhere);
    EXPECT_EQ(readBytes(elsewhere).substr(0, 5), "7,2\r\n");

    // Replace writes the project format there.
    h.prompts.yesNoAnswers = {false};
    h.prompts.openPaths = {csv};
    app.importOldFile();
    h.prompts.choices = {0};
    app.saveProject();
    CellGrid back;
    loadCellsFromFile(back, csv);
    EXPECT_EQ(back.cellText(1, 1), "Design; draft");
    EXPECT_EQ(readBytes(csv).substr(0, 5), "7,2\r\n");
    app.saveProject();  // a project file now: no question
    EXPECT_TRUE(h.prompts.choices.empty());

    // A file that cannot be read keeps the project that is open.
    const std::string gone = h.dir.file("gone.csv");
    h.prompts.yesNoAnswers = {false};
    h.prompts.openPaths = {gone};
    EXPECT_EQ(errorOf([&] { app.importOldFile(); }), "Cannot open file " + gone);
    EXPECT_EQ(h.project().title(), csv);
    EXPECT_EQ(app.grid().cellText(1, 1), "Design; draft");
}

TEST(ProjectChangedElsewhere, SaveAsksAndTheWatcherReloadsOrWarns) {
    AppHarness h;
    MainController& app = h.start();
    const std::string path = h.dir.file("work.prj");
    writeProjectFile(path, "Mine");
    h.prompts.yesNoAnswers = {false};
    h.prompts.openPaths = {path};
    app.openProject();
    const auto otherWrites = [&](const std::string& description) {
        writeProjectFile(path, description);
        return readBytes(path);
    };

    // Untouched here: the watcher's news reloads the table.
    otherWrites("Theirs");
    app.reloadIfChangedOnDisk();
    EXPECT_EQ(h.grid().cellText(Description, 1), "Theirs");
    EXPECT_EQ(app.statusMessage(), "Reloaded: changed on disk");
    // The same bytes written again (a sync client) are no change.
    otherWrites("Theirs");
    h.app->editCell(Description, 1, "mine again");
    app.saveProject();
    EXPECT_EQ(h.prompts.questions, Strings{kSaveQuestion});  // only Open's

    // With unsaved changes only a note; Save then asks: Cancel, Save As, Overwrite.
    h.app->editCell(Description, 1, "unsaved");
    const std::string theirs = otherWrites("Theirs, later");
    app.reloadIfChangedOnDisk();
    EXPECT_EQ(h.grid().cellText(Description, 1), "unsaved");
    EXPECT_EQ(app.statusMessage(),
              "\xE2\x80\x9Cwork.prj\xE2\x80\x9D changed on disk; saving will ask before "
              "overwriting");
    h.prompts.choices = {std::nullopt};
    app.saveProject();
    EXPECT_EQ(readBytes(path), theirs);
    EXPECT_EQ(h.prompts.questions.back(),
              "\xE2\x80\x9Cwork.prj\xE2\x80\x9D was changed by another program since you "
              "opened it.");
    EXPECT_EQ(h.prompts.choiceButtons.back(), (Strings{"&Overwrite", "Save &As..."}));
    const std::string copy = h.dir.file("copy.prj");
    h.prompts.choices = {1};
    h.prompts.savePaths = {copy};
    app.saveProject();
    EXPECT_EQ(readBytes(path), theirs);
    EXPECT_EQ(h.project().fileName(), copy);

    h.prompts.yesNoAnswers = {false};
    h.prompts.openPaths = {path};
    app.openProject();
    h.app->editCell(Description, 1, "overwrite");
    otherWrites("Theirs, again");
    app.reloadIfChangedOnDisk();
    ASSERT_NE(app.statusMessage().english().find("saving will ask"), std::string::npos);
    h.prompts.choices = {0};
    app.saveProject();
    EXPECT_EQ(app.statusMessage(), "");  // the note no longer holds
    CellGrid back;
    loadCellsFromFile(back, path);
    EXPECT_EQ(back.cellText(Description, 1), "overwrite");

    // A file removed meanwhile is noted, and Save writes it anew without asking.
    std::filesystem::remove(path);
    app.reloadIfChangedOnDisk();
    EXPECT_EQ(app.statusMessage(),
              "\xE2\x80\x9Cwork.prj\xE2\x80\x9D is no longer on disk; saving will write it "
              "anew");
    app.saveProject();
    EXPECT_TRUE(h.prompts.choices.empty());
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(ProjectFileWatch, AReplacementFarLargerThanTheProjectIsNotReadUnasked) {
    AppHarness h;
    MainController& app = h.start();
    const std::string path = h.dir.file("work.prj");
    writeProjectFile(path, "Mine");
    h.prompts.yesNoAnswers = {false};
    h.prompts.openPaths = {path};
    app.openProject();
    int reads = 0;
    h.project().fileOptions.progress = [&](std::int16_t) { ++reads; };
    // A project's header, then 3 GB (sparse: it costs no disk) that would take a minute.
    test::writeBytes(path, "7,5\r\n1,1,Theirs\r\n");
    std::filesystem::resize_file(path, std::uintmax_t{3} << 30);
    app.reloadIfChangedOnDisk();
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(h.grid().cellText(Description, 1), "Mine");
    EXPECT_EQ(app.statusMessage(),
              "\xE2\x80\x9Cwork.prj\xE2\x80\x9D changed on disk and is now 3221225472 bytes, "
              "too large to reload unasked; the table was kept");
}

// Another program's save that lands right after ours or right after our read is its
// version, not ours: the watcher takes it and closing asks about the table.
struct ReplacedAfterWrite : ProjectObserver {
    std::function<void()> replace;
    void projectEdited() override {}
    void projectClean() override {}
    std::string beforeWrite(const std::string&) override { return {}; }
    void afterWrite(const std::string&, const std::string&, bool) override { replace(); }
    void beforeReload(const std::string&) override {}
};

TEST(ProjectChangedElsewhere, AReplacementRightAfterOurReadOrSaveIsNotTakenForOurs) {
    for (const int step : {0, 1, 2}) {  // Open, Save, Import
        const bool afterSave = step == 1;
        AppHarness h;
        MainController& app = h.start();
        const std::string path = h.dir.file("work.prj");
        writeProjectFile(path, "Mine");
        bool replaced = false;
        const auto theirs = [&] {
            if (!std::exchange(replaced, true)) writeProjectFile(path, "Theirs");
        };
        ReplacedAfterWrite observer;
        observer.replace = theirs;
        if (afterSave) h.project().setObserver(&observer);
        if (!afterSave) h.project().fileOptions.progress = [&](std::int16_t) { theirs(); };
        h.prompts.yesNoAnswers = {false};
        h.prompts.openPaths = {path};
        step == 2 ? app.importOldFile() : app.openProject();
        if (afterSave) {
            app.editCell(Description, 1, "Mine, saved");
            app.saveProject();
            h.prompts.yesNoAnswers = {Answer::Cancel};
            const Strings asked = h.prompts.questions;
            app.newProject();
            EXPECT_EQ(h.prompts.questions.size(), asked.size() + 1);
            h.project().setObserver(nullptr);
        }
        ASSERT_TRUE(replaced);
        app.reloadIfChangedOnDisk();
        EXPECT_EQ(h.grid().cellText(Description, 1), "Theirs") << step;
        EXPECT_EQ(app.statusMessage(), "Reloaded: changed on disk") << step;
    }
}

TEST(ProjectDialogs, StartInTheProjectsFolderElseTheLastOneElseHome) {
    AppHarness h;
    MainController& app = h.start();
    const std::filesystem::path sub = h.dir.path() / "sub";
    std::filesystem::create_directory(sub);
    h.prompts.yesNoAnswers = {false, false, false};
    h.prompts.openPaths = {std::nullopt};
    app.openProject();  // nothing chosen yet: home
    h.prompts.openPaths = {(sub / "missing.prj").string()};
    errorOf([&] { app.openProject(); });  // a failed open still teaches the folder
    h.prompts.savePaths = {h.dir.file("p.prj")};
    app.saveProjectAs();
    h.prompts.openPaths = {std::nullopt};
    app.openProject();  // the project's own folder now
    EXPECT_EQ(h.prompts.dialogFolders, (Strings{"", "", sub.string(), h.dir.path().string()}));
}

}  // namespace
}  // namespace quillet
