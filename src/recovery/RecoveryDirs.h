#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "ports/Message.h"

namespace quillet {

// Where recovery copies and backups live. Tests give their own folders.
struct RecoveryDirs {
    std::string recovery;  // $XDG_STATE_HOME/Quillet/recovery
    std::string backups;   // $XDG_DATA_HOME/Quillet/backups

    // From the XDG variables, else below $HOME (~/.local/state, ~/.local/share). A
    // folder stays empty when neither gives an absolute path: nothing is kept there.
    static RecoveryDirs fromEnvironment(
        const std::function<const char*(const char*)>& lookup = nullptr);
};

// A folder that holds the user's unsaved work or old versions but that others could reach:
// a link to somewhere else, another user's, or open to others after one chmod.
class PrivateFolderError : public MessageError {
  public:
    explicit PrivateFolderError(const std::string& folder)
        : MessageError(Message(QUILLET_TR("CoreMessages", "%1 is not private")).arg(folder)) {}
};

// Creates the folder and any missing parents with mode 0700 and makes the folder itself
// 0700. Throws std::runtime_error naming the folder when it cannot be made, and
// PrivateFolderError when it is not private (see there).
void makePrivateDirectory(const std::string& path);

}  // namespace quillet
