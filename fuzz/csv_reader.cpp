// Any delimited file imports without a crash or a hang into a grid whose every cell
// the project file gives back byte for byte.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "FuzzSupport.h"
#include "formats/CsvReader.h"
#include "formats/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quillet::fuzz::ScratchFile input("-import.csv");
    const quillet::fuzz::ScratchFile saved("-import.prj");
    std::ofstream(input.path(), std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    quillet::CellGrid grid(7, 2, 1);
    try {
        quillet::loadCellsFromCsv(grid, input.path());
    } catch (const quillet::CellGridError&) {
        return 0;  // refused with the user's message: fine
    }
    QUILLET_FUZZ_CHECK(grid.colCount() >= 7, "the column count only grows");
    quillet::saveCellsToFile(grid, saved.path());
    quillet::CellGrid back(1, 1, 0);
    quillet::loadCellsFromFile(back, saved.path());
    QUILLET_FUZZ_CHECK(back.rowCount() == grid.rowCount() && back.colCount() == grid.colCount(),
                       "counts reload");
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int col = 0; col < grid.colCount(); ++col)
            QUILLET_FUZZ_CHECK(back.cellText(col, row) == grid.cellText(col, row),
                               "every imported cell reloads unchanged");
    return 0;
}
