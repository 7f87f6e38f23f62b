#pragma once

#include <QString>
#include <string_view>

namespace quillet {

// The core speaks plain English, often with a path or a number built in. The shell shows its
// messages in the user's language by recognising them against the English templates kept
// here; a message no template matches is shown as it came.
class CoreMessages {
  public:
    static QString translate(std::string_view english);
    static QString translate(const QString& english);
};

}  // namespace quillet
