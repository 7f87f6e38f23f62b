#pragma once

#include <string.h>  // strerror_r, in its GNU or its POSIX form

#include <string>

namespace quillet {

namespace detail {
// strerror_r returns the text (GNU) or 0 once the text is in the buffer (POSIX).
inline const char* errorTextOf(const char* text, const char*) {
    return text;
}
inline const char* errorTextOf(int result, const char* buffer) {
    return result == 0 ? buffer : nullptr;
}
}  // namespace detail

// The text std::strerror gives for an errno value ("No such file or directory"), without
// its shared buffer: files are read and written on the recovery thread and the UI thread.
inline std::string errorText(int err) {
    char buffer[256] = {};
    const char* text = detail::errorTextOf(::strerror_r(err, buffer, sizeof buffer), buffer);
    if (text == nullptr || *text == '\0') return "Unknown error " + std::to_string(err);
    return text;
}

}  // namespace quillet
