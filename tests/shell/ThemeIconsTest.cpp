#include "shell/ThemeIcons.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "shell/AppIcon.h"

namespace quillet {
namespace {

// Share of the icon's pixels that are not transparent when drawn at size x size: a file
// that does not parse, or an SVG with no engine to draw it, gives 0.
double inkAt(const QIcon& icon, int size) {
    const QImage image =
        icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) return 0.0;
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return static_cast<double>(ink) / (image.width() * image.height());
}

// Each case gets the icon theme settings back as it found them.
class ThemeIconsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        themeName_ = QIcon::themeName();
        searchPaths_ = QIcon::themeSearchPaths();
    }
    void TearDown() override {
        QIcon::setThemeSearchPaths(searchPaths_);
        QIcon::setThemeName(themeName_);
    }
    // No theme at all, as on a desktop without one.
    static void removeThemes() {
        QIcon::setThemeSearchPaths({});
        QIcon::setThemeName(QStringLiteral("quillet-test-no-theme"));
    }

  private:
    QString themeName_;
    QStringList searchPaths_;
};

// The installed theme provides the toolbar's icons, and themeIcon
// prefers them to our own drawings.
TEST_F(ThemeIconsTest, InstalledThemeIconsDrawAndWin) {
    // Headless runs have no desktop theme and no theme folders; in a session the desktop
    // provides both. Adwaita is the theme the program's dependencies install.
    if (!QIcon::hasThemeIcon(QStringLiteral("edit-cut"))) {
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() +
                                   QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                             QStringLiteral("icons"),
                                                             QStandardPaths::LocateDirectory));
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }
    const QIcon cut = QIcon::fromTheme(QStringLiteral("edit-cut"));
    ASSERT_FALSE(cut.isNull());
    EXPECT_GT(inkAt(cut, 22), 0.02);
    for (const char* name : {"edit-cut", "edit-copy", "edit-paste", "document-save"}) {
        const QIcon icon = themeIcon(name);
        EXPECT_EQ(icon.name(), QString::fromLatin1(name)) << name << " is not the theme's";
        EXPECT_GT(inkAt(icon, 16), 0.02) << name;
    }
}

// Our drawings are SVG: this also fails when Qt's SVG icon engine is missing.
TEST_F(ThemeIconsTest, WithoutAThemeEveryNameHasOurOwnDrawing) {
    removeThemes();
    for (const QString& name : bundledIconNames()) {
        const QByteArray latin = name.toLatin1();
        EXPECT_FALSE(bundledIcon(latin.constData()).isNull()) << latin.constData();
        const QIcon icon = themeIcon(latin.constData());
        ASSERT_FALSE(icon.isNull()) << latin.constData();
        for (int size : {16, 22, 32}) EXPECT_GT(inkAt(icon, size), 0.02) << latin.constData();
    }
    // A name we do not draw still gives a picture, never an empty button.
    EXPECT_FALSE(themeIcon("no-such-icon-name").isNull());
    EXPECT_GT(inkAt(themeIcon("no-such-icon-name"), 16), 0.02);
    EXPECT_TRUE(bundledIcon("no-such-icon-name").isNull());
}

// The list of names and the drawings in the resource file must not drift apart.
TEST_F(ThemeIconsTest, ResourceHoldsExactlyTheListedNames) {
    (void)bundledIcon("edit-cut");  // registers the resources
    QStringList files = QDir(QStringLiteral(":/icons/quillet-fallback/scalable/actions"))
                            .entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (QString& file : files) file.chop(4);
    files.sort();
    QStringList names = bundledIconNames();
    names.sort();
    EXPECT_EQ(files.join(' ').toStdString(), names.join(' ').toStdString());
}

TEST_F(ThemeIconsTest, ProgramIconDrawsAtEverySize) {
    for (int size : {16, 22, 32, 48, 64, 128, 256}) EXPECT_GT(inkAt(programIcon(), size), 0.2);
}

// The program's icon is drawn when a size is first asked for: each size the window manager
// and the tray may take must come out drawn, at that size.
TEST(AppIconTest, EverySizeItOffersIsDrawn) {
    const QIcon icon = appIcon();
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_EQ(sizes.size(), 6);
    for (const QSize& size : sizes) {
        EXPECT_EQ(icon.pixmap(size).size(), size);
        EXPECT_GT(inkAt(icon, size.width()), 0.3) << size.width();
    }
    EXPECT_EQ(icon.pixmap(QSize(24, 20)).size(), QSize(20, 20));  // square, within the box
}

}  // namespace
}  // namespace quillet
