#include "ports/Locale.h"

#include <gtest/gtest.h>

#include "ports/DateTime.h"
#include "support/Fakes.h"

namespace quillet {
namespace {

TEST(DateTimeTest, EpochAndRoundTrip) {
    EXPECT_EQ(encodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(encodeDate(2026, 12, 7), 46363.0);
    const CivilDate d = decodeDate(46363.75);
    EXPECT_EQ(d.year, 2026);
    EXPECT_EQ(d.month, 12);
    EXPECT_EQ(d.day, 7);
    EXPECT_EQ(decodeDate(encodeDate(2000, 2, 29)).day, 29);
}

TEST(LocaleFormat, ShortPatternAlwaysHasFourDigitYear) {
    EXPECT_EQ(withFourDigitYear("M/d/yy"), "M/d/yyyy");
    EXPECT_EQ(withFourDigitYear("dd.MM.yyyy"), "dd.MM.yyyy");
    EXPECT_EQ(withFourDigitYear("yy-MM-dd"), "yyyy-MM-dd");
    const double day = encodeDate(2026, 3, 4);
    EXPECT_EQ(test::usLocale().formatDate(day), "3/4/2026");
    EXPECT_EQ(test::germanLocale().formatDate(day), "04.03.2026");
    EXPECT_EQ(test::usLocale().formatMonthDayYear(day + 0.6), "03/04/2026");
    EXPECT_EQ(test::germanLocale().formatMonthDayYear(day), "03.04.2026");
}

TEST(LocaleParse, OrderTimeAndTwoDigitYears) {
    const Locale us = test::usLocale();
    EXPECT_EQ(us.parseDateTime("3/4/2026"), encodeDate(2026, 3, 4));
    EXPECT_EQ(us.parseDateTime(" 3/4/2026 14:30 "),
              encodeDate(2026, 3, 4) + encodeTime(14, 30, 0, 0));
    EXPECT_EQ(us.parseDateTime("3/4/2026 2:30 PM"),
              encodeDate(2026, 3, 4) + encodeTime(14, 30, 0, 0));
    EXPECT_EQ(us.parseDateTime("12/6/26"), encodeDate(2026, 12, 6));  // not 1926
    EXPECT_EQ(us.parseDateTime("1/1/90"), encodeDate(1990, 1, 1));
    EXPECT_EQ(us.parseDateTime("3/4"), encodeDate(2026, 3, 4));
    EXPECT_EQ(test::germanLocale().parseDateTime("04.03.2026"), encodeDate(2026, 3, 4));

    for (const char* bad : {"", "abc", "2/30/2026", "13/1/2026", "3/4/2026x", "3-4-2026",
                            "3/4/2026 25:00", "12345/1/1", "1/2/3/4"}) {
        EXPECT_FALSE(us.parseDateTime(bad).has_value()) << bad;
    }
}

}  // namespace
}  // namespace quillet
