#include "shell/QtPorts.h"

#include <sys/stat.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(QtSettingsStoreTest, MissingEmptyAndSharedValues) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Quillet/Quillet.conf");
    QtSettingsStore first(path);
    QtSettingsStore second(path);
    EXPECT_EQ(first.readSetting("reopenF1"), "n/a");
    first.writeSetting("reopenF1", "");
    EXPECT_EQ(second.readSetting("reopenF1"), "");  // empty text is a value, not "n/a"
    second.writeSetting("col_1w", "42");
    EXPECT_EQ(first.readSetting("col_1w"), "42");
    first.writeSetting("col_1w", "50");
    EXPECT_EQ(second.readSetting("col_1w"), "50");  // last writer wins
    first.writeSetting("reopenF2", "/home/u/a, b & c.prj");
    EXPECT_EQ(second.readSetting("reopenF2"), "/home/u/a, b & c.prj");
}

TEST(QtSettingsStoreTest, ReadsTheFileAfreshAndRejectsOtherTypes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Quillet.conf");
    QtSettingsStore store(path);
    store.writeSetting("col_2w", "120");
    {
        // Another running copy (or a hand edit) changes the file.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Settings]\ncol_2w=130\nreopenF1=a, b\n");
    }
    EXPECT_EQ(store.readSetting("col_2w"), "130");
    try {
        store.readSetting("reopenF1");
        FAIL() << "a list value must not read as text";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'reopenF1'");
    }
}

// Every exit writes all the column widths: the file is only rewritten when one changed.
TEST(QtSettingsStoreTest, AnUnchangedValueLeavesTheFileAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Quillet.conf");
    QtSettingsStore store(path);
    store.writeSetting("col_1w", "42");
    // A rewrite replaces the file by renaming a new one over it: a new inode each time.
    auto inode = [&] {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
    };
    const auto before = inode();
    store.writeSetting("col_1w", "42");
    EXPECT_EQ(inode(), before);
    store.writeSetting("col_1w", "43");
    EXPECT_NE(inode(), before);
    EXPECT_EQ(store.readSetting("col_1w"), "43");
    store.writeSetting("col_2w", "");  // a new key, even an empty one, is written
    EXPECT_EQ(store.readSetting("col_2w"), "");
    // Several at once: the unchanged one stays, the others all land.
    store.writeSettings({{"col_1w", "43"}, {"col_3w", "7"}, {"col_2w", "8"}});
    EXPECT_EQ(
        store.readSetting("col_1w") + store.readSetting("col_2w") + store.readSetting("col_3w"),
        "4387");
}

TEST(QtSettingsStoreTest, AWriteThatCannotBeStoredIsReported) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtSettingsStore store(dir.filePath("file/Quillet.conf"));  // its folder is a file
    EXPECT_EQ(store.readSetting("col_1w"), "n/a");
    EXPECT_THROW(store.writeSetting("col_1w", "1"), std::runtime_error);
}

// The stopwatch's settings have a section of their own; [Settings] keeps only its own keys.
TEST(QtSettingsStoreTest, TheStopwatchSectionLeavesTheSettingsSectionAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Quillet.conf");
    QtSettingsStore main(path);
    QtSettingsStore stopwatch(path, QStringLiteral("Stopwatch"));
    main.writeSetting("col_1w", "42");
    stopwatch.writeSetting("awayMinutes", "15");
    stopwatch.writeSetting("reminderHours", "0");
    EXPECT_EQ(main.readSetting("awayMinutes"), "n/a");
    EXPECT_EQ(stopwatch.readSetting("col_1w"), "n/a");
    EXPECT_EQ(stopwatch.readSetting("awayMinutes"), "15");
    QSettings file(path, QSettings::IniFormat);
    EXPECT_EQ(file.childGroups(), (QStringList{"Settings", "Stopwatch"}));
    file.beginGroup(QStringLiteral("Settings"));
    EXPECT_EQ(file.childKeys(), QStringList{"col_1w"});
    file.endGroup();
    file.beginGroup(QStringLiteral("Stopwatch"));
    EXPECT_EQ(file.childKeys(), (QStringList{"awayMinutes", "reminderHours"}));
}

}  // namespace
}  // namespace quillet
