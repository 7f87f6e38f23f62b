#include "formats/WorkbookModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <mutex>
#include <system_error>

#ifndef QUILLET_WORKBOOKS_FROM_BIN
#define QUILLET_WORKBOOKS_FROM_BIN "../lib/quillet"
#endif

namespace quillet {

namespace {

struct Loaded {
    WorkbookWriter writer = nullptr;
    std::string failure;  // why not, when writer is null
};

Loaded load() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {nullptr, "the program's folder is unknown: " + error.message()};
    std::string failure;
    bool failedPresent = false;  // a module that is there but cannot load says the most
    for (const std::string& candidate : workbookModuleCandidates(program.string())) {
        void* module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        void* entry = module ? ::dlsym(module, kWorkbookWriterSymbol) : nullptr;
        if (entry) return {reinterpret_cast<WorkbookWriter>(entry), {}};
        const char* why = ::dlerror();
        const bool present = std::filesystem::exists(candidate, error);
        if (!failedPresent) failure = why ? why : candidate;
        failedPresent = failedPresent || present;
    }
    return {nullptr, failure};
}

}  // namespace

std::vector<std::string> workbookModuleCandidates(const std::string& programPath) {
    if (programPath.empty()) return {};
    const std::filesystem::path folder = std::filesystem::path(programPath).parent_path();
    return {
        (folder / kWorkbookModuleName).string(),
        (folder / QUILLET_WORKBOOKS_FROM_BIN / kWorkbookModuleName).lexically_normal().string()};
}

WorkbookWriter workbookWriter(const std::string& path) {
    static std::once_flag once;
    static Loaded loaded;
    std::call_once(once, [] { loaded = load(); });
    if (!loaded.writer)
        throw ExportError(Message(QUILLET_TR("CoreMessages",
                                             "Cannot export %1: the spreadsheet writer could "
                                             "not be loaded (%2)"))
                              .arg(path)
                              .arg(loaded.failure));
    return loaded.writer;
}

}  // namespace quillet
