#include "shell/GridView.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QProxyStyle>

#include "shell/GridModel.h"

namespace quillet {

namespace {

// Grid lines in the palette's Mid colour, as in the rest of the desktop. Fusion draws them in
// a fixed grey; the colour is read from the palette at each paint, so it follows changes.
class GridLineStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Table_GridLineColor && option != nullptr) {
            return static_cast<int>(option->palette.color(QPalette::Mid).rgba());
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The cells' and heading row's design font: Tahoma 8, or the desktop's sans-serif at 8
// points where Tahoma is missing.
QFont gridFont() {
    QFont font(QStringLiteral("Tahoma"), 8);
    if (!QFontDatabase::hasFamily(font.family())) {
        font = QFont();
        font.setStyleHint(QFont::SansSerif);
        font.setPointSize(8);
    }
    // Every property set: nothing of the window's font reaches the grid or its heading row.
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

}  // namespace

GridView::GridView(CellGrid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new GridModel(grid, this)) {
    setObjectName("StringAlignGrid1");
    auto* lines = new GridLineStyle;
    lines->setParent(this);
    setStyle(lines);
    setAccessibleName(tr("Tasks"));
    // Fonts and headers are set before the model: every heading and row is then measured
    // once, in the font and size it is shown in.
    const QFont cells = gridFont();
    setFont(cells);
    horizontalHeader()->setFont(cells);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowHeightFor(fontMetrics()));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    setModel(model_);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    setContextMenuPolicy(Qt::CustomContextMenu);

    connect(model_, &GridModel::widthsChanged, this, &GridView::applyWidths);
    connect(model_, &GridModel::resetDone, this, [this] {
        applyWidths();
        horizontalHeader()->setVisible(model_->headerRows() > 0);
        showGridCurrent();
    });
    connect(model_, &GridModel::currentChanged, this, &GridView::showGridCurrent);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int col, int, int width) {
                if (!syncing_ && onWidthDragged && col < grid_.colCount())
                    onWidthDragged(col, width);
            });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { currentMoved(current); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { selectionMoved(); });
    model_->onEdit = [this](int col, int row, const std::string& text) {
        if (onEdit) onEdit(col, row, text);
    };
    applyWidths();
}

void GridView::commitOpenEditor() {
    if (state() != EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void GridView::dropHandlers() {
    onEdit = nullptr;
    onCurrentMoved = nullptr;
    onSelectionMoved = nullptr;
    onWidthDragged = nullptr;
    onEmptySelection = nullptr;
}

GridView::~GridView() {
    // The model listens to the store, which may outlive the view.
    setModel(nullptr);
    delete model_;
}

namespace {
// The table has no clipboard keys of its own: Copy and Paste are the window's commands,
// which copy the selection as tab-separated rows and mark the project changed.
bool isClipboardKey(QKeyEvent* event) {
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
           event->matches(QKeySequence::Cut);
}
}  // namespace

int GridView::rowHeightFor(const QFontMetrics& metrics) {
    // The design's 21 pixels hold an 8-point line with 4 pixels above and below.
    constexpr int kPadding = 8;
    return std::max(CellGrid::kDefaultRowHeight, metrics.height() + kPadding);
}

bool GridView::event(QEvent* event) {
    // A larger font gets taller rows instead of clipped text.
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(rowHeightFor(fontMetrics()));
    // Not claiming the key lets the window's shortcut have it.
    if (event->type() == QEvent::ShortcutOverride && isClipboardKey(static_cast<QKeyEvent*>(event)))
        return false;
    return QTableView::event(event);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (isClipboardKey(event)) {
        event->ignore();
        return;
    }
    const bool manyCells = grid_.selection().left != grid_.selection().right ||
                           grid_.selection().top != grid_.selection().bottom;
    if (onEmptySelection && event->modifiers() == Qt::NoModifier &&
        (event->key() == Qt::Key_Delete || (event->key() == Qt::Key_Backspace && manyCells))) {
        onEmptySelection();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridView::applyWidths() {
    syncing_ = true;
    for (int col = 0; col < model_->columnCount(); ++col)
        horizontalHeader()->resizeSection(col, std::max(0, grid_.colWidth(col)));
    syncing_ = false;
}

void GridView::showGridCurrent() {
    const int row = model_->modelRow(grid_.currentRow());
    syncing_ = true;
    if (row >= 0 && row < model_->rowCount() && grid_.currentCol() < model_->columnCount()) {
        selectionModel()->setCurrentIndex(model_->index(row, grid_.currentCol()),
                                          QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->clearSelection();
    }
    syncing_ = false;
}

void GridView::currentMoved(const QModelIndex& current) {
    if (syncing_ || !current.isValid() || !onCurrentMoved) return;
    onCurrentMoved(current.column(), model_->gridRow(current.row()));
}

void GridView::selectionMoved() {
    if (syncing_ || !onSelectionMoved) return;
    const QModelIndex current = selectionModel()->currentIndex();
    const QItemSelection selection = selectionModel()->selection();
    if (!current.isValid() || selection.isEmpty()) return;
    // The selection is a rectangle from an anchor corner to the current cell.
    const QItemSelectionRange& range = selection.last();
    const int anchorCol = current.column() == range.left() ? range.right() : range.left();
    const int anchorRow = current.row() == range.top() ? range.bottom() : range.top();
    onSelectionMoved(anchorCol, model_->gridRow(anchorRow), current.column(),
                     model_->gridRow(current.row()));
}

}  // namespace quillet
