#include "app/HelpFile.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace quillet {

namespace fs = std::filesystem;

std::string programFolder(const std::string& executablePath) {
    const std::size_t slash = executablePath.rfind('/');
    return slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
}

void changeCurrentDirectory(const std::string& folder) {
    if (folder.empty()) return;
    std::error_code ec;
    fs::current_path(fs::path(folder), ec);
    if (ec) throw std::runtime_error("Cannot change to folder " + folder + ": " + ec.message());
}

std::optional<std::string> findManual(const std::string& folder) {
    for (const char* place : {"", "../share/quillet/"}) {
        std::error_code ec;
        const fs::path candidate = fs::absolute(fs::path(folder + place + kHelpFileName), ec);
        if (ec || !fs::is_regular_file(candidate, ec)) continue;
        // The real place, not one through "..": a symlinked bin folder has another parent.
        const fs::path real = fs::canonical(candidate, ec);
        return (ec ? candidate.lexically_normal() : real).string();
    }
    return std::nullopt;
}

std::string fileUrl(const std::string& absolutePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : absolutePath) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                           c == '~' || c == '/';
        if (plain) {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0x0F];
        }
    }
    return url;
}

}  // namespace quillet
