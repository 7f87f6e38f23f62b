#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/MainController.h"
#include "app/Settings.h"
#include "formats/ProjectFile.h"
#include "support/FakePorts.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace quillet::test {

// One user's machine: fake ports, a settings store that outlives the window, and a
// temp folder. start() opens the main window anew, as a restart of the program would.
struct AppHarness : FakePorts {
    TempDir dir;
    std::unique_ptr<MainController> app;

    MainController& start() {
        app = std::make_unique<MainController>(ports());
        app->startUp();
        return *app;
    }
    Project& project() { return app->project(); }
    CellGrid& grid() { return app->grid(); }

    // Each reopen item as the menu shows it: its caption, or "-" while hidden.
    std::vector<std::string> shownReopenItems() const {
        std::vector<std::string> out;
        for (const ReopenItem& item : app->project().reopenItems())
            out.push_back(item.visible ? item.caption : "-");
        return out;
    }
    std::vector<std::string> storedReopenKeys() {
        std::vector<std::string> out;
        for (int k = 1; k <= kReopenSlots; ++k) out.push_back(settings.readSetting(reopenKey(k)));
        return out;
    }
};

// A small project file on disk whose description cell names it.
inline void writeProjectFile(const std::string& path, const std::string& description,
                             const std::string& cost = "") {
    CellGrid grid(DefaultColumnCount, 2, 1);
    for (int col = 0; col < DefaultColumnCount; ++col)
        grid.setCellText(col, 0, kDefaultHeadings[col]);
    grid.setCellText(TaskNo, 1, "1");
    grid.setCellText(Description, 1, description);
    grid.setCellText(Cost, 1, cost);
    saveCellsToFile(grid, path);
}

}  // namespace quillet::test
