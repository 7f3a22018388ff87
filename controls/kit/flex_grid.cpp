#include "flex_grid.h"

#include "controls/interface/checked_block.h"
#include "controls/interface/twips.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace qv::kit
{

namespace
{
// Far more than a form stores; a larger count means a damaged block, not a grid to allocate.
constexpr int maxLines = 4096;
// The grids' default cell, in twips.
constexpr int cellWidthTwips = 960;
constexpr int cellHeightTwips = 240;

// Fixed cells are painted in the button face colour, like headings, and never show a selection; the
// others on the base colour. Past the last cell the view's dark background shows, as on the real grids.
class CellDelegate final : public QStyledItemDelegate
{
public:
    explicit CellDelegate(FlexGrid &grid)
        : QStyledItemDelegate(&grid)
        , grid_(grid)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool fixed = grid_.isFixed(index);
        QStyleOptionViewItem cell(option);
        if (fixed) {
            cell.state.setFlag(QStyle::State_Selected, false);
            cell.state.setFlag(QStyle::State_HasFocus, false);
        }
        painter->fillRect(cell.rect, cell.palette.color(fixed ? QPalette::Button : QPalette::Base));
        QStyledItemDelegate::paint(painter, cell, index);
    }

private:
    FlexGrid &grid_;
};

} // namespace

FlexGrid::FlexGrid(int fixedRows, int fixedCols, QWidget &container)
    : QTableWidget(&container)
    , fixedRows_(fixedRows)
    , fixedCols_(fixedCols)
{
}

void FlexGrid::setFixedRows(int rows)
{
    fixedRows_ = rows;
    viewport()->update();
}

void FlexGrid::setFixedCols(int cols)
{
    fixedCols_ = cols;
    viewport()->update();
}

bool FlexGrid::isFixed(const QModelIndex &cell) const
{
    return cell.row() < fixedRows_ || cell.column() < fixedCols_;
}

// The arrow keys and the page keys move among the cells that hold data: a step into the fixed cells stops at
// their edge.
QModelIndex FlexGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (!next.isValid() || !isFixed(next))
        return next;
    return model()->index(std::max(next.row(), fixedRows_), std::max(next.column(), fixedCols_));
}

// A click on a fixed cell leaves the current cell where it is.
void FlexGrid::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (pressed.isValid() && isFixed(pressed))
        return event->accept();
    QTableWidget::mousePressEvent(event);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint()))
        emit clickedOver();
}

std::optional<QString> tooManyFixed(GridLines lines, int fixed, int count)
{
    if (fixed < count)
        return std::nullopt;
    const bool rows = lines == GridLines::rows;
    return QStringLiteral("%1 is %2 but %3 is %4; at least one %5 must not be fixed")
        .arg(rows ? QStringLiteral("FixedRows") : QStringLiteral("FixedCols"))
        .arg(fixed)
        .arg(rows ? QStringLiteral("Rows") : QStringLiteral("Cols"))
        .arg(count)
        .arg(rows ? QStringLiteral("row") : QStringLiteral("column"));
}

ControlLibrary::Creation createFlexGrid(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int rows = state.integer(u"Rows", 2, 1, maxLines);
    const int cols = state.integer(u"Cols", 2, 1, maxLines);
    const int fixedRows = state.integer(u"FixedRows", 1, 0, maxLines);
    if (const std::optional<QString> fault = tooManyFixed(GridLines::rows, fixedRows, rows))
        state.refuse(*fault);
    const int fixedCols = state.integer(u"FixedCols", 1, 0, maxLines);
    if (const std::optional<QString> fault = tooManyFixed(GridLines::cols, fixedCols, cols))
        state.refuse(*fault);
    if (!state.ok())
        return { nullptr, state.error() };

    auto *grid = new FlexGrid(fixedRows, fixedCols, container);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    const TwipsScale scale = TwipsScale::of(container);
    grid->horizontalHeader()->setDefaultSectionSize(scale.toPixelsX(cellWidthTwips));
    grid->verticalHeader()->setDefaultSectionSize(scale.toPixelsY(cellHeightTwips));
    grid->setRowCount(rows);
    grid->setColumnCount(cols);
    // The grid has no in-place editing: only the program sets cell text.
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setItemDelegate(new CellDelegate(*grid));
    grid->viewport()->setBackgroundRole(QPalette::Dark);
    // The current cell starts at the first that holds data, chosen without showing a selection.
    grid->selectionModel()->setCurrentIndex(grid->model()->index(fixedRows, fixedCols),
                                            QItemSelectionModel::NoUpdate);
    return { grid, {} };
}

} // namespace qv::kit
