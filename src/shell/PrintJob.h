#pragma once

class QPrinter;
class QWidget;

namespace quillet {

class CellGrid;

// File > "&Print": the system print dialog, then the grid on the chosen printer. Cancelling
// the dialog prints nothing and says nothing. Throws PrintError (what() is the user's message)
// when the job cannot start or the printer fails, for the general error handler.
void printProject(const CellGrid& grid, QWidget* parent);

// File > "Print Pre&view...": Qt's preview window, its pages painted by printGridOn as Print
// paints them, with its own printer and page set-up choices and its own Print button.
// Throws as printProject does when the pages cannot be laid out.
void previewProject(const CellGrid& grid, QWidget* parent);

// Prints the grid on a printer already set up. A print that takes longer than showAfterMs
// shows a modal progress dialog whose Cancel drops the job; returns false then.
bool printGridOn(const CellGrid& grid, QPrinter& printer, QWidget* parent, int showAfterMs = 500);

}  // namespace quillet
