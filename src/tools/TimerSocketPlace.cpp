#include "tools/TimerSocketPlace.h"

#include <sys/stat.h>
#include <unistd.h>

namespace quillet {

namespace {

// Empty when folder is a folder (not a link to one) owned by us with no access for others.
std::string privateFolderRefusal(const std::string& folder) {
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return folder + " is not a folder";
    if (st.st_uid != ::geteuid()) return folder + " belongs to another user";
    if ((st.st_mode & 077) != 0) return folder + " is open to other users (its mode is not 0700)";
    return {};
}

}  // namespace

TimerSocketPlace timerSocketPlace(const std::string& runtimeDir, const std::string& tempDir) {
    std::string folder = runtimeDir;
    std::string name = "/quillet1-timer";
    if (folder.empty()) {
        folder = tempDir + "/quillet1-" + std::to_string(::geteuid());
        ::mkdir(folder.c_str(), 0700);
        name = "/timer";
    }
    std::string refusal = privateFolderRefusal(folder);
    if (!refusal.empty()) return {{}, "The remote control is off: " + refusal};
    return {folder + name, {}};
}

std::string printableReplyText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) continue;
        // U+0080..U+009F in UTF-8: some terminals act on these as on ESC sequences.
        if (byte == 0xC2 && i + 1 < text.size() &&
            static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

}  // namespace quillet
