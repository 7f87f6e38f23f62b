#include <QAction>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "app/HelpFile.h"
#include "grid/ColorContrast.h"
#include "ports/ProductInfo.h"
#include "shell/Form1.h"
#include "shell/GridModel.h"
#include "shell/OwnedForm1.h"
#include "support/FakePorts.h"
#include "support/Fakes.h"
#include "support/Palettes.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

namespace fs = std::filesystem;

class SecondaryWindowsTest : public ::testing::Test, protected test::FakePorts {
  protected:
    void TearDown() override { fs::current_path(startDir_); }

    test::OwnedForm1 form{ports()};  // the clock says 2026-12-07

    CellGrid& grid() { return form.controller().grid(); }
    template <typename T>
    T* child(const char* name) const {
        T* found = form.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* box(int k) const {
        return child<QLineEdit>(QStringLiteral("txtCol%1").arg(k).toLatin1().constData());
    }
    // Runs the font command; `answer` handles the open dialog and closes it.
    void changeFont(const std::function<void(QFontDialog*)>& answer) {
        QTimer::singleShot(0, &form, [&] { answer(child<QFontDialog>("FontDialog1")); });
        form.action("mnuChangeFontSettings1")->trigger();
    }

  private:
    fs::path startDir_ = fs::current_path();
};

TEST_F(SecondaryWindowsTest, ColumnNamesFillOnEachShowingAndOkWritesTheBoxes) {
    // The small windows are made when first asked for.
    EXPECT_EQ(form.findChild<QDialog*>("frmColumnNames"), nullptr);
    form.action("mnuChangeColumnNames1")->trigger();
    auto* window = child<QDialog>("frmColumnNames");
    EXPECT_EQ(window->windowTitle(), "Quillet1 - Change Column Names");
    ASSERT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(box(2)->text(), "Task Description");
    EXPECT_EQ(box(6)->text(), "Misc. Notes");

    // Thrown away with Cancel, and with Esc: the next showing starts from the headings.
    box(2)->setText("Client");
    child<QPushButton>("btnCancel")->click();
    EXPECT_FALSE(window->isVisible());
    form.action("mnuChangeColumnNames1")->trigger();
    EXPECT_EQ(box(2)->text(), "Task Description");
    box(2)->setText("Client");
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(grid().cellText(Description, 0), "Task Description");

    // A heading changed while the window is hidden shows at the next showing; choosing the
    // command while it is open keeps what was typed.
    grid().setCellText(Cost, 0, "Fee");
    form.action("mnuChangeColumnNames1")->trigger();
    EXPECT_EQ(box(5)->text(), "Fee");
    box(1)->clear();
    box(2)->setText("  Client ");
    form.action("mnuChangeColumnNames1")->trigger();
    EXPECT_EQ(box(2)->text(), "  Client ");

    // While another command runs (a long load), OK is refused and keeps what was typed.
    form.runCommand([&] { child<QPushButton>("btnOkay")->click(); });
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(grid().cellText(Description, 0), "Task Description");

    QTest::keyClick(box(2), Qt::Key_Return);  // the default button
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(grid().cellText(TaskNo, 0), "");
    EXPECT_EQ(grid().cellText(Description, 0), "  Client ");
    EXPECT_EQ(grid().cellText(EndDate, 0), "End Date");
    EXPECT_EQ(form.gridModel()->headerData(Description, Qt::Horizontal, Qt::DisplayRole),
              "  Client ");
}

// A heading from an older file in another encoding keeps its bytes unless its box is edited.
TEST_F(SecondaryWindowsTest, UntouchedBoxesKeepTheirBytes) {
    grid().setCellText(Notes, 0, "Caf\xE9");  // Windows-1252
    form.action("mnuChangeColumnNames1")->trigger();
    EXPECT_EQ(box(6)->text(), QString::fromUtf8("Caf\u00e9"));
    box(1)->setText(QString::fromUtf8("N\u00ba"));
    child<QPushButton>("btnOkay")->click();
    EXPECT_EQ(grid().cellText(Notes, 0), "Caf\xE9");
    EXPECT_EQ(grid().cellText(TaskNo, 0), "N\xC2\xBA");
}

TEST_F(SecondaryWindowsTest, FontReachesWindowAndCellsButNotTheHeadingRow) {
    QTableView* view = form.gridView();
    const QFont headerBefore = view->horizontalHeader()->font();
    QString family = headerBefore.family();
    for (const QString& f : QFontDatabase::families())
        if (f != family && !QFontDatabase::isPrivateFamily(f)) family = f;

    QFont chosen;
    changeFont([&](QFontDialog* dialog) {
        QFont f(family, 14);
        f.setBold(true);
        f.setItalic(true);
        f.setUnderline(true);
        dialog->setCurrentFont(f);
        chosen = dialog->currentFont();
        dialog->accept();
    });
    for (const QFont& f :
         {view->font(), form.font(), form.findChild<QTabBar*>("TabControl1")->font()}) {
        EXPECT_EQ(f.family(), chosen.family());
        EXPECT_EQ(f.pointSizeF(), chosen.pointSizeF());
        EXPECT_EQ(f.weight(), chosen.weight());
        EXPECT_EQ(f.italic(), chosen.italic());  // when the family has an italic
        EXPECT_TRUE(f.underline());
    }
    const QFont header = view->horizontalHeader()->font();
    EXPECT_EQ(header.family(), headerBefore.family());
    EXPECT_EQ(header.pointSizeF(), 8);
    EXPECT_FALSE(header.underline());
    EXPECT_FALSE(header.italic());

    // Cancel changes nothing; the dialog comes back with the last font chosen, not the last
    // one looked at.
    changeFont([&](QFontDialog* dialog) {
        EXPECT_EQ(dialog->currentFont(), chosen);
        dialog->setCurrentFont(headerBefore);
        dialog->reject();
    });
    EXPECT_EQ(view->font().family(), chosen.family());
    EXPECT_TRUE(view->font().underline());
    changeFont([&](QFontDialog* dialog) {
        EXPECT_EQ(dialog->currentFont(), chosen);
        dialog->reject();
    });

    // A new window (the next start) has the design fonts.
    test::OwnedForm1 next{
        ControllerPorts{prompts, clipboard, clock, settings, urls, test::usLocale()}};
    EXPECT_EQ(next.gridView()->font().pointSizeF(), 8);
    EXPECT_FALSE(next.gridView()->font().underline());
}

// Rows, the total line and the timer panel grow with the chosen font instead of clipping it;
// the design font keeps the design's 21-pixel rows.
TEST_F(SecondaryWindowsTest, RowsAndPanelsFitTheChosenFont) {
    QTableView* view = form.gridView();
    const QString family = view->font().family();
    for (const int points : {8, 16}) {
        changeFont([&](QFontDialog* dialog) {
            dialog->setCurrentFont(QFont(family, points));
            dialog->accept();
        });
        ASSERT_EQ(view->font().pointSize(), points);
        form.action("mnuAddTask1")->trigger();  // a row made after the change too
        const int line = view->fontMetrics().height();
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            EXPECT_GE(view->rowHeight(row), line + 8) << points << " pt, row " << row;
            if (points == 8) {
                EXPECT_EQ(view->rowHeight(row), CellGrid::kDefaultRowHeight);
            }
        }
        if (points == 16) {
            EXPECT_GT(view->rowHeight(0), CellGrid::kDefaultRowHeight);
        }

        auto* total = child<QWidget>("Panel1");
        for (const char* name : {"Label1", "lblTotal"})
            EXPECT_GE(total->height(), child<QLabel>(name)->fontMetrics().height())
                << points << " pt, " << name;
        auto* timer = child<QLabel>("StatusBar1Panel1");
        EXPECT_GE(timer->width() - 4,
                  timer->fontMetrics().horizontalAdvance(QStringLiteral("Timer: 00:00:00:00")))
            << points << " pt";
    }
}

TEST_F(SecondaryWindowsTest, CalendarSelectsTodayOnEachShowingFromHidden) {
    const std::string before(grid().cellText(StartDate, 1));
    const int rows = grid().rowCount();

    form.action("mnuCalendar1")->trigger();
    auto* window = child<QWidget>("frmCal");
    auto* calendar = child<QCalendarWidget>("MonthCalendar1");
    EXPECT_EQ(window->windowTitle(), "Quillet1 - Calendar");
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 7));
    calendar->setSelectedDate(QDate(2027, 3, 15));
    emit calendar->clicked(QDate(2027, 3, 15));
    form.action("mnuCalendar1")->trigger();  // only brought forward
    EXPECT_EQ(calendar->selectedDate(), QDate(2027, 3, 15));

    QTest::keyClick(calendar, Qt::Key_Escape);  // from the calendar, which has the focus
    EXPECT_FALSE(window->isVisible());
    clock.value += 31;  // 2027-01-07
    form.action("mnuCalendar1")->trigger();
    EXPECT_EQ(calendar->selectedDate(), QDate(2027, 1, 7));
    EXPECT_EQ(calendar->monthShown(), 1);
    EXPECT_EQ(calendar->yearShown(), 2027);
    EXPECT_EQ(grid().cellText(StartDate, 1), before);  // nothing reaches the table
    EXPECT_EQ(grid().rowCount(), rows);
}

TEST_F(SecondaryWindowsTest, AboutBoxOpensTheAddressesAndOkHidesIt) {
    form.action("mnuAbout1")->trigger();
    auto* window = child<QDialog>("frmAbout");
    ASSERT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), "About Quillet1");
    EXPECT_EQ(child<QLabel>("lblVersion")->text(), "1.2");
    EXPECT_TRUE(child<QLabel>("lblinfo2")->text().startsWith("This program allows you"));
    QTest::mouseClick(child<QLabel>("lblComments"), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>("Label2"), Qt::LeftButton);
    EXPECT_EQ(urls.opened, (std::vector<std::string>{kMakerWebAddress,
                                                     std::string("mailto:") + kMakerEmailAddress}));
    child<QPushButton>("OKButton")->click();
    EXPECT_FALSE(window->isVisible());
    form.action("mnuAbout1")->trigger();
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// The about box and the calendar are white in a light theme and follow a dark one; the
// links' red and blue stay readable on either.
TEST_F(SecondaryWindowsTest, AboutAndCalendarFollowTheThemeWithReadableLinks) {
    const struct {
        const char* name;
        QPalette palette;
    } themes[] = {{"light", test::lightFusionPalette()}, {"dark", test::darkFusionPalette()}};
    form.action("mnuAbout1")->trigger();
    form.action("mnuCalendar1")->trigger();
    auto* about = child<QDialog>("frmAbout");
    auto* calendar = child<QWidget>("frmCal");
    for (const auto& theme : themes) {
        const test::ScopedPalette scoped(theme.palette);
        const QColor base = theme.palette.color(QPalette::Base);
        // What is painted, not only what is set: a corner outside every child.
        EXPECT_EQ(about->grab().toImage().pixelColor(2, about->height() - 2), base) << theme.name;
        EXPECT_EQ(calendar->palette().color(calendar->backgroundRole()), base) << theme.name;
        auto* version = child<QLabel>("lblVersion");
        EXPECT_EQ(version->palette().color(version->foregroundRole()),
                  theme.palette.color(QPalette::Text))
            << theme.name;
        for (const char* name : {"lblComments", "Label2"}) {
            auto* link = child<QLabel>(name);
            const QColor ink = link->palette().color(link->foregroundRole());
            EXPECT_GE(contrastRatio(toColor(ink), toColor(base)), kMinTextContrast)
                << theme.name << " " << name;
        }
        const QColor web = child<QLabel>("lblComments")->palette().color(QPalette::WindowText);
        EXPECT_GT(web.red(), 3 * std::max(web.green(), web.blue())) << theme.name;  // still red
        const QColor mail = child<QLabel>("Label2")->palette().color(QPalette::WindowText);
        EXPECT_GT(mail.blue(), mail.red()) << theme.name;  // still blue
    }
}

// The build puts the manual beside the program: Help finds it there and stays in that folder.
TEST_F(SecondaryWindowsTest, HelpOpensTheManualBesideTheProgram) {
    form.action("HelpContents1")->trigger();
    const std::string folder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    EXPECT_EQ(urls.opened,
              std::vector<std::string>{fileUrl(fs::canonical(folder + "/Quillet.html").string())});
    EXPECT_EQ(fs::current_path(), fs::path(folder));
    EXPECT_TRUE(prompts.messages.empty());

    urls.opened.clear();
    test::TempDir empty;
    form.controller().setExecutablePath(empty.file("quillet"));
    form.action("HelpContents1")->trigger();
    EXPECT_TRUE(urls.opened.empty());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(fs::current_path(), empty.path());

    form.action("mnuVisitQuillet1homepage")->trigger();
    EXPECT_EQ(urls.opened, std::vector<std::string>{kProductWebPage});
}

}  // namespace
}  // namespace quillet
