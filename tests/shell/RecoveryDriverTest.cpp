#include <QLabel>
#include <QTabBar>
#include <filesystem>

#include <gtest/gtest.h>

#include "formats/ProjectFile.h"
#include "shell/Form1.h"
#include "shell/OwnedForm1.h"
#include "shell/RecoveryDriver.h"
#include "support/FakePorts.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

namespace fs = std::filesystem;

class RecoveryDriverTest : public ::testing::Test, protected test::FakePorts {
  protected:
    test::TempDir dir;
    RecoveryDirs dirs{dir.file("recovery"), dir.file("backups")};
    test::OwnedForm1 form{ports()};

    RecoveryDriver& driver() { return *form.recoveryDriver(); }
    bool hasCopy() { return fs::exists(driver().recovery().copyPath()); }
    void tickAndWait() {
        driver().tick();
        driver().recovery().waitIdle();
        driver().tick();
    }
};

TEST_F(RecoveryDriverTest, AnEditIsKeptBetweenCommandsAndANormalExitRemovesIt) {
    form.enableRecovery(dirs, clock, std::nullopt);
    form.show();
    form.runCommand([&] { form.controller().editCell(1, 1, "unsaved"); });
    clock.advanceMs(3000);
    // While a command runs (a dialog is open, a long load pumps events) nothing is copied.
    form.runCommand([&] {
        driver().tick();
        driver().recovery().waitIdle();
    });
    EXPECT_FALSE(hasCopy());
    tickAndWait();
    ASSERT_TRUE(hasCopy());

    prompts.yesNoAnswers = {false};  // do not save
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(hasCopy());
    EXPECT_TRUE(fs::is_empty(dirs.recovery));
}

TEST_F(RecoveryDriverTest, ASkippedBackupShowsInTheFirstStatusPanel) {
    test::writeBytes(dir.file("backups"), "a file where the folder should be");
    form.enableRecovery(dirs, clock, std::nullopt);
    const std::string path = dir.file("work.prj");
    test::writeBytes(path, "old");
    prompts.savePaths = {path};
    form.action("mnuSaveProjectAs1")->trigger();
    EXPECT_TRUE(form.controller().project().isSaved());
    const QString status = form.findChild<QLabel*>("StatusBar1Panel0")->text();
    EXPECT_TRUE(status.startsWith("Backup skipped: ")) << status.toStdString();
}

TEST_F(RecoveryDriverTest, ARecoveredCopyOpensAsTheUnsavedProjectItWas) {
    const std::string copyPath = dir.file("copy.prj");
    {
        CellGrid grid(7, 3, 1);
        grid.setCellText(1, 1, "recovered work");
        grid.setCellText(4, 1, "75");
        saveCellsToFile(grid, copyPath);
    }
    RecoveryCopy copy{copyPath, dir.file("copy.info"), {}, {}};
    copy.info.path = "/home/ann/work.prj";
    copy.info.title = "/home/ann/work.prj";
    form.enableRecovery(dirs, clock, copy);
    EXPECT_EQ(form.controller().grid().cellText(1, 1), "recovered work");
    EXPECT_EQ(form.findChild<QTabBar*>("TabControl1")->tabText(0), "/home/ann/work.prj");
    EXPECT_EQ(form.findChild<QLabel*>("lblTotal")->text(), "75");
    EXPECT_FALSE(form.controller().project().isSaved());
}

}  // namespace
}  // namespace quillet
