#include "app/OldFileImport.h"

#include <exception>
#include <optional>
#include <string_view>

#include "formats/AtomicFileWriter.h"
#include "formats/CsvReader.h"
#include "formats/TextLines.h"

namespace quillet {

namespace {

constexpr char kBel = '\a';

// Returns false when the file is not in the old format and was left alone.
bool convertOldFile(const std::string& path,
                    const std::function<void(const std::string&)>& keepOriginal) {
    const TextLines file = openTextLines(path);
    TextLineReader& in = *file.reader;
    std::string_view line;
    // Only the first line tells the old format.
    if (!in.readLine(line) || line.find(kBel) == std::string_view::npos) return false;
    // Rewriting a binary file line by line would ruin it.
    if (!isPlainTextFile(path)) return false;
    in.rewind();
    if (keepOriginal) keepOriginal(path);

    AtomicFileWriter out(path);
    while (in.readLine(line)) {
        for (std::size_t bel; (bel = line.find(kBel)) != std::string_view::npos;) {
            out.write(line.substr(0, bel));
            out.put('\t');
            line.remove_prefix(bel + 1);
        }
        out.write(line);
        out.write("\r\n");
    }
    out.commit();
    return true;
}

}  // namespace

bool convertIfOldFormat(const std::string& path, Prompts& prompts,
                        const std::function<void(const std::string&)>& keepOriginal) {
    try {
        return convertOldFile(path, keepOriginal);
    } catch (const std::exception&) {
        // The import goes on and reads whatever the file holds.
        prompts.showMessage(kConversionError);
    }
    return false;
}

bool importOldFile(const std::string& path, const CellGrid& current, CellGrid& fresh,
                   const ReadOptions& options, Prompts& prompts,
                   const std::function<void(const std::string&)>& keepOriginal,
                   std::optional<FileStamp>* stamp) {
    {
        CellGrid::BulkUpdate bulk(fresh);
        fresh.setFixedRows(0);
        fresh.clearStore();
        fresh.setRowCount(1);
        fresh.setColCount(current.colCount());
        for (int col = 0; col < current.colCount(); ++col) {
            fresh.setColWidth(col, current.colWidth(col));
        }
        fresh.setRowCount(2);
        fresh.setFixedRows(1);
        bulk.commit();
    }
    const bool converted = convertIfOldFormat(path, prompts, keepOriginal);
    std::optional<FileStamp> read = loadCellsFromCsv(fresh, path, options);
    if (stamp) *stamp = read;
    return converted;
}

}  // namespace quillet
