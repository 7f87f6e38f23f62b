#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillet {

inline constexpr const char* kHelpFileName = "Quillet.html";

// The folder of an executable's full path, with its trailing separator; empty when the
// path names no folder.
std::string programFolder(const std::string& executablePath);

// Makes the folder the process's current directory; an empty folder leaves it as it is.
// Throws std::runtime_error with the user's message when the change fails.
void changeCurrentDirectory(const std::string& folder);

// The manual's file name in a language: "Quillet.de.html" for "de-DE" or "de_AT", the English
// "Quillet.html" for English, the C locale and anything that names no language.
std::string manualFileName(const std::string& language);

// The manual beside the executable, else where an installation keeps it
// (<folder>/../share/quillet/), as an absolute path; empty when neither exists. The languages
// are the user's, most wanted first, as the interface picks its translation: the first one
// with a manual wins, English ends the search, and English is the fallback.
std::optional<std::string> findManual(const std::string& folder,
                                      const std::vector<std::string>& languages = {});

// A file: address for an absolute path, each byte other than letters, digits, "-._~" and "/"
// percent-encoded, so spaces, "#" and "%" in folder names survive.
std::string fileUrl(const std::string& absolutePath);

}  // namespace quillet
