#pragma once

#include <string>
#include <string_view>

namespace quillet {

bool isValidUtf8(std::string_view bytes);
// Windows-1252 bytes (files from older versions) as UTF-8.
std::string cp1252ToUtf8(std::string_view bytes);
// Cell bytes as UTF-8 for display: UTF-8 as it is, anything else read as Windows-1252.
std::string displayUtf8(std::string_view bytes);

}  // namespace quillet
