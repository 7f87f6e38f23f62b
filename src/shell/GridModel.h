#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "grid/CellGrid.h"

namespace quillet {

// The cell store as a table: the fixed heading row is the horizontal header and
// the rows below it are the model's rows. With no fixed row, row 0 is a model row.
class GridModel : public QAbstractTableModel, public CellGridListener {
    Q_OBJECT

  public:
    explicit GridModel(CellGrid& grid, QObject* parent = nullptr);
    ~GridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Grid row of a model row and back.
    int gridRow(int modelRow) const { return modelRow + headerRows(); }
    int modelRow(int gridRow) const { return gridRow - headerRows(); }
    int headerRows() const { return grid_.fixedRows() > 0 ? 1 : 0; }

    // How an in-place edit reaches the store (the window routes it through its commands).
    // Without it, an edit is stored as it is.
    std::function<void(int col, int row, const std::string& text)> onEdit;

    void gridChanged(const GridChange& change) override;

    // The timed task's row (a grid row, -1 for none): its first cell shows a mark, which a
    // screen reader hears as "Timed task".
    void setTimedRow(int gridRow);
    int timedRow() const { return timedRow_; }

  signals:
    void widthsChanged();
    void currentChanged();
    void resetDone();

  private:
    void cellsChanged(const CellRect& rect);
    void resetAll();

    CellGrid& grid_;
    int shownRows_ = 0;
    int shownCols_ = 0;
    int timedRow_ = -1;
};

// Maps a stored colour to what the desktop shows (system colours follow the palette).
QColor toQColor(Color color, const QPalette& palette);
// An opaque QColor as a stored RGB colour, and back.
Color toColor(const QColor& color);
QColor fromColor(Color rgb);
// The text colour for `background`: `preferred` where it reaches WCAG AA on it, else black
// or white.
QColor textColorOn(const QColor& background, const QColor& preferred);

}  // namespace quillet
