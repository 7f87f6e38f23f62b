// The project-file reader on any bytes, with a save-and-reload oracle: whatever
// the reader makes of a file, saving it and reading that back gives the same grid,
// and saving that grid again gives the same bytes. The line reader under it, with
// small chunks so that lines and CR LF pairs straddle them, must split the file
// as the plain rule does.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "formats/ProjectFile.h"
#include "formats/TextLines.h"

using quillet::CellGrid;

namespace {

// Saving a grid walks rows x columns: past this the oracle would only measure time.
constexpr long long kMaxSavedCells = 20'000;

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines end at CR (an LF right after it belongs to the line end); 0x1A ends the file.
std::vector<std::string> splitLines(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\x1A'));
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            line += bytes[i];
            open = true;
            continue;
        }
        lines.push_back(std::exchange(line, {}));
        open = false;
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    }
    if (open) lines.push_back(line);
    return lines;
}

void checkLineReader(const std::string& path, std::string_view bytes) {
    quillet::TextLineReader reader(path, 16 + bytes.size() % 8);
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line)) lines.push_back(line);
    QUILLET_FUZZ_CHECK(lines == splitLines(bytes), "lines as the rule splits them");
}

void checkSameGrid(const CellGrid& a, const CellGrid& b) {
    QUILLET_FUZZ_CHECK(a.colCount() == b.colCount() && a.rowCount() == b.rowCount(), "same counts");
    QUILLET_FUZZ_CHECK(a.fixedRows() == b.fixedRows(), "same fixed rows");
    for (int c = 0; c < a.colCount(); ++c) {
        QUILLET_FUZZ_CHECK(a.colWidth(c) == b.colWidth(c), "same width");
        for (int r = 0; r < a.rowCount(); ++r) {
            QUILLET_FUZZ_CHECK(a.cellText(c, r) == b.cellText(c, r), "same cell text");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quillet::fuzz::ScratchFile inputFile("-input.prj");
    const quillet::fuzz::ScratchFile savedFile("-saved.prj");
    const quillet::fuzz::ScratchFile againFile("-again.prj");
    const std::string& input = inputFile.path();
    const std::string& saved = savedFile.path();
    const std::string& again = againFile.path();
    writeFile(input, data, size);
    checkLineReader(input, std::string_view(reinterpret_cast<const char*>(data), size));

    CellGrid grid;
    try {
        quillet::loadCellsFromFile(grid, input);
    } catch (const quillet::CellGridError&) {
        return 0;  // a refused header; the grid is the caller's to keep
    }
    if (static_cast<long long>(grid.colCount()) * grid.rowCount() > kMaxSavedCells) return 0;

    quillet::saveCellsToFile(grid, saved);
    CellGrid back;
    quillet::loadCellsFromFile(back, saved);
    checkSameGrid(grid, back);
    quillet::saveCellsToFile(back, again);
    QUILLET_FUZZ_CHECK(readFile(saved) == readFile(again),
                       "saving a reloaded grid gives the same bytes");
    return 0;
}
