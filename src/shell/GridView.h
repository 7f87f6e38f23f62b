#pragma once

#include <QTableView>
#include <functional>
#include <string>

#include "grid/CellGrid.h"

namespace quillet {

class GridModel;

// The task table on screen. It shows the cell store through a GridModel and mirrors
// the store's current cell and column widths; what the user does to it (typing, moving
// the current cell, dragging a column edge) is handed on, never written to the store here.
class GridView : public QTableView {
    Q_OBJECT

  public:
    GridView(CellGrid& grid, QWidget* parent = nullptr);
    ~GridView() override;

    GridModel* gridModel() const { return model_; }
    // The row height that shows a line of text in `metrics`' font unclipped; never below
    // the design's height.
    static int rowHeightFor(const QFontMetrics& metrics);
    bool editorOpen() const { return state() == EditingState; }
    // Hands on what the open in-place editor holds, as leaving the cell would, and closes it.
    void commitOpenEditor();
    // No more handing on: the window that listens is going away.
    void dropHandlers();

    std::function<void(int col, int row, const std::string& text)> onEdit;
    std::function<void(int col, int row)> onCurrentMoved;
    std::function<void(int anchorCol, int anchorRow, int col, int row)> onSelectionMoved;
    std::function<void(int col, int width)> onWidthDragged;
    // Delete, or Backspace on more than one cell: empty the selected cells.
    std::function<void()> onEmptySelection;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void applyWidths();
    void showGridCurrent();
    void currentMoved(const QModelIndex& current);
    void selectionMoved();

    const CellGrid& grid_;
    GridModel* model_;
    bool syncing_ = false;  // the view is being set from the store: nothing to hand on
};

}  // namespace quillet
