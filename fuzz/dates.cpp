// Date reading and the date normalisation on any text, under fixed locales and
// under made-up patterns. Every date the program writes must read back as the day
// it came from.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "FuzzSupport.h"
#include "grid/RowSort.h"
#include "ports/DateTime.h"
#include "tasks/TaskRows.h"

using quillet::Locale;

namespace {

Locale locale(const char* pattern, const char* separator, const char* decimal,
              const char* thousands) {
    Locale l;
    l.shortDatePattern = pattern;
    l.dateSeparator = separator;
    l.decimalSeparator = decimal;
    l.thousandsSeparator = thousands;
    return l;
}

void checkDay(double day) {
    const quillet::CivilDate date = quillet::decodeDate(day);
    QUILLET_FUZZ_CHECK(date.month >= 1 && date.month <= 12, "month in range");
    QUILLET_FUZZ_CHECK(date.day >= 1 && date.day <= quillet::daysInMonth(date.year, date.month),
                       "day in range");
    QUILLET_FUZZ_CHECK(quillet::encodeDate(date.year, date.month, date.day) == day,
                       "day encodes back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::uint8_t mode = in.ConsumeIntegral<std::uint8_t>();
    const bool madeUp = (mode & 0x80) != 0;
    static const Locale fixed[] = {
        locale("M/d/yyyy", "/", ".", ","),      locale("dd.MM.yyyy", ".", ",", "."),
        locale("dd/MM/yyyy", "/", ".", ","),    locale("yyyy-MM-dd", "-", ",", " "),
        locale("yyyy. MM. dd.", ".", ",", " "), locale("d.MM.yyyy 'г'.", ".", ",", " "),
    };
    Locale l = fixed[mode % std::size(fixed)];
    if (madeUp) {
        l.shortDatePattern = in.ConsumeRandomLengthString(16);
        l.dateSeparator = in.ConsumeRandomLengthString(3);
    }
    l.currentYear = in.ConsumeIntegralInRange(1, 9999);
    const std::string text = in.ConsumeRemainingBytesAsString();

    const std::optional<double> value = l.parseDateTime(text);
    quillet::CellGrid grid(7, 2, 1);
    grid.setCellText(3, 0, "Start Date");
    grid.setCellText(3, 1, text);
    try {
        quillet::normaliseDate(grid, 3, 1, l);
        QUILLET_FUZZ_CHECK(value.has_value(), "only a date normalises");
    } catch (const quillet::ConvertError&) {
        QUILLET_FUZZ_CHECK(!value.has_value(), "a date normalises");
        QUILLET_FUZZ_CHECK(grid.cellText(3, 1) == text, "a failed normalisation keeps the text");
    }
    quillet::sortKindOf(text, l);
    quillet::compareSortCells(text, grid.cellText(3, 1), l);
    if (!value) return 0;

    QUILLET_FUZZ_CHECK(std::isfinite(*value) && *value - std::floor(*value) < 1.0,
                       "a date and a time");
    const double day = std::floor(*value);
    checkDay(day);
    const std::string normalised(grid.cellText(3, 1));
    QUILLET_FUZZ_CHECK(normalised == l.formatNormalisedDate(day),
                       "the cell holds the normalised date");
    const std::string shortDate = l.formatDate(day);
    if (madeUp) return 0;  // a made-up pattern need not write what it can read
    QUILLET_FUZZ_CHECK(l.parseDateTime(normalised) == day,
                       "a normalised date reads back as its day");
    QUILLET_FUZZ_CHECK(l.parseDateTime(shortDate) == day, "a short date reads back as its day");
    return 0;
}
