#include "ports/Locale.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

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

// LANGUAGE names the windows' languages; the formats follow LC_ALL, the category, then LANG.
TEST(LocaleFormat, FormatsFollowLcAllThenTheCategoryThenLang) {
    std::map<std::string, std::string> env = {{"LANG", "C.UTF-8"}, {"LANGUAGE", "en_US:en"}};
    const auto get = [&env](const char* name) { return env[name]; };
    EXPECT_TRUE(isUnconfiguredLocale(formatLocaleName(LocaleCategory::Time, get)));
    env = {{"LANG", "de_DE.UTF-8"}, {"LC_TIME", "fr_FR"}, {"LANGUAGE", "es"}};
    EXPECT_EQ(formatLocaleName(LocaleCategory::Time, get), "fr_FR");
    EXPECT_EQ(formatLocaleName(LocaleCategory::Numeric, get), "de_DE.UTF-8");
    env["LC_ALL"] = "es_ES";
    EXPECT_EQ(formatLocaleName(LocaleCategory::Numeric, get), "es_ES");
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

TEST(LocaleFormat, NormalisedDateKeepsMonthFirstOrFollowsTheLocale) {
    Locale hungarian = test::germanLocale();
    hungarian.shortDatePattern = "yyyy. MM. dd.";
    const struct {
        Locale locale;
        const char* name;
        bool monthFirst;
        const char* normalised;  // of 31 December 2024
        const char* early;       // of 3 February 2026
    } cases[] = {
        {test::usLocale(), "US", true, "12/31/2024", "02/03/2026"},
        {test::germanLocale(), "German", false, "31.12.2024", "03.02.2026"},
        {test::britishLocale(), "British", false, "31/12/2024", "03/02/2026"},
        {test::isoLocale(), "ISO", false, "2024-12-31", "2026-02-03"},
        {hungarian, "Hungarian", false, "2024.12.31", "2026.02.03"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.locale.isMonthFirst(), c.monthFirst) << c.name;
        EXPECT_EQ(c.locale.formatNormalisedDate(encodeDate(2024, 12, 31) + 0.75), c.normalised)
            << c.name;
        EXPECT_EQ(c.locale.formatNormalisedDate(encodeDate(2026, 2, 3)), c.early) << c.name;
        // Every date the program writes, normalised or in the short pattern, reads
        // back as the same day.
        std::vector<double> days = {encodeDate(1, 1, 1), encodeDate(999, 7, 9),
                                    encodeDate(9999, 12, 31), 0.0};
        for (double d = encodeDate(2023, 12, 1); d < encodeDate(2025, 3, 1); ++d) days.push_back(d);
        for (const double day : days) {
            for (const std::string& text :
                 {c.locale.formatNormalisedDate(day), c.locale.formatDate(day)}) {
                ASSERT_EQ(c.locale.parseDateTime(text), day) << c.name << " " << text;
            }
        }
    }
    EXPECT_EQ(hungarian.formatDate(encodeDate(2026, 3, 4)), "2026. 03. 04.");
    EXPECT_EQ(hungarian.parseDateTime("2026. 3. 4. 14:30"),
              encodeDate(2026, 3, 4) + encodeTime(14, 30, 0, 0));
}

}  // namespace
}  // namespace quillet
