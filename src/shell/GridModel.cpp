#include "shell/GridModel.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

#include "grid/ColorContrast.h"
#include "shell/QtPorts.h"
#include "shell/ThemeIcons.h"

namespace quillet {

namespace {
constexpr size_t kMaxShownBytes = 1024;

// What a one-line cell shows: its first line, and not more than fits a screen. A
// pasted text of megabytes would otherwise be laid out on every repaint.
QString shownText(std::string_view text) {
    size_t end = std::min(text.find_first_of("\r\n"), text.size());
    if (end > kMaxShownBytes) {
        end = kMaxShownBytes;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    }
    if (end == text.size()) return toQString(text);
    return toQString(text.substr(0, end)) + QChar(0x2026);
}
}  // namespace

GridModel::GridModel(CellGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {
    shownRows_ = grid_.rowCount() - headerRows();
    shownCols_ = grid_.colCount();
    grid_.addListener(this);
}

GridModel::~GridModel() {
    grid_.removeListener(this);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownCols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int col = index.column();
    const int row = gridRow(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return shownText(grid_.cellText(col, row));
        case Qt::EditRole:
            return toQString(grid_.cellText(col, row));
        case Qt::BackgroundRole: {
            const Color color = grid_.cellColor(col, row);
            if (color == clNone || color == clWindow) return {};  // the view's own base colour
            return QBrush(toQColor(color, QApplication::palette()));
        }
        case Qt::ForegroundRole: {
            // A coloured cell (the found cell's yellow) keeps its colour in every theme, so
            // its text is chosen against it: the palette's text where readable, else dark
            // or light.
            const Color color = grid_.cellColor(col, row);
            if (color == clNone || color == clWindow) return {};
            const QPalette palette = QApplication::palette();
            return QBrush(textColorOn(toQColor(color, palette), palette.color(QPalette::Text)));
        }
        case Qt::DecorationRole:
            if (col == 0 && row == timedRow_) return themeIcon("media-playback-start");
            return {};
        case Qt::AccessibleDescriptionRole:
            if (col == 0 && row == timedRow_) return tr("Timed task");
            return {};
        default:
            return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && headerRows() > 0) {
        return toQString(grid_.cellText(section, 0));
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return gridRow(section);
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const std::string text = fromQString(value.toString());
    const int col = index.column();
    const int row = gridRow(index.row());
    if (text == grid_.cellText(col, row)) return true;  // nothing changed: no edit event
    if (onEdit) {
        onEdit(col, row, text);
    } else {
        grid_.setCellText(col, row, text);
    }
    return true;
}

void GridModel::gridChanged(const GridChange& change) {
    switch (change.kind) {
        case GridChange::Kind::Cells:
            cellsChanged(change.rect);
            break;
        case GridChange::Kind::Layout:
            resetAll();
            break;
        case GridChange::Kind::Widths:
            emit widthsChanged();
            break;
        case GridChange::Kind::Current:
            emit currentChanged();
            break;
    }
}

void GridModel::cellsChanged(const CellRect& rect) {
    const int firstRow = std::max(0, modelRow(rect.top));
    const int lastRow = std::min(shownRows_ - 1, modelRow(rect.bottom));
    if (rect.top < headerRows()) emit headerDataChanged(Qt::Horizontal, rect.left, rect.right);
    const int lastCol = std::min(rect.right, shownCols_ - 1);
    if (firstRow <= lastRow && rect.left <= lastCol) {
        emit dataChanged(index(firstRow, rect.left), index(lastRow, lastCol));
    }
}

void GridModel::resetAll() {
    beginResetModel();
    shownRows_ = grid_.rowCount() - headerRows();
    shownCols_ = grid_.colCount();
    endResetModel();
    emit resetDone();
}

QColor toQColor(Color color, const QPalette& palette) {
    if (color & 0x80000000u) {
        switch (color) {
            case clBtnFace:
                return palette.color(QPalette::Button);
            case clInfoBk:
                return palette.color(QPalette::ToolTipBase);
            case clHighlight:
                return palette.color(QPalette::Highlight);
            case clHighlightText:
                return palette.color(QPalette::HighlightedText);
            default:
                return palette.color(QPalette::Base);
        }
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

Color toColor(const QColor& color) {
    return rgbColor(color.red(), color.green(), color.blue());
}

QColor fromColor(Color rgb) {
    return toQColor(rgb & 0x00FFFFFFu, QPalette());
}

QColor textColorOn(const QColor& background, const QColor& preferred) {
    return fromColor(readableTextOn(toColor(background), toColor(preferred)));
}

void GridModel::setTimedRow(int gridRow) {
    if (gridRow == timedRow_) return;
    const int before = timedRow_;
    timedRow_ = gridRow;
    for (const int changed : {before, gridRow}) {
        const int shown = modelRow(changed);
        if (changed >= 0 && shown >= 0 && shown < shownRows_)
            emit dataChanged(index(shown, 0), index(shown, 0),
                             {Qt::DecorationRole, Qt::AccessibleDescriptionRole});
    }
}

}  // namespace quillet
