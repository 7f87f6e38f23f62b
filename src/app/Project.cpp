#include "app/Project.h"

#include <filesystem>
#include <system_error>

#include "app/Settings.h"

namespace quillet {

Project::Project(CellGrid& grid, Prompts& prompts, SettingsStore& settings)
    : grid_(grid), prompts_(prompts), settings_(settings) {}

void Project::loadReopenList() {
    for (int k = 1; k <= kReopenSlots; ++k) {
        const std::string path = settings_.readSetting(reopenKey(k));
        std::error_code ec;
        if (path != kNotAvailable && !path.empty() && std::filesystem::exists(path, ec)) {
            reopen_[static_cast<size_t>(k - 1)] = {path, true};
        }
    }
}

}  // namespace quillet
