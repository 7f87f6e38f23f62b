// The recovery note reader on any text: a note that reads has a time the program can show,
// and writes back to a note that reads the same.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "ports/DateTime.h"
#include "recovery/Sidecar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<quillet::Sidecar> note = quillet::parseSidecar(text);
    if (!note) return 0;
    const quillet::CivilDate date = quillet::decodeDate(note->time);
    QUILLET_FUZZ_CHECK(date.year >= 100 && date.year <= 9999, "a year the program can show");
    const std::optional<quillet::Sidecar> again =
        quillet::parseSidecar(quillet::formatSidecar(*note));
    QUILLET_FUZZ_CHECK(again.has_value(), "a written note reads");
    QUILLET_FUZZ_CHECK(again->path == note->path && again->title == note->title &&
                           again->pid == note->pid && again->bootId == note->bootId &&
                           again->startTime == note->startTime &&
                           again->copySize == note->copySize && again->sequence == note->sequence,
                       "a written note reads the same");
    QUILLET_FUZZ_CHECK(again->stopwatch.has_value() == note->stopwatch.has_value() &&
                           (!note->stopwatch || (again->stopwatch->row == note->stopwatch->row &&
                                                 again->stopwatch->startedAt.has_value() ==
                                                     note->stopwatch->startedAt.has_value())),
                       "a written note keeps its stopwatch");
    return 0;
}
