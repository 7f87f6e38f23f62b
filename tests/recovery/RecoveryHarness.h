#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/AppHarness.h"
#include "recovery/Recovery.h"

namespace quillet::test {

// A main window's core with its recovery copies and backups kept in the temp folder.
struct RecoveryHarness : AppHarness {
    RecoveryDirs dirs{dir.file("state/Quillet/recovery"), dir.file("data/Quillet/backups")};
    std::unique_ptr<Recovery> recovery;  // goes before the window it watches
    std::vector<std::string> statuses;

    // Starts the program anew; `self` is the run the copies are written for.
    Recovery& begin(ProcessIdentity self = currentProcess()) {
        recovery.reset();
        start();
        recovery = std::make_unique<Recovery>(dirs, *app, clock, self);
        recovery->onStatus = [this](const Message& text) { statuses.push_back(text.english()); };
        return *recovery;
    }
    // The program ends without closing: whatever is on disk stays.
    void crash() {
        recovery->waitIdle();
        recovery.reset();
        app.reset();
    }
    void advance(double seconds) { clock.advanceMs(seconds * 1000); }
    // One tick of the timer, then the background write it may have started, seen through.
    void tick() {
        recovery->tick();
        recovery->waitIdle();
        recovery->tick();
    }
    void edit(const std::string& text) { app->editCell(1, 1, text); }
    bool hasCopy() const { return std::filesystem::exists(recovery->copyPath()); }
    // The files in the recovery folder.
    std::vector<std::string> recoveryFiles() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(dirs.recovery, ec))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // What Save would write for the table now.
    std::string tableBytes() {
        const std::string path = dir.file("table-now.prj");
        saveCellsToFile(grid(), path);
        return readBytes(path);
    }
};

}  // namespace quillet::test
