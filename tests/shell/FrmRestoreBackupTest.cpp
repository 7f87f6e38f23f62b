#include "shell/windows/FrmRestoreBackup.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "app/HelpFile.h"
#include "shell/Form1.h"
#include "shell/OwnedForm1.h"
#include "shell/QtPorts.h"
#include "shell/RecoveryDriver.h"
#include "support/FakePorts.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

class FrmRestoreBackupTest : public ::testing::Test, protected test::FakePorts {
  protected:
    test::TempDir dir;
    RecoveryDirs dirs{dir.file("recovery"), dir.file("backups")};
    test::OwnedForm1 form{ports()};  // the clock says 2026-12-07 12:00

    CellGrid& grid() { return form.controller().grid(); }
    template <typename T>
    T* child(const char* name) const {
        T* found = form.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Runs the menu item; the window it shows.
    QDialog* restoreBackup() {
        form.action("mnuRestoreBackup1")->trigger();
        auto* window = child<QDialog>("frmRestoreBackup");
        EXPECT_TRUE(window && QTest::qWaitFor([&] { return window->isVisible(); }));
        return window;
    }
    void save(const char* description) {
        form.runCommand([&] { form.controller().editCell(Description, 1, description); });
        clock.advanceMs(1000);
        form.action("mnuSave1")->trigger();
    }
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(defaultLocale_); }

  private:
    QLocale defaultLocale_;
};

TEST_F(FrmRestoreBackupTest, ListsTheFilesVersionsNewestFirstAndOpensTheChosenOne) {
    QStringList file;
    for (QAction* a : child<QMenu>("mnuFile1")->actions()) file << a->objectName();
    EXPECT_EQ(file.indexOf("mnuRestoreBackup1"), file.indexOf("mnuSaveProjectAs1") + 1);

    form.enableRecovery(dirs, clock, std::nullopt);
    const std::string path = dir.file("work.prj");
    prompts.savePaths = {path};
    form.action("mnuSaveProjectAs1")->trigger();
    form.action("mnuAddTask1")->trigger();
    save("one task more");  // keeps the first save: one task
    save("two tasks");      // keeps the second: two tasks
    Backups& backups = form.recoveryDriver()->recovery().backups();
    const std::string folder = backups.folderFor(path);
    const std::string damaged = folder + "/work 2026-12-01 08-00-00.000.prj";
    test::writeBytes(damaged, "100001,2\r\n");
    form.runCommand([&] { form.controller().editCell(Description, 1, "unsaved"); });

    QDialog* window = restoreBackup();
    EXPECT_EQ(window->windowTitle(), "Restore Backup");
    EXPECT_TRUE(window->isModal());
    auto* list = child<QTreeWidget>("lstBackups");
    EXPECT_FALSE(child<QLabel>("lblNote")->isVisible());
    ASSERT_EQ(list->topLevelItemCount(), 3);
    const struct {
        const char* date;
        const char* time;
        const char* tasks;
    } rows[] = {{"12/7/2026 ", "12:00:02", "2"},
                {"12/7/2026 ", "12:00:01", "1"},
                {"12/1/2026 ", "8:00:00", "?"}};
    for (int row = 0; row < 3; ++row) {
        const QString saved = list->topLevelItem(row)->text(0);
        EXPECT_TRUE(saved.startsWith(rows[row].date) && saved.contains(rows[row].time))
            << saved.toStdString();
        EXPECT_EQ(list->topLevelItem(row)->text(2), rows[row].tasks) << row;
    }
    EXPECT_EQ(list->topLevelItem(2)->text(1), "10 bytes");
    EXPECT_EQ(window->focusWidget(), list);
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    EXPECT_TRUE(list->topLevelItem(0)->isSelected());

    child<QPushButton>("btnShowFolder")->click();
    EXPECT_EQ(urls.opened, std::vector<std::string>{fileUrl(folder)});
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    // A backup that does not read leaves the project as it was; the window stays for another.
    restoreBackup();
    list->setCurrentItem(list->topLevelItem(2));
    child<QPushButton>("btnOpen")->click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].starts_with("Cannot open file " + damaged))
        << prompts.messages[0];
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(grid().cellText(Description, 1), "unsaved");

    list->setCurrentItem(list->topLevelItem(1));
    prompts.yesNoAnswers = {false};
    child<QPushButton>("btnOpen")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(grid().cellText(Description, 1), "");
    EXPECT_EQ(grid().rowCount(), 5);
    EXPECT_EQ(child<QTabBar>("TabControl1")->tabText(0).toStdString(), path);
    EXPECT_FALSE(form.controller().project().isSaved());

    // Enter opens the selected row, once.
    restoreBackup();
    prompts.yesNoAnswers = {false};
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(grid().cellText(Description, 1), "one task more");
    EXPECT_EQ(grid().rowCount(), 6);
    EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(FrmRestoreBackupTest, WithoutVersionsANoteSaysWhyAndOpenStaysOff) {
    form.enableRecovery(dirs, clock, std::nullopt);
    const std::string path = dir.file("new.prj");
    for (const char* note : {kBackupsNeedASavedFile, kNoBackupsYet}) {
        QDialog* window = restoreBackup();
        EXPECT_EQ(child<QLabel>("lblNote")->text(), note);
        EXPECT_TRUE(child<QLabel>("lblNote")->isVisible()) << note;
        EXPECT_FALSE(child<QTreeWidget>("lstBackups")->isVisible()) << note;
        EXPECT_FALSE(child<QPushButton>("btnOpen")->isEnabled()) << note;
        EXPECT_FALSE(child<QPushButton>("btnShowFolder")->isEnabled()) << note;
        child<QPushButton>("btnClose")->click();
        EXPECT_FALSE(window->isVisible());
        prompts.savePaths = {path};
        form.action("mnuSaveProjectAs1")->trigger();  // a new file: nothing replaced yet
    }
}

// The backup is read before the save question: no progress dialog may sit over the question.
TEST_F(FrmRestoreBackupTest, NoProgressDialogStaysOverTheSaveQuestion) {
    form.enableRecovery(dirs, clock, std::nullopt);
    prompts.savePaths = {dir.file("work.prj")};
    form.action("mnuSaveProjectAs1")->trigger();
    save("saved");    // keeps the first save as a backup
    QtPrompts boxes;  // the real question box
    test::OwnedForm1 window{{boxes, clipboard, clock, settings, urls, test::usLocale()}};
    boxes.setParent(&window);
    window.enableRecovery({dir.file("recovery2"), dirs.backups}, clock, std::nullopt);
    window.runCommand([&] { window.controller().openAtStartUp(dir.file("work.prj")); });
    window.runCommand([&] { window.controller().editCell(Description, 1, "unsaved"); });
    window.action("mnuRestoreBackup1")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.findChild<QTreeWidget*>()->isVisible(); }));
    QTimer::singleShot(0, &window, [&] {
        QTest::qWait(800);  // past the progress dialog's delay
        EXPECT_FALSE(window.findChild<QProgressDialog*>()->isVisible());
        window.findChild<QMessageBox*>()->button(QMessageBox::No)->click();
    });
    window.findChild<QPushButton*>("btnOpen")->click();
    EXPECT_EQ(window.controller().grid().cellText(Description, 1), "");
}

}  // namespace
}  // namespace quillet
