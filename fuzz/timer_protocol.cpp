// The remote control's line protocol on any bytes, both ways: nothing but a well-formed line is
// taken, and whatever is taken is written back as the same line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "tools/TimerProtocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    if (const auto command = quillet::parseTimerRequest(line)) {
        const std::string again = quillet::timerRequestLine(*command);
        QUILLET_FUZZ_CHECK(again.substr(0, again.size() - 1) == line, "request round trip");
    }
    if (const auto request = quillet::parseTimerRequestLine(line)) {
        const std::string again = quillet::timerRequestLine(*request);
        QUILLET_FUZZ_CHECK(again.size() <= quillet::kMaxTimerLine, "request fits one line");
        QUILLET_FUZZ_CHECK(again.substr(0, again.size() - 1) == line,
                           "request of either version round trip");
    }
    if (const auto reply = quillet::parseTimerReply(line)) {
        const std::string again = quillet::timerReplyLine(*reply);
        QUILLET_FUZZ_CHECK(again.size() <= quillet::kMaxTimerLine, "reply fits one line");
        QUILLET_FUZZ_CHECK(again.find('\n') == again.size() - 1, "reply is one line");
        const auto reread =
            quillet::parseTimerReply(std::string_view(again).substr(0, again.size() - 1));
        QUILLET_FUZZ_CHECK(reread && reread->ok == reply->ok, "reply round trip");
    }
    return 0;
}
