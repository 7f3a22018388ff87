#include "msflexgrid.h"

#include "controls/interface/settings_block.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <optional>

namespace qv::msflexgrid
{

namespace
{
// Far more than a form stores; a larger count means a damaged block, not a grid to allocate.
constexpr int maxLines = 4096;
// The flex grid's default cell, in twips.
constexpr int cellWidthTwips = 960;
constexpr int cellHeightTwips = 240;

// Fixed cells are painted in the button face colour, like headings, and never show a selection; the
// others on the base colour. Past the last cell the view's dark background shows, as on the flex grid.
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

// The integer stored under name, or fallback when absent; a text there or a value outside low to high is
// refused with a message in error.
std::optional<int> readCount(const settings::PropertyBag &state, QStringView name, int fallback, int low,
                             int high, QString &error)
{
    if (state.text(name)) {
        error = QStringLiteral("%1 is stored as a text where a number belongs").arg(name);
        return std::nullopt;
    }
    const int value = state.integer(name).value_or(fallback);
    if (value < low || value > high) {
        error = QStringLiteral("%1 is %2, outside %3 to %4").arg(name).arg(value).arg(low).arg(high);
        return std::nullopt;
    }
    return value;
}

struct Shape {
    int rows, cols, fixedRows, fixedCols;
};

std::optional<Shape> readShape(const settings::PropertyBag &state, QString &error)
{
    const auto rows = readCount(state, u"Rows", 2, 1, maxLines, error);
    if (!rows)
        return std::nullopt;
    const auto cols = readCount(state, u"Cols", 2, 1, maxLines, error);
    if (!cols)
        return std::nullopt;
    const auto fixedRows = readCount(state, u"FixedRows", 1, 0, maxLines, error);
    if (!fixedRows)
        return std::nullopt;
    if (*fixedRows >= *rows) {
        error = QStringLiteral("FixedRows is %1 but Rows is %2; at least one row must not be fixed")
                    .arg(*fixedRows)
                    .arg(*rows);
        return std::nullopt;
    }
    const auto fixedCols = readCount(state, u"FixedCols", 1, 0, maxLines, error);
    if (!fixedCols)
        return std::nullopt;
    if (*fixedCols >= *cols) {
        error = QStringLiteral("FixedCols is %1 but Cols is %2; at least one column must not be fixed")
                    .arg(*fixedCols)
                    .arg(*cols);
        return std::nullopt;
    }
    return Shape { *rows, *cols, *fixedRows, *fixedCols };
}

int twipsToPixels(int twips, int dotsPerInch)
{
    return twips * dotsPerInch / 1440;
}
} // namespace

ControlLibrary::Creation createMSFlexGrid(std::span<const std::byte> settings, QWidget &container)
{
    settings::Block block;
    QString error;
    if (!settings::readBlock(settings, block, error))
        return { nullptr, error };
    const std::optional<Shape> shape = readShape(block.state, error);
    if (!shape)
        return { nullptr, error };

    auto *grid = new QTableWidget(&container);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setDefaultSectionSize(twipsToPixels(cellWidthTwips, grid->logicalDpiX()));
    grid->verticalHeader()->setDefaultSectionSize(twipsToPixels(cellHeightTwips, grid->logicalDpiY()));
    grid->setRowCount(shape->rows);
    grid->setColumnCount(shape->cols);
    // The grid has no in-place editing: only the program sets cell text.
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setItemDelegate(new CellDelegate(shape->fixedRows, shape->fixedCols, grid));
    grid->viewport()->setBackgroundRole(QPalette::Dark);
    return { grid, {} };
}

} // namespace qv::msflexgrid
