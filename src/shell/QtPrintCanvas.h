#pragma once

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <optional>

#include "ports/Ports.h"

namespace quillet {

// A print job drawn with a QPainter on a QPrinter, in the printer's device units with the
// origin at the printable area's top-left corner. The font is the desktop's general font at
// 8 points, at the printer's resolution.
class QtPrintCanvas : public PrintCanvas {
  public:
    explicit QtPrintCanvas(QPrinter& printer) : printer_(printer) {}
    ~QtPrintCanvas() override;
    QtPrintCanvas(const QtPrintCanvas&) = delete;
    QtPrintCanvas& operator=(const QtPrintCanvas&) = delete;

    void beginJob() override;
    int pageWidth() override;
    int pageHeight() override;
    int charHeight() override;
    int averageCharWidth() override;
    TextExtent textExtent(std::string_view text) override;
    void drawText(int x, int y, std::string_view text) override;
    void newPage() override;
    void endJob() override;
    void abortJob() override;

  private:
    QPrinter& printer_;
    QPainter painter_;
    std::optional<QFontMetrics> metrics_;
};

}  // namespace quillet
