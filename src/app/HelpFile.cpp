#include "app/HelpFile.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "ports/Message.h"

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
    if (ec) {
        throw MessageError(Message(QUILLET_TR("CoreMessages", "Cannot change to folder %1: %2"))
                               .arg(folder)
                               .arg(ec.message()));
    }
}

std::string manualFileName(const std::string& language) {
    std::string code;
    for (const char c : language) {
        if (c == '-' || c == '_' || c == '.' || c == '@') break;
        if (c < 'A' || (c > 'Z' && c < 'a') || c > 'z') return kHelpFileName;
        code += static_cast<char>(c | 0x20);  // ASCII lower case
    }
    if (code.size() < 2 || code.size() > 3 || code == "en") return kHelpFileName;
    return "Quillet." + code + ".html";
}

namespace {

std::optional<std::string> findManualNamed(const std::string& folder, const std::string& name) {
    for (const char* place : {"", "../share/quillet/"}) {
        std::error_code ec;
        const fs::path candidate = fs::absolute(fs::path(folder + place + name), ec);
        if (ec || !fs::is_regular_file(candidate, ec)) continue;
        // The real place, not one through "..": a symlinked bin folder has another parent.
        const fs::path real = fs::canonical(candidate, ec);
        return (ec ? candidate.lexically_normal() : real).string();
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> findManual(const std::string& folder,
                                      const std::vector<std::string>& languages) {
    for (const std::string& language : languages) {
        const std::string name = manualFileName(language);
        if (name == kHelpFileName) break;
        if (auto manual = findManualNamed(folder, name)) return manual;
    }
    return findManualNamed(folder, kHelpFileName);
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
