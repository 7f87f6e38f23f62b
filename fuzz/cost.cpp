// Cost reading and the total on any text: a cost that reads, written as a total,
// reads back as the same total.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "tasks/CostTotal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    // Decimal separators of real locales (a locale always has one).
    static const char* const kDecimal[] = {".", ",", "\xD9\xAB", "'"};
    quillet::Locale locale;
    locale.decimalSeparator = kDecimal[in.ConsumeIntegralInRange<std::size_t>(0, 3)];
    const std::string text = in.ConsumeRemainingBytesAsString();

    const std::string_view trimmed = quillet::trimBlanksAndControls(text);
    QUILLET_FUZZ_CHECK(trimmed.empty() || static_cast<unsigned char>(trimmed.front()) > 0x20,
                       "trimmed");

    if (const auto cost = quillet::parseCost(text, locale); cost && std::isfinite(*cost)) {
        const std::string total = quillet::formatTotal(*cost, locale);
        const auto back = quillet::parseCost(total, locale);
        QUILLET_FUZZ_CHECK(back.has_value(), "a total reads as a cost");
        QUILLET_FUZZ_CHECK(quillet::formatTotal(*back, locale) == total,
                           "a total reads back unchanged");
    }

    // The text's lines as the costs of a project, with a total row among them.
    quillet::CellGrid grid(7, 1, 1);
    std::size_t start = 0;
    int row = 1;
    while (start <= text.size() && row < 64) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        grid.setRowCount(row + 1);
        grid.setCellText(quillet::Cost, row++, text.substr(start, end - start));
        start = end + 1;
    }
    const quillet::CostTotal total = quillet::calculateTotal(grid, locale);
    quillet::addTotalToGrid(grid, total.caption, "01/01/2026");
    const quillet::CostTotal again = quillet::calculateTotal(grid, locale);
    QUILLET_FUZZ_CHECK(again.caption == total.caption && again.failed == total.failed,
                       "the total row is left out of the total");
    return 0;
}
