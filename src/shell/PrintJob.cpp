#include "shell/PrintJob.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <exception>

#include "shell/QtPrintCanvas.h"
#include "tasks/Printing.h"

namespace quillet {

void printProject(const CellGrid& grid, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrintDialog1");
    if (dialog.exec() != QDialog::Accepted) return;
    printGridOn(grid, printer, parent);
}

void previewProject(const CellGrid& grid, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName("PrintPreviewDialog1");
    // A failure cannot leave a Qt slot: it closes the preview and goes to the error handler.
    std::exception_ptr failure;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* pages) {
        if (failure) return;
        try {
            printGridOn(grid, *pages, &dialog);
        } catch (...) {
            failure = std::current_exception();
            QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
        }
    });
    dialog.exec();
    if (failure) std::rethrow_exception(failure);
}

bool printGridOn(const CellGrid& grid, QPrinter& printer, QWidget* parent, int showAfterMs) {
    QProgressDialog progress(QCoreApplication::translate("PrintJob", "Printing the project..."),
                             QCoreApplication::translate("PrintJob", "Cancel"), 0, 100, parent);
    progress.setObjectName("PrintProgress");
    // Modal, so no other command runs against the grid while it prints.
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(showAfterMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);

    QtPrintCanvas canvas(printer);
    const PrintOutcome outcome = printGrid(grid, canvas, [&](int percent) {
        progress.setValue(percent);
        return !progress.wasCanceled();
    });
    return outcome == PrintOutcome::Printed;
}

}  // namespace quillet
