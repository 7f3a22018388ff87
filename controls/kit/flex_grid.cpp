#include "flex_grid.h"

#include "controls/interface/checked_block.h"
#include "controls/interface/twips.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

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
    CellDelegate(int fixedRows, int fixedCols, QObject *parent)
        : QStyledItemDelegate(parent)
        , fixedRows_(fixedRows)
        , fixedCols_(fixedCols)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool fixed = index.row() < fixedRows_ || index.column() < fixedCols_;
        QStyleOptionViewItem cell(option);
        if (fixed) {
            cell.state.setFlag(QStyle::State_Selected, false);
            cell.state.setFlag(QStyle::State_HasFocus, false);
        }
        painter->fillRect(cell.rect, cell.palette.color(fixed ? QPalette::Button : QPalette::Base));
        QStyledItemDelegate::paint(painter, cell, index);
    }

private:
    int fixedRows_;
    int fixedCols_;
};

} // namespace

ControlLibrary::Creation createFlexGrid(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int rows = state.integer(u"Rows", 2, 1, maxLines);
    const int cols = state.integer(u"Cols", 2, 1, maxLines);
    const int fixedRows = state.integer(u"FixedRows", 1, 0, maxLines);
    if (fixedRows >= rows)
        state.refuse(QStringLiteral("FixedRows is %1 but Rows is %2; at least one row must not be fixed")
                         .arg(fixedRows)
                         .arg(rows));
    const int fixedCols = state.integer(u"FixedCols", 1, 0, maxLines);
    if (fixedCols >= cols)
        state.refuse(QStringLiteral("FixedCols is %1 but Cols is %2; at least one column must not be fixed")
                         .arg(fixedCols)
                         .arg(cols));
    if (!state.ok())
        return { nullptr, state.error() };

    auto *grid = new QTableWidget(&container);
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
    grid->setItemDelegate(new CellDelegate(fixedRows, fixedCols, grid));
    grid->viewport()->setBackgroundRole(QPalette::Dark);
    return { grid, {} };
}

} // namespace qv::kit
