#pragma once

#include <QString>

#include "ports/Message.h"

namespace quillet {

// The core's messages in the interface's language. The template is translated in the
// context "CoreMessages" (where the core marks its templates with QUILLET_TR), then the
// arguments are put in: a verbatim one as it is, a nested message translated in turn.
class CoreMessages {
  public:
    static QString translate(const Message& message);
};

}  // namespace quillet
