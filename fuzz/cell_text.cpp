// Any text that passed sanitizeCellText saves and reloads byte for byte.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "formats/CellText.h"
#include "formats/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quillet::fuzz::ScratchFile file("-cell.prj");
    const std::string& path = file.path();
    const std::string text =
        quillet::sanitizeCellText(std::string(reinterpret_cast<const char*>(data), size));
    QUILLET_FUZZ_CHECK(quillet::sanitizeCellText(text) == text, "sanitizing twice changes nothing");
    QUILLET_FUZZ_CHECK(
        text.find('\x1A') == std::string::npos && text.find('\b') == std::string::npos,
        "no 0x1A or BS left");

    quillet::CellGrid grid(3, 2, 1);
    grid.setCellText(1, 1, text);
    grid.setCellText(2, 1, "after");  // a cell after it must survive too
    quillet::saveCellsToFile(grid, path);
    quillet::CellGrid back(3, 2, 1);
    quillet::loadCellsFromFile(back, path);
    QUILLET_FUZZ_CHECK(back.cellText(1, 1) == text, "the text reloads unchanged");
    QUILLET_FUZZ_CHECK(back.cellText(2, 1) == "after", "the next cell reloads");
    return 0;
}
