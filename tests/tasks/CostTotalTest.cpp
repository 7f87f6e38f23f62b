#include "tasks/CostTotal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "support/CountingListener.h"
#include "support/ErrorOf.h"
#include "support/Fakes.h"

namespace quillet {
namespace {

using test::germanLocale;
using test::usLocale;

// A task grid with the given costs in rows 1.., descriptions "task n".
std::unique_ptr<CellGrid> gridWithCosts(const std::vector<std::string>& costs) {
    auto owner = std::make_unique<CellGrid>(7, static_cast<int>(costs.size()) + 1, 1);
    CellGrid& g = *owner;
    g.setCellText(Cost, 0, "Cost");
    for (std::size_t i = 0; i < costs.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        g.setCellText(1, r, "task " + std::to_string(r));
        g.setCellText(Cost, r, costs[i]);
    }
    return owner;
}

TEST(CostTotalFormat, GeneralFormatWithFifteenSignificantDigits) {
    const Locale us = usLocale();
    struct Case {
        long double value;
        const char* text;
    };
    const std::vector<Case> cases = {
        {0, "0"},
        {-0.0L, "0"},
        {10, "10"},
        {12.5L, "12.5"},
        {100, "100"},
        {-3.25L, "-3.25"},
        {0.5L, "0.5"},
        {1e20L, "1E20"},
        {1.5e-5L, "1.5E-5"},
        {-1e-7L, "-1E-7"},
        {0.0001L, "0.0001"},
        {0.00012345L, "0.00012345"},
        {0.00009L, "9E-5"},
        {999999999999999.0L, "999999999999999"},
        {123456789012345.0L, "123456789012345"},
        {1e15L, "1E15"},
        {1234567890123456.0L, "1.23456789012346E15"},
        {-1234567890123456789.0L, "-1.23456789012346E18"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {12345.678901234567L, "12345.6789012346"},
        {0.1L + 0.2L, "0.3"},
        {999999999999999.9L, "1E15"},  // rounds up into 16 integer digits
        {1e300L * 1e300L, "1E600"},    // extended range
        {1.25e-300L, "1.25E-300"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatTotal(c.value, us), c.text) << static_cast<double>(c.value);
    }
    const Locale de = germanLocale();
    EXPECT_EQ(formatTotal(12.5L, de), "12,5");
    EXPECT_EQ(formatTotal(1.5e-5L, de), "1,5E-5");
    EXPECT_EQ(formatTotal(-0.25L, de), "-0,25");
    EXPECT_EQ(formatTotal(1e20L, de), "1E20");
    Locale odd = usLocale();
    odd.decimalSeparator = "\xC2\xB7";  // a separator of several bytes
    EXPECT_EQ(formatTotal(2.75L, odd),
              "2\xC2\xB7"
              "75");
}

TEST(CostTotalParse, OnlyPlainNumbersConvert) {
    const Locale us = usLocale();
    const std::vector<std::pair<const char*, long double>> good = {
        {"10", 10},   {"+10", 10},   {"-2.5", -2.5L}, {"2.", 2},        {".5", 0.5L},
        {"1e3", 1e3}, {"1E+3", 1e3}, {"1e-3", 1e-3L}, {"-1.5E2", -150}, {"007", 7},
    };
    for (const auto& [text, value] : good) {
        const auto parsed = parseCost(text, us);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(*parsed, value) << text;
    }
    for (const char* bad :
         {"",      "$5",   "1,000", "1.2.3", "abc", "1e",    "e5",  "-",     "+",  ".",
          "1 000", "0x10", "inf",   "nan",   "5$",  "1e5.5", "--1", "1e+-2", " 5", "1e99999"}) {
        EXPECT_FALSE(parseCost(bad, us).has_value()) << bad;
    }
    const Locale de = germanLocale();
    EXPECT_EQ(parseCost("2,5", de), 2.5L);
    EXPECT_FALSE(parseCost("2.5", de).has_value());
    EXPECT_FALSE(parseCost("1.000", de).has_value());
}

// The quick reader must give the general conversion's long double exactly, or step aside.
void expectSameAsGeneral(const std::string& text, const Locale& locale, bool mustAnswer) {
    const auto quick = parseCostQuickly(text, locale.decimalSeparator);
    const auto general = parseCost(text, locale);
    if (mustAnswer) {
        ASSERT_TRUE(quick.has_value()) << text;
    }
    if (!quick) return;
    ASSERT_TRUE(general.has_value()) << text;
    EXPECT_EQ(*quick, *general) << text;
    EXPECT_EQ(std::signbit(*quick), std::signbit(*general)) << text;
}

TEST(CostTotalParse, QuickReaderMatchesTheGeneralConversionBitForBit) {
    const Locale us = usLocale();
    // Numbers people type, answered without the general path; then 19 significant digits
    // (above 2^63, with a fraction, after leading zeros).
    for (const char* text :
         {"0", "-0", "+0.00", "7", "1234.56", "-1234.56", "0.1", "0.3", "2.675", "1.005", "0.125",
          "1.999999", ".5", "5.", "007.50", "99999999999999.99", "-2.5e+3", "3e0004"}) {
        expectSameAsGeneral(text, us, true);
    }
    for (const char* text : {"9999999999999999999", "184467440737095516.1",
                             "0000000000000000000001234567890123456789"}) {
        expectSameAsGeneral(text, us, true);
    }
    // 10^27 is the largest exact power of ten in 80-bit extended precision.
    const bool extended = std::numeric_limits<long double>::digits >= 64;
    for (const char* text : {"1e27", "1E-27", "12345e-27", "0.000000000000000000000000001"}) {
        expectSameAsGeneral(text, us, extended);
    }
    // Too many digits or too far an exponent: left to the general path.
    for (const char* text : {"18446744073709551616", "12345678901234567890", "1e28", "1e-28",
                             "1e99999", "0.0000000000000000000000000001", "1e00001", "12345e-30"}) {
        EXPECT_FALSE(parseCostQuickly(text, ".").has_value()) << text;
        expectSameAsGeneral(text, us, false);
    }
    // Not numbers: never a value.
    for (const char* text : {"", "$5", "1,000", "1.2.3", "abc", "1e", "e5", "-", "+", ".", "1 000",
                             "0x10", "inf", "nan", "5$", "1e5.5", "--1", "1e+-2", " 5"}) {
        EXPECT_FALSE(parseCostQuickly(text, ".").has_value()) << text;
    }
    const Locale de = germanLocale();
    expectSameAsGeneral("2,675", de, true);
    EXPECT_FALSE(parseCostQuickly("2.5", ",").has_value());
    EXPECT_FALSE(parseCostQuickly("1.000,5", ",").has_value());
    EXPECT_FALSE(parseCostQuickly("1,5", "").has_value());
    EXPECT_EQ(parseCostQuickly("2\xC2\xB7"
                               "75",
                               "\xC2\xB7"),
              2.75L);
    EXPECT_FALSE(parseCostQuickly("2\xC2"
                                  "75",
                                  "\xC2\xB7")
                     .has_value());

    // Random decimals of every length, separator position and exponent.
    std::mt19937 rng(2026);
    for (int i = 0; i < 20000; ++i) {
        std::string text = rng() % 4 == 0 ? "-" : "";
        const int digits = 1 + static_cast<int>(rng() % 21);
        const int point = static_cast<int>(rng() % static_cast<unsigned>(digits + 2)) - 1;
        for (int d = 0; d < digits; ++d) {
            if (d == point) text += '.';
            text += static_cast<char>('0' + rng() % 10);
        }
        if (rng() % 3 == 0) text += "e" + std::to_string(static_cast<int>(rng() % 81) - 40);
        expectSameAsGeneral(text, us, false);
    }
}

// Texts of up to eight bytes are read a word at a time: every byte that could trip the word
// (signs, separators of either locale, blanks, NUL, bytes above 0x7F, an exponent) in every
// place must give the general conversion's value, or leave the text to it.
TEST(CostTotalParse, ShortTextsReadAWordAtATimeMatchTheGeneralConversion) {
    const std::string alphabet =
        std::string("0123456789012345678901234567890.,-+e ") + '\0' + "\x80\xB0\xFF/:";
    std::mt19937 rng(14);
    for (const Locale& locale : {usLocale(), germanLocale()}) {
        for (int i = 0; i < 50000; ++i) {
            std::string text(1 + rng() % 8, ' ');
            for (char& c : text) c = alphabet[rng() % alphabet.size()];
            expectSameAsGeneral(text, locale, false);
        }
    }
    for (const char* text : {"99999999", "-9999999", "00000001", "1234567.", ".1234567", "+0.0"}) {
        expectSameAsGeneral(text, usLocale(), true);
    }
}

TEST(CostTotalCalculate, SumsCostsAndFlagsCellsThatDoNotConvert) {
    const Locale us = usLocale();
    {
        auto owner = gridWithCosts({"10", "2.5", ""});
        CellGrid& g = *owner;
        const CostTotal t = calculateTotal(g, us);
        EXPECT_EQ(t.caption, "12.5");
        EXPECT_FALSE(t.failed);
    }
    {
        auto owner = gridWithCosts({"10", "$5"});
        CellGrid& g = *owner;
        const CostTotal t = calculateTotal(g, us);
        EXPECT_EQ(t.caption, "10");
        EXPECT_TRUE(t.failed);
    }
    {
        auto owner = gridWithCosts({"  7 ", "\t3\r\n", "1,000"});
        CellGrid& g = *owner;
        const CostTotal t = calculateTotal(g, us);
        EXPECT_EQ(t.caption, "10");
        EXPECT_TRUE(t.failed);
    }
    {
        CellGrid g(7, 1, 0);
        g.setCellText(Cost, 0, "99");  // row 0 is the heading, never counted
        EXPECT_EQ(calculateTotal(g, us).caption, "0");
    }
    {
        auto owner = gridWithCosts({"0.1", "0.2", "-0.3"});
        CellGrid& g = *owner;
        EXPECT_EQ(calculateTotal(g, us).caption, "0");
    }
    {
        auto owner = gridWithCosts({"1,5", "2,25"});
        CellGrid& g = *owner;
        EXPECT_EQ(calculateTotal(g, germanLocale()).caption, "3,75");
    }
}

TEST(CostTotalCalculate, SumsAsTheGeneralConversionDoesInEveryCorner) {
    struct Case {
        std::vector<std::string> costs;
        const char* caption;
        bool failed;
    };
    const std::vector<Case> cases = {
        {{"0.125", "0.125", "1.999"}, "2.249", false},  // more than two decimals
        // Each cell rounds on its own and the extended sum shows it, as it always has.
        {{"1.005", "2.675", "-3.68"}, "-2.16840434497101E-19", false},
        {{"-5.25", "10", "-0"}, "4.75", false},                         // negative values
        {{"1,000.50", "2"}, "2", true},                                 // thousands separator
        {{"12345678901234567890", "1"}, "1.23456789012346E19", false},  // over 19 digits
        {{"99999999999999.99", "0.01"}, "100000000000000", false},
        {{"999999999999999", "1"}, "1E15", false},
        {{"1e4000", "1"}, "1E4000", false},  // huge, still in range
        {{"1e99999", "3"}, "3", true},       // out of range
        {{"0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1", "0.1"}, "1", false},
        {{"1e-28", "1e-27"}, "1.1E-27", false},  // one quick, one general
        {{"0.33333333333333333333", "0.66666666666666666667"}, "1", false},
    };
    const Locale us = usLocale();
    for (const Case& c : cases) {
        auto owner = gridWithCosts(c.costs);
        const CostTotal t = calculateTotal(*owner, us);
        EXPECT_EQ(t.caption, c.caption) << c.costs.front();
        EXPECT_EQ(t.failed, c.failed) << c.costs.front();
    }
    auto owner = gridWithCosts({"1,005", "-0,005", "1.000,5"});
    const CostTotal t = calculateTotal(*owner, germanLocale());
    EXPECT_EQ(t.caption, "1");
    EXPECT_TRUE(t.failed);
}

// A big project is read by two threads; the sum must still add every cost in row order.
// Here order shows: the ones vanish next to 1E20, so in row order the total is 0, while
// adding two halves' sums would give the ones of the later half.
TEST(CostTotalCalculate, BigProjectsAddInRowOrderAcrossTheSplit) {
    constexpr int kRows = 150000;
    std::vector<std::string> costs(kRows, "1");
    costs.front() = "1E20";
    costs.back() = "-1E20";
    costs[kRows - 3] = "abc";
    auto owner = gridWithCosts(costs);
    CellGrid& g = *owner;
    const CostTotal t = calculateTotal(g, usLocale());
    EXPECT_EQ(t.caption, "0");
    EXPECT_TRUE(t.failed);  // the bad cost is in the later rows

    // Every row counts once, the rows on either side of any split included, and a total
    // row in the later rows is still left out.
    for (std::string& cost : costs) cost = "1";
    owner = gridWithCosts(costs);
    owner->setCellText(1, kRows - 1, "<Total for project>");
    const CostTotal plain = calculateTotal(*owner, usLocale());
    EXPECT_EQ(plain.caption, std::to_string(kRows - 1));
    EXPECT_FALSE(plain.failed);
}

TEST(CostTotalCalculate, TotalRowsAreSkippedAfterTrimming) {
    const Locale us = usLocale();
    auto owner = gridWithCosts({"10", "5", "999", "7", "1"});
    CellGrid& g = *owner;
    g.setCellText(1, 3, " \t<Total for project>\r\n");
    g.setCellText(1, 4, "<total for project>");  // case matters: an ordinary task
    g.setCellText(1, 5, "<Total for project> x");
    EXPECT_EQ(calculateTotal(g, us).caption, "23");
}

TEST(CostTotalAdd, AppendsOnceThenUpdatesTheSameRow) {
    const Locale us = usLocale();
    auto owner = gridWithCosts({"10", "2.5"});
    CellGrid& g = *owner;
    g.setCellText(2, 3, "left over");  // the store keeps texts past the last row
    addTotalToGrid(g, calculateTotal(g, us).caption, "12/07/2026");
    ASSERT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.cellText(0, 3), "3");
    EXPECT_EQ(g.cellText(1, 3), kTotalRowCaption);
    EXPECT_EQ(g.cellText(2, 3), "");
    EXPECT_EQ(g.cellText(3, 3), "12/07/2026");
    EXPECT_EQ(g.cellText(4, 3), "12.5");
    EXPECT_EQ(calculateTotal(g, us).caption, "12.5");  // its own cost is not added

    g.setCellText(Cost, 1, "20");
    g.setCellText(0, 3, "renumbered");
    addTotalToGrid(g, calculateTotal(g, us).caption, "12/08/2026");
    ASSERT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.cellText(0, 3), "renumbered");
    EXPECT_EQ(g.cellText(3, 3), "12/08/2026");
    EXPECT_EQ(g.cellText(4, 3), "22.5");

    // A renamed total row is an ordinary task again.
    g.setCellText(1, 3, "Total, renamed");
    EXPECT_EQ(calculateTotal(g, us).caption, "45");
}

TEST(CostTotalAdd, AtTheCellLimitANewTotalRowIsRefusedAndChangesNothing) {
    // 100,000 columns hold 500 rows: a grid at the limit that is quick to scan.
    CellGrid g(100'000, 500, 1);
    g.setCellText(Cost, 1, "10");
    test::CountingListener listener;
    g.addListener(&listener);
    EXPECT_EQ(test::errorOf<CellGridError>([&] { addTotalToGrid(g, "10", "12/07/2026"); }),
              "The grid cannot have 100000 columns and 501 rows, more than the 50000000 cells "
              "a project can have");
    EXPECT_EQ(g.rowCount(), 500);
    EXPECT_EQ(g.storedCellCount(), 1u);  // no half-added row, not even past the count
    EXPECT_EQ(listener.layouts + listener.cells + listener.content, 0);

    // A total row already there is updated in place: nothing grows.
    g.setCellText(Description, 499, kTotalRowCaption);
    addTotalToGrid(g, "10", "12/08/2026");
    EXPECT_EQ(g.rowCount(), 500);
    EXPECT_EQ(g.cellText(Cost, 499), "10");
    EXPECT_EQ(g.cellText(StartDate, 499), "12/08/2026");
}

TEST(CostTotalAdd, FreshStartWritesTheBlankCaptionAndNotifiesOnce) {
    CellGrid g(7, 1, 0);
    test::CountingListener listener;
    g.addListener(&listener);
    addTotalToGrid(g, " ", "12/07/2026");
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.cellText(0, 1), "1");
    EXPECT_EQ(g.cellText(4, 1), " ");
    EXPECT_EQ(listener.layouts, 1);
    EXPECT_EQ(listener.cells, 0);
}

}  // namespace
}  // namespace quillet
