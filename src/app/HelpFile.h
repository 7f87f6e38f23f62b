#pragma once

#include <optional>
#include <string>

namespace quillet {

inline constexpr const char* kHelpFileName = "Quillet.html";

// The folder of an executable's full path, with its trailing separator; empty when the
// path names no folder.
std::string programFolder(const std::string& executablePath);

// Makes the folder the process's current directory; an empty folder leaves it as it is.
// Throws std::runtime_error with the user's message when the change fails.
void changeCurrentDirectory(const std::string& folder);

// The manual beside the executable, else where an installation keeps it
// (<folder>/../share/quillet/), as an absolute path; empty when neither exists.
std::optional<std::string> findManual(const std::string& folder);

// A file: address for an absolute path, each byte other than letters, digits, "-._~" and "/"
// percent-encoded, so spaces, "#" and "%" in folder names survive.
std::string fileUrl(const std::string& absolutePath);

}  // namespace quillet
