#pragma once

#include "ports/Version.h"

namespace quillet {

// The program's name and addresses, in one place for the About box, the Help menu and the
// printed footer.
inline constexpr const char* kProductName = "Quillet1";
inline constexpr const char* kMakerName = "Brindlecraft";
inline constexpr const char* kMakerWebAddress = "https://www.example.org/brindlecraft/";
inline constexpr const char* kProductWebPage = "https://www.example.org/brindlecraft/quillet/";
inline constexpr const char* kMakerEmailAddress = "quillet@example.org";

}  // namespace quillet
