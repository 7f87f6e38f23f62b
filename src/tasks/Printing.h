#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "grid/CellGrid.h"
#include "ports/Ports.h"

namespace quillet {

// The printer's text channel: lays written text lines out on a PrintCanvas line by line,
// with tab stops, wrapping at the page edge and page breaks.
class PrinterChannel {
  public:
    // Text reaches the layout in blocks of at most this many characters; a run of
    // ordinary characters that spans two blocks is laid out as two runs.
    static constexpr std::size_t kBlockSize = 128;

    explicit PrinterChannel(PrintCanvas& canvas) : canvas_(canvas) {}

    // Starts the job (PrintError when it cannot) and moves to the top of the first page.
    void open();
    // Lays out text followed by CR LF. The text may hold CR, LF, tab and form feed.
    void writeLine(std::string_view text);
    // Ends the job.
    void close();

    int x() const { return x_; }
    int y() const { return y_; }

  private:
    void drawRun(std::string_view run);
    void tab();
    void newLine();
    void newPage();

    PrintCanvas& canvas_;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    int charHeight_ = 0;
    int tabWidth_ = 1;
    int x_ = 0;
    int y_ = 0;
    int lineHeight_ = 0;
};

// The line written for one grid row: every cell followed by a tab, then CR LF. Cells are
// decoded for display as the grid shows them (UTF-8, or Windows-1252 from older files).
void buildPrintRow(const CellGrid& grid, int row, std::string& out);

// The footer text line, with its own CR LF.
std::string printFooter();

// Told the percentage of rows printed each time it grows; returns false to cancel.
using PrintProgress = std::function<bool(int percent)>;

enum class PrintOutcome { Printed, Cancelled };

// Prints every grid row, heading row first, then the footer. Throws PrintError when the job
// cannot start. A failure among the rows still prints the footer and ends the job, then is
// rethrown. A cancel drops the job.
PrintOutcome printGrid(const CellGrid& grid, PrintCanvas& canvas,
                       const PrintProgress& progress = {});

}  // namespace quillet
