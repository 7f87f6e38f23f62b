#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include "formats/ProjectFile.h"
#include "grid/ColorContrast.h"
#include "shell/Form1.h"
#include "shell/GridModel.h"
#include "shell/OwnedForm1.h"
#include "shell/Translations.h"
#include "shell/windows/FrmSummary.h"
#include "shell/windows/SummaryChartView.h"
#include "support/FakePorts.h"
#include "support/TempDir.h"

namespace quillet {
namespace {

class FrmSummaryTest : public ::testing::Test, protected test::FakePorts {
  protected:
    void SetUp() override {
        MainController& c = form.controller();
        const char* tasks[][4] = {{"Design", "2", "11/2/2026", "100.5"},
                                  {"Build", "3.5", "12/1/2026", "abc"},
                                  {"Test", "1", "", "20"}};
        c.grid().setRowCount(4);
        for (int r = 1; r <= 3; ++r) {
            c.editCell(TaskNo, r, std::to_string(r));
            c.editCell(Description, r, tasks[r - 1][0]);
            c.editCell(Hours, r, tasks[r - 1][1]);
            c.editCell(StartDate, r, tasks[r - 1][2]);
            c.editCell(Cost, r, tasks[r - 1][3]);
        }
        form.action("mnuSummary1")->trigger();
        window = form.summaryWindow();
        ASSERT_NE(window, nullptr);
    }
    QStringList column(int col) const {
        QStringList out;
        QTableWidget* table = window->summaryTable();
        for (int r = 0; r < table->rowCount(); ++r) out << table->item(r, col)->text();
        return out;
    }
    void settle() { QCoreApplication::processEvents(); }

    test::OwnedForm1 form{ports()};
    FrmSummary* window = nullptr;
};

TEST_F(FrmSummaryTest, OpensFromTheViewMenuWithTheMonthsOfTheTable) {
    QAction* action = form.action("mnuSummary1");
    EXPECT_EQ(action->text(), "S&ummary...");
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Summary \u2014 Untitled Project"));
    EXPECT_EQ(column(0), (QStringList{"November 2026", "December 2026", "No date", "Total"}));
    EXPECT_EQ(column(2), (QStringList{"1", "1", "1", "3"}));
    EXPECT_EQ(column(4), (QStringList{"100.5", "0", "20", "120.5"}));
    auto* notice = window->findChild<QPushButton*>("btnNonNumbers");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), "1 task has Hours or Cost that is not a number");
    notice->click();
    EXPECT_EQ(form.controller().selectedRow(), 2);
    QTest::keyClick(window, Qt::Key_Escape);  // closes it, as it closes dialogs
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FrmSummaryTest, FollowsEditsPastesAndOpensOncePerBurst) {
    GridModel* model = form.gridModel();
    ASSERT_TRUE(model->setData(model->index(0, Cost), QStringLiteral("200"), Qt::EditRole));
    ASSERT_TRUE(model->setData(model->index(0, Hours), QStringLiteral("4"), Qt::EditRole));
    // Nothing is recomputed inside the edit; once after it.
    EXPECT_EQ(column(4).back(), "120.5");
    settle();
    EXPECT_EQ(column(4).back(), "220");
    EXPECT_EQ(column(3).back(), "8.5");

    clipboard.contents = "12/24/2026\t50";
    form.controller().selectCell(StartDate, 3);
    form.action("mnuPaste1")->trigger();
    settle();
    EXPECT_EQ(column(0), (QStringList{"November 2026", "December 2026", "Total"}));
    EXPECT_EQ(column(4).back(), "250");

    test::TempDir dir;
    const std::string path = dir.file("other.prj");
    CellGrid other(7, 2, 1);
    other.setCellText(Description, 1, "Elsewhere");
    other.setCellText(StartDate, 1, "3/3/2025");
    other.setCellText(Hours, 1, "7");
    saveCellsToFile(other, path);
    auto* from = window->findChild<QCheckBox*>("chkFrom");
    from->setChecked(true);          // the range is this project's: the next one starts without it
    prompts.yesNoAnswers = {false};  // do not save the changes
    prompts.openPaths = {path};
    form.action("mnuOpen1")->trigger();
    settle();
    EXPECT_FALSE(from->isChecked());
    EXPECT_EQ(column(0), (QStringList{"March 2025", "Total"}));
    EXPECT_EQ(window->windowTitle(), QString::fromStdString("Summary \u2014 " + path));
}

TEST_F(FrmSummaryTest, PeriodTasksChartAndCopy) {
    QTableWidget* table = window->summaryTable();
    table->selectRow(1);
    QTableWidget* tasks = window->tasksTable();
    ASSERT_EQ(tasks->rowCount(), 1);
    EXPECT_EQ(tasks->item(0, 1)->text(), "Build");
    EXPECT_EQ(window->chart()->selected(), 1);
    // Enter, as a double click, selects the task in the main table.
    tasks->setCurrentCell(0, 1);
    QTest::keyClick(tasks, Qt::Key_Return);
    EXPECT_EQ(form.controller().selectedRow(), 2);

    EXPECT_EQ(window->chart()->values(), (std::vector<double>{2, 3.5}));
    window->findChild<QRadioButton*>("optChartCost")->click();
    EXPECT_EQ(window->chart()->values(), (std::vector<double>{100.5, 0}));

    window->findChild<QPushButton*>("btnCopy")->click();
    EXPECT_EQ(clipboard.contents,
              "Period\tFirst day\tTasks\tHours\tCost\r\n"
              "November 2026\t11/1/2026\t1\t2\t100.5\r\n"
              "December 2026\t12/1/2026\t1\t3.5\t0\r\n"
              "No date\t\t1\t1\t20\r\n"
              "Total\t\t3\t6.5\t120.5\r\n");

    // Export writes the same table to a file; the project stays as it was.
    test::TempDir dir;
    prompts.savePaths = {dir.file("hours")};
    prompts.exportFilter = ExportFormat::Csv;
    const std::string flag = form.controller().project().savedFlag();
    window->findChild<QPushButton*>("btnExport")->click();
    EXPECT_EQ(prompts.exportNames.back(), "Untitled Project summary.xlsx");
    EXPECT_EQ(test::readBytes(dir.file("hours.csv")),
              "\xEF\xBB\xBFPeriod,First day,Tasks,Hours,Cost\r\n"
              "November 2026,11/1/2026,1,2,100.5\r\n"
              "December 2026,12/1/2026,1,3.5,0\r\n"
              "No date,,1,1,20\r\n"
              "Total,,3,6.5,120.5\r\n");
    EXPECT_EQ(form.controller().project().savedFlag(), flag);
}

// The window speaks German; the rows' periods follow, while Copy keeps the English table.
TEST_F(FrmSummaryTest, PeriodsNoDateAndTotalSpeakTheWindowsLanguageCopyStaysEnglish) {
    struct German {
        German() { Translations::install(QStringLiteral("de")); }
        ~German() { Translations::remove(); }
    } const german;
    const struct {
        int period;
        QString first;
        const char* copiedFirst;
    } cases[] = {
        {0, "Woche 45, 2026", "Week 45, 2026"},
        {1, "November 2026", "November 2026"},
        {2, "2026", "2026"},
    };
    auto* period = window->findChild<QComboBox*>("cboPeriod");
    for (const auto& c : cases) {
        period->setCurrentIndex(c.period);
        window->recompute();
        const QStringList labels = column(0);
        ASSERT_GE(labels.size(), 3);
        EXPECT_EQ(labels.front(), c.first);
        EXPECT_EQ(labels.mid(labels.size() - 2), (QStringList{"Ohne Datum", "Gesamt"}));
        EXPECT_EQ(window->findChild<QPushButton*>("btnNonNumbers")->text(),
                  "1 Aufgabe hat Stunden oder Kosten, die keine Zahl sind");
        window->findChild<QPushButton*>("btnCopy")->click();
        EXPECT_TRUE(clipboard.contents.starts_with(
            std::string("Period\tFirst day\tTasks\tHours\tCost\r\n") + c.copiedFirst + "\t"))
            << clipboard.contents;
        EXPECT_TRUE(
            clipboard.contents.ends_with("No date\t\t1\t1\t20\r\nTotal\t\t3\t6.5\t120.5\r\n"));
    }
    // In a window made in German each column is as wide as its heading ("Aufgabenbeschreibung").
    FrmSummary inGerman(form.controller().grid(), form.controller().locale());
    inGerman.show();
    for (QTableWidget* table : {inGerman.summaryTable(), inGerman.tasksTable()}) {
        QHeaderView* header = table->horizontalHeader();
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
        for (int c = 0; c < table->columnCount(); ++c) {
            const QString text = table->horizontalHeaderItem(c)->text();
            EXPECT_GE(header->sectionSize(c),
                      header->fontMetrics().horizontalAdvance(text) + margins);
        }
    }
}

TEST_F(FrmSummaryTest, ChartDescribesTheLargestPeriodShowsFiguresAndReadsInADarkTheme) {
    SummaryChartView* chart = window->chart();
    EXPECT_EQ(chart->accessibleDescription(), "Largest: December 2026, 3.5 h");
    QHelpEvent help(QEvent::ToolTip, QPoint(chart->width() - 20, chart->height() / 2),
                    chart->mapToGlobal(QPoint(chart->width() - 20, chart->height() / 2)));
    QCoreApplication::sendEvent(chart, &help);
    EXPECT_EQ(QToolTip::text(), "December 2026\nHours: 3.5\nCost: 0\nTasks: 1");
    QPalette dark;  // Dark barely darker than Base, Text still black
    const std::pair<QPalette::ColorRole, QRgb> theme[] = {
        {QPalette::Base, 0x2a2a2a}, {QPalette::Dark, 0x232323}, {QPalette::Highlight, 0x2a82da}};
    for (const auto& [role, rgb] : theme) dark.setColor(role, QColor::fromRgb(rgb));
    chart->setPalette(dark);
    const SummaryChartView::Colours colours = chart->colours();
    for (const QColor& shown : {colours.text, colours.bar, colours.selectedBar})
        EXPECT_GE(contrastRatio(toColor(shown), toColor(colours.background)), kMinTextContrast);
}

}  // namespace
}  // namespace quillet
