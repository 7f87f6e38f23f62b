#include "shell/QtPrintCanvas.h"

#include <QFile>
#include <QFontDatabase>

namespace quillet {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const char* const kPrinterFailed =
    QUILLET_TR("CoreMessages", "The printer reported an error while printing.");

}  // namespace

QtPrintCanvas::~QtPrintCanvas() {
    if (painter_.isActive()) painter_.end();
}

void QtPrintCanvas::beginJob() {
    if (!painter_.begin(&printer_)) {
        if (printer_.outputFileName().isEmpty()) {
            throw PrintError(Message(QUILLET_TR("CoreMessages", "Cannot print to printer %1"))
                                 .arg(printer_.printerName().toStdString()));
        }
        throw PrintError(Message(QUILLET_TR("CoreMessages", "Cannot print to file %1"))
                             .arg(printer_.outputFileName().toStdString()));
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    // Point sizes scale with the device the font is made for: the printer's resolution.
    const QFont printerFont(font, &printer_);
    painter_.setFont(printerFont);
    metrics_.emplace(printerFont, &printer_);
}

int QtPrintCanvas::pageWidth() {
    return printer_.width();
}

int QtPrintCanvas::pageHeight() {
    return printer_.height();
}

int QtPrintCanvas::charHeight() {
    return metrics_->height();
}

int QtPrintCanvas::averageCharWidth() {
    return metrics_->averageCharWidth();
}

TextExtent QtPrintCanvas::textExtent(std::string_view text) {
    return {metrics_->horizontalAdvance(fromUtf8(text)), metrics_->height()};
}

void QtPrintCanvas::drawText(int x, int y, std::string_view text) {
    // The layout places the top of the text; QPainter places the baseline.
    painter_.drawText(x, y + metrics_->ascent(), fromUtf8(text));
}

void QtPrintCanvas::newPage() {
    if (!printer_.newPage()) throw PrintError(kPrinterFailed);
}

void QtPrintCanvas::endJob() {
    if (!painter_.end()) throw PrintError(kPrinterFailed);
}

void QtPrintCanvas::abortJob() {
    if (printer_.abort()) {
        painter_.end();
        return;
    }
    // PDF output cannot be aborted: close it, then remove the unfinished file.
    painter_.end();
    if (!printer_.outputFileName().isEmpty()) QFile::remove(printer_.outputFileName());
}

}  // namespace quillet
