#include "shell/GridModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include "grid/ColorContrast.h"
#include "shell/QtPorts.h"
#include "support/Palettes.h"
#include "tasks/FindHighlight.h"

namespace quillet {
namespace {

struct ModelFixture {
    CellGrid grid{3, 4, 1};
    GridModel model{grid};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST(GridModel, ShowsTheHeadingRowAsHeaderAndTheRestAsRows) {
    ModelFixture f;
    f.grid.setCellText(1, 0, "Task Description");
    f.grid.setCellText(1, 1, "first line\r\nsecond");
    EXPECT_EQ(f.model.rowCount(), 3);
    EXPECT_EQ(f.model.columnCount(), 3);
    EXPECT_EQ(f.model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              "Task Description");
    EXPECT_EQ(f.model.index(0, 1).data(Qt::DisplayRole).toString(), QString("first line…"));
    EXPECT_EQ(f.model.index(0, 1).data(Qt::EditRole).toString(), "first line\r\nsecond");
}

TEST(GridModel, ABulkChangeResetsOnceAndASingleCellChangesOneIndex) {
    ModelFixture f;
    QSignalSpy resets(&f.model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(&f.model, &QAbstractItemModel::dataChanged);
    QSignalSpy headers(&f.model, &QAbstractItemModel::headerDataChanged);
    {
        CellGrid::BulkUpdate bulk(f.grid);
        for (int row = 0; row < 4; ++row) f.grid.setCellText(0, row, "x");
        f.grid.setRowCount(10);
        f.grid.setColCount(5);
        bulk.commit();
    }
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(f.model.rowCount(), 9);
    EXPECT_EQ(f.model.columnCount(), 5);

    f.grid.setCellText(2, 3, "y");
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toModelIndex(), f.model.index(2, 2));
    f.grid.setCellText(1, 0, "heading");
    EXPECT_EQ(headers.count(), 1);
    EXPECT_EQ(resets.count(), 1);
}

TEST(GridModel, AnEditGoesToTheHandlerOnlyWhenTheTextChanges) {
    ModelFixture f;
    f.grid.setCellText(1, 2, "same");
    std::vector<std::string> edits;
    f.model.onEdit = [&](int col, int row, const std::string& text) {
        edits.push_back(std::to_string(col) + "," + std::to_string(row) + "=" + text);
    };
    EXPECT_TRUE(f.model.setData(f.model.index(1, 1), QStringLiteral("same"), Qt::EditRole));
    EXPECT_TRUE(edits.empty());
    EXPECT_TRUE(f.model.setData(f.model.index(1, 1), QStringLiteral("new"), Qt::EditRole));
    EXPECT_EQ(edits, std::vector<std::string>{"1,2=new"});
    EXPECT_EQ(f.grid.cellText(1, 2), "same");  // the handler decides what is stored
}

TEST(GridModel, WithoutAFixedRowTheHeadingIsAnOrdinaryRow) {
    ModelFixture f;
    QSignalSpy resets(&f.model, &QAbstractItemModel::modelReset);
    f.grid.setFixedRows(0);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(f.model.rowCount(), 4);
    EXPECT_EQ(f.model.gridRow(0), 0);
}

// Every coloured cell, the found cell's yellow first, is readable in a light and a dark
// theme; in the light one the found cell keeps the palette's own text colour.
TEST(GridModel, ColouredCellsHaveReadableTextInLightAndDarkPalettes) {
    const struct {
        const char* name;
        QPalette palette;
    } themes[] = {{"light", test::lightFusionPalette()}, {"dark", test::darkFusionPalette()}};
    for (const auto& theme : themes) {
        const test::ScopedPalette scoped(theme.palette);
        ModelFixture f;
        f.grid.setCellText(1, 2, "needle");
        FindHighlight highlight;
        highlight.setSearchText("needle");
        highlight.find(f.grid);
        ASSERT_EQ(f.grid.cellColor(1, 2), clYellow);
        f.grid.setCellColor(0, 1, clHighlight);
        f.grid.setCellColor(1, 1, clInfoBk);
        f.grid.setCellColor(2, 1, clBtnFace);
        for (const auto& [col, row] : {std::pair{1, 2}, {0, 1}, {1, 1}, {2, 1}}) {
            const QModelIndex index = f.model.index(f.model.modelRow(row), col);
            const QColor back = index.data(Qt::BackgroundRole).value<QBrush>().color();
            // Without a colour of its own the view draws the palette's text colour.
            const QVariant own = index.data(Qt::ForegroundRole);
            const QColor text =
                own.isValid() ? own.value<QBrush>().color() : theme.palette.color(QPalette::Text);
            EXPECT_GE(contrastRatio(toColor(back), toColor(text)), kMinTextContrast)
                << theme.name << " cell " << col << "," << row;
        }
        const QModelIndex found = f.model.index(f.model.modelRow(2), 1);
        EXPECT_EQ(found.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::black))
            << theme.name;
        // Uncoloured cells are drawn by the view with its own palette pair.
        EXPECT_FALSE(f.model.index(1, 0).data(Qt::ForegroundRole).isValid());
    }
}

TEST(SystemLocaleMapping, PatternsSeparatorsAndNumbers) {
    struct Case {
        QLocale locale;
        const char* pattern;
        const char* separator;
        const char* decimal;
        const char* march;  // the summary names its periods with these
    };
    const Case cases[] = {
        {QLocale(QLocale::C), "M/d/yyyy", "/", ".", "March"},  // no configured locale: US order
        {QLocale(QLocale::English, QLocale::UnitedStates), "M/d/yyyy", "/", ".", "March"},
        {QLocale(QLocale::German, QLocale::Germany), "dd.MM.yyyy", ".", ",", "M\xc3\xa4rz"},
        {QLocale(QLocale::Swedish, QLocale::Sweden), "yyyy-MM-dd", "-", ",", "mars"},
    };
    for (const Case& c : cases) {
        const Locale locale = localeFrom(c.locale, 2026);
        EXPECT_EQ(locale.shortDatePattern, c.pattern) << c.locale.name().toStdString();
        EXPECT_EQ(locale.dateSeparator, c.separator) << c.locale.name().toStdString();
        EXPECT_EQ(locale.decimalSeparator, c.decimal) << c.locale.name().toStdString();
        EXPECT_EQ(locale.currentYear, 2026);
        EXPECT_EQ(locale.monthNames[2], c.march) << c.locale.name().toStdString();
    }
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    // Month names become numbers; quoted text is not a separator.
    EXPECT_EQ(localeFrom(QStringLiteral("d MMM yy"), us, 2026).shortDatePattern, "d MM yyyy");
    EXPECT_EQ(localeFrom(QStringLiteral("d MMMM yyyy"), us, 2026).dateSeparator, " ");
    EXPECT_EQ(localeFrom(QStringLiteral("yyyy'-'M.d"), us, 2026).dateSeparator, ".");
    EXPECT_EQ(localeFrom(QStringLiteral("yyyyMMdd"), us, 2026).dateSeparator, "/");
}

}  // namespace
}  // namespace quillet
