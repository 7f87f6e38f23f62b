#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTimer>
#include <filesystem>

#include <gtest/gtest.h>

#include "grid/CellGrid.h"
#include "ports/Ports.h"
#include "shell/OwnedForm1.h"
#include "shell/PrintJob.h"
#include "support/FakePorts.h"
#include "support/TempDir.h"
#include "tasks/Columns.h"

namespace quillet {
namespace {

// The text of a PDF file, pages separated by form feeds, laid out as on the page.
QString pdfText(const std::string& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", QString::fromStdString(path), "-"});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils, see scripts/install-deps) could not read "
                      << path << ": " << pdftotext.errorString().toStdString();
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

void fillProject(CellGrid& grid, int tasks) {
    grid.setRowCount(tasks + 1);
    for (int c = 0; c < DefaultColumnCount; ++c) grid.setCellText(c, 0, kDefaultHeadings[c]);
    for (int r = 1; r <= tasks; ++r) {
        grid.setCellText(TaskNo, r, std::to_string(r));
        grid.setCellText(Description, r, "Review " + std::to_string(r));
        grid.setCellText(StartDate, r, "12/7/2026");
    }
}

class PrintToPdfTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    std::string path = dir.file("project.pdf");
    QPrinter printer{QPrinter::HighResolution};
    CellGrid grid{DefaultColumnCount, 2, 1};

    void SetUp() override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
    }
};

TEST_F(PrintToPdfTest, PdfHoldsTheHeadingLineTheTasksAndTheFooter) {
    fillProject(grid, 150);  // more than a page
    ASSERT_TRUE(printGridOn(grid, printer, nullptr));

    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(QRegularExpression(
        R"(^Task #\s+Task Description\s+Hours\s+Start Date\s+Cost\s+Misc\. Notes\s+End Date\s*$)",
        QRegularExpression::MultilineOption)))
        << text.left(2000).toStdString();
    EXPECT_EQ(text.count("Task Description"), 1);  // no heading on later pages
    EXPECT_TRUE(text.contains(QRegularExpression(R"(^1\s+Review 1\s+12/7/2026\s*$)",
                                                 QRegularExpression::MultilineOption)));
    EXPECT_TRUE(text.contains(QRegularExpression(R"(^150\s+Review 150\s+12/7/2026\s*$)",
                                                 QRegularExpression::MultilineOption)));
    EXPECT_GE(text.count('\f'), 2);  // pages
    const QString footer =
        "Printed from Quillet1, by Brindlecraft (https://www.example.org/brindlecraft/).";
    EXPECT_TRUE(text.contains(QRegularExpression("^" + QRegularExpression::escape(footer) + "$",
                                                 QRegularExpression::MultilineOption)));
    EXPECT_GT(text.lastIndexOf(footer), text.indexOf("Review 150"));
}

TEST_F(PrintToPdfTest, FileThatCannotBeWrittenIsAnError) {
    const std::string bad = dir.file("missing-folder/project.pdf");
    printer.setOutputFileName(QString::fromStdString(bad));
    try {
        printGridOn(grid, printer, nullptr);
        FAIL() << "no error";
    } catch (const PrintError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot print to file " + bad);
    }
}

TEST_F(PrintToPdfTest, CancelInTheProgressDialogDropsTheJob) {
    fillProject(grid, 20000);
    bool cancelled = false;
    // Runs inside the progress dialog's event processing, once it is on the screen.
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<QProgressDialog*>(w);
            if (progress && progress->objectName() == "PrintProgress" && progress->isVisible()) {
                progress->cancel();
                cancelled = true;
            }
        }
    });
    timer.start(0);
    // The dialog shows at once, so the cancel does not depend on the machine's speed.
    EXPECT_FALSE(printGridOn(grid, printer, nullptr, 0));
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(std::filesystem::exists(path));  // no half-printed file left behind
}

// The File menu's item after Print previews the pages Print prints on the same page set-up.
TEST_F(PrintToPdfTest, PreviewShowsThePagesPrintPrints) {
    test::FakePorts fakes;
    test::OwnedForm1 form{fakes.ports()};
    fillProject(form.controller().grid(), 150);
    int pages = 0;
    QTimer::singleShot(0, &form, [&] {
        auto* preview = form.findChild<QPrintPreviewDialog*>("PrintPreviewDialog1");
        ASSERT_NE(preview, nullptr);
        pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        printer.setPageLayout(preview->printer()->pageLayout());
        preview->reject();
    });
    const QList<QAction*> file = form.findChild<QMenu*>("mnuFile1")->actions();
    file.at(file.indexOf(form.action("mnuPrint1")) + 1)->trigger();
    ASSERT_TRUE(printGridOn(form.controller().grid(), printer, nullptr));
    EXPECT_EQ(pages, pdfText(path).count('\f'));
}

}  // namespace
}  // namespace quillet
