#include "tools/TimerSocketPlace.h"

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

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

namespace {

// Unicode's format characters (category Cf): invisible, yet they reorder or hide text on a
// terminal (a right-to-left override makes "Write report" read backwards).
bool isFormatCharacter(char32_t c) {
    static constexpr std::pair<char32_t, char32_t> kRanges[] = {
        {0xAD, 0xAD},       {0x600, 0x605},     {0x61C, 0x61C},     {0x6DD, 0x6DD},
        {0x70F, 0x70F},     {0x890, 0x891},     {0x8E2, 0x8E2},     {0x180E, 0x180E},
        {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
        {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
        {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
        {0xE0020, 0xE007F}};
    for (const auto& [first, last] : kRanges)
        if (c >= first && c <= last) return true;
    return false;
}

// The code point of the UTF-8 sequence at text[i] and its length; length 1 for a byte that
// starts none.
std::pair<char32_t, std::size_t> codePointAt(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || i + length > text.size()) return {lead, 1};
    char32_t c = lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return {lead, 1};
        c = (c << 6) | (next & 0x3F);
    }
    return {c, length};
}

}  // namespace

std::string printableReplyText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, length] = codePointAt(text, i);
        // C0, DEL and C1 (U+0080..U+009F: some terminals act on these as on ESC sequences),
        // and the format characters.
        const bool hidden = c < 0x20 || c == 0x7F || (length == 2 && c >= 0x80 && c <= 0x9F) ||
                            (length > 1 && isFormatCharacter(c));
        if (!hidden) out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

}  // namespace quillet
