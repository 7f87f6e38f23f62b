#include "tasks/Printing.h"

#include <algorithm>
#include <exception>

#include "formats/CodePage.h"
#include "ports/ProductInfo.h"

namespace quillet {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte length of the character that starts at `at`.
std::size_t charLength(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && isContinuationByte(text[end])) ++end;
    return end - at;
}

// The text without its last character.
std::string_view dropLastChar(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && isContinuationByte(text[end - 1])) --end;
    return text.substr(0, end > 0 ? end - 1 : 0);
}

}  // namespace

void PrinterChannel::open() {
    canvas_.beginJob();
    pageWidth_ = canvas_.pageWidth();
    pageHeight_ = canvas_.pageHeight();
    charHeight_ = canvas_.charHeight();
    // A font that reports no width must not stop the tab rule from moving on.
    tabWidth_ = std::max(1, 8 * canvas_.averageCharWidth());
    x_ = 0;
    y_ = 0;
    lineHeight_ = 0;
}

void PrinterChannel::close() {
    canvas_.endJob();
}

void PrinterChannel::writeLine(std::string_view text) {
    std::size_t runStart = 0;
    std::size_t charsInBlock = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (charsInBlock == kBlockSize) {
            drawRun(text.substr(runStart, i - runStart));
            runStart = i;
            charsInBlock = 0;
        }
        const char c = text[i];
        if (c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            drawRun(text.substr(runStart, i - runStart));
            if (c == '\t') tab();
            if (c == '\n') newLine();
            if (c == '\f') newPage();
            ++i;
            runStart = i;
        } else {
            i += charLength(text, i);
        }
        ++charsInBlock;
    }
    // The line end: CR draws what is pending, LF starts the next line.
    drawRun(text.substr(runStart));
    newLine();
}

void PrinterChannel::drawRun(std::string_view run) {
    while (!run.empty()) {
        std::string_view part = run;
        TextExtent extent = canvas_.textExtent(part);
        while (!part.empty() && x_ + extent.width > pageWidth_) {
            part = dropLastChar(part);
            if (!part.empty()) extent = canvas_.textExtent(part);
        }
        if (part.empty()) {
            if (x_ > 0) {
                newLine();
                continue;
            }
            // Not even one character fits on an empty line: draw it at the left edge
            // anyway, or the wrap would start new lines for ever.
            part = run.substr(0, charLength(run, 0));
            extent = canvas_.textExtent(part);
        }
        // A line after several empty lines can start too low to fit: move it to the next
        // page rather than cut it off at the bottom edge.
        if (lineHeight_ == 0 && y_ > 0 && y_ + extent.height > pageHeight_) {
            canvas_.newPage();
            y_ = 0;
        }
        canvas_.drawText(x_, y_, part);
        if (extent.height > lineHeight_) lineHeight_ = extent.height + 2;
        if (part.size() < run.size()) {
            run.remove_prefix(part.size());
            newLine();
        } else {
            x_ += extent.width;
            run = {};
        }
    }
}

void PrinterChannel::tab() {
    x_ += tabWidth_ - ((x_ + tabWidth_ + 1) % tabWidth_) + 1;
    if (x_ > pageWidth_) newLine();
}

void PrinterChannel::newLine() {
    x_ = 0;
    y_ += lineHeight_ > 0 ? lineHeight_ : charHeight_;
    if (y_ > pageHeight_ - 2 * lineHeight_) newPage();
    lineHeight_ = 0;
}

void PrinterChannel::newPage() {
    canvas_.newPage();
    x_ = 0;
    y_ = 0;
}

void buildPrintRow(const CellGrid& grid, int row, std::string& out) {
    out.clear();
    for (int col = 0; col < grid.colCount(); ++col) {
        const std::string_view text = grid.cellText(col, row);
        if (isValidUtf8(text)) {
            out += text;
        } else {
            out += cp1252ToUtf8(text);
        }
        out += '\t';
    }
    out += "\r\n";
}

std::string printFooter() {
    return std::string("Printed from ") + kProductName + ", by " + kMakerName + " (" +
           kMakerWebAddress + ").\r\n";
}

PrintOutcome printGrid(const CellGrid& grid, PrintCanvas& canvas, const PrintProgress& progress) {
    PrinterChannel channel(canvas);
    channel.open();

    std::exception_ptr failure;
    bool cancelled = false;
    try {
        const int rows = grid.rowCount();
        int lastPercent = -1;
        std::string line;
        for (int row = 0; row < rows && !cancelled; ++row) {
            buildPrintRow(grid, row, line);
            channel.writeLine(line);
            if (!progress) continue;
            const int percent = static_cast<int>((row + 1) * 100LL / rows);
            if (percent == lastPercent) continue;
            lastPercent = percent;
            cancelled = !progress(percent);
        }
    } catch (...) {
        failure = std::current_exception();
    }
    if (cancelled) {
        canvas.abortJob();
        return PrintOutcome::Cancelled;
    }

    // The footer and the end of the job come also after a failure, so the printer is
    // never left with a job that is not finished.
    try {
        channel.writeLine(" \r\n");
        channel.writeLine(printFooter());
        channel.writeLine(" \r\n");
    } catch (...) {
        if (!failure) failure = std::current_exception();
    }
    try {
        channel.close();
    } catch (...) {
        if (!failure) failure = std::current_exception();
    }
    if (failure) std::rethrow_exception(failure);
    return PrintOutcome::Printed;
}

}  // namespace quillet
