#pragma once

#include <string>
#include <string_view>

namespace quillet {

// True when the text is an RTF document ("{\rtf" at its start).
bool isRtfDocument(std::string_view text);
// Plain text of an RTF document. Never fails: malformed input gives what could be read.
std::string rtfToPlainText(std::string_view rtf);

}  // namespace quillet
