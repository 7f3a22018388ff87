#include "flex_grid_members.h"

#include "controls/interface/twips.h"

#include <QHeaderView>

namespace qv::kit
{

namespace
{
// Enough for any table a program fills by hand; the grid's model keeps a slot for every cell.
constexpr qint64 mostCells = 1'000'000;
// The widest column and the tallest row, in pixels.
constexpr int mostPixels = 32767;
constexpr int defaultSize = -1;
constexpr int everyLine = -1;

QString lineName(Qt::Orientation lines)
{
    return lines == Qt::Horizontal ? QStringLiteral("column") : QStringLiteral("row");
}
} // namespace

FlexGridMembers::FlexGridMembers(FlexGrid &grid)
    : grid_(grid)
{
    connect(&grid, &FlexGrid::clickedOver, this, &FlexGridMembers::Click);
    connect(&grid, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (row < 0 || col < 0)
            return;
        emit EnterCell();
        emit RowColChange();
    });
}

int FlexGridMembers::rows() const
{
    return grid_.rowCount();
}

bool FlexGridMembers::refusedShape(int rows, int cols)
{
    if (rows < 1 || cols < 1) {
        refuse(status::invalidPropertyValue, QStringLiteral("a grid has at least one row and one column"));
        return true;
    }
    if (qint64 { rows } * cols > mostCells) {
        refuse(status::invalidPropertyValue,
               QStringLiteral("a grid holds at most %1 cells; %2 rows of %3 "
                              "columns would be %4")
                   .arg(mostCells)
                   .arg(rows)
                   .arg(cols)
                   .arg(qint64 { rows } * cols));
        return true;
    }
    return false;
}

// A row or column taken away takes its cells' text with it; the current cell moves up or left onto the grid.
void FlexGridMembers::setRows(int rows)
{
    if (refusedShape(rows, cols()))
        return;
    if (const std::optional<QString> fault = tooManyFixed(GridLines::rows, fixedRows(), rows))
        return refuse(status::invalidPropertyValue, *fault);
    grid_.setRowCount(rows);
}

int FlexGridMembers::cols() const
{
    return grid_.columnCount();
}

void FlexGridMembers::setCols(int cols)
{
    if (refusedShape(rows(), cols))
        return;
    if (const std::optional<QString> fault = tooManyFixed(GridLines::cols, fixedCols(), cols))
        return refuse(status::invalidPropertyValue, *fault);
    grid_.setColumnCount(cols);
}

int FlexGridMembers::fixedRows() const
{
    return grid_.fixedRows();
}

void FlexGridMembers::setFixedRows(int rows)
{
    if (rows < 0)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("FixedRows is 0 to %1").arg(this->rows() - 1));
    if (const std::optional<QString> fault = tooManyFixed(GridLines::rows, rows, this->rows()))
        return refuse(status::invalidPropertyValue, *fault);
    grid_.setFixedRows(rows);
}

int FlexGridMembers::fixedCols() const
{
    return grid_.fixedCols();
}

void FlexGridMembers::setFixedCols(int cols)
{
    if (cols < 0)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("FixedCols is 0 to %1").arg(this->cols() - 1));
    if (const std::optional<QString> fault = tooManyFixed(GridLines::cols, cols, this->cols()))
        return refuse(status::invalidPropertyValue, *fault);
    grid_.setFixedCols(cols);
}

// The grid always has a current cell; the program may make a fixed one current, the user may not.
int FlexGridMembers::row() const
{
    return std::max(grid_.currentRow(), 0);
}

void FlexGridMembers::setRow(int row)
{
    if (!refusedCell(row, col(), status::invalidPropertyValue))
        moveTo(row, col());
}

int FlexGridMembers::col() const
{
    return std::max(grid_.currentColumn(), 0);
}

void FlexGridMembers::setCol(int col)
{
    if (!refusedCell(row(), col, status::invalidPropertyValue))
        moveTo(row(), col);
}

void FlexGridMembers::moveTo(int row, int col)
{
    grid_.setCurrentCell(row, col);
}

bool FlexGridMembers::refusedCell(int row, int col, Status status)
{
    if (row < 0 || row >= rows()) {
        refuse(status, QStringLiteral("the row is 0 to %1").arg(rows() - 1));
        return true;
    }
    if (col < 0 || col >= cols()) {
        refuse(status, QStringLiteral("the column is 0 to %1").arg(cols() - 1));
        return true;
    }
    return false;
}

QString FlexGridMembers::text() const
{
    const QTableWidgetItem *cell = grid_.item(row(), col());
    return cell ? cell->text() : QString();
}

void FlexGridMembers::setText(const QString &text)
{
    TextMatrix(row(), col(), text);
}

QString FlexGridMembers::TextMatrix(int row, int col)
{
    if (refusedCell(row, col, status::subscriptOutOfRange))
        return {};
    const QTableWidgetItem *cell = grid_.item(row, col);
    return cell ? cell->text() : QString();
}

void FlexGridMembers::TextMatrix(int row, int col, const QString &value)
{
    if (refusedCell(row, col, status::subscriptOutOfRange))
        return;
    if (QTableWidgetItem *cell = grid_.item(row, col))
        return cell->setText(value);
    grid_.setItem(row, col, new QTableWidgetItem(value));
}

int FlexGridMembers::sizeOf(Qt::Orientation lines, int index) const
{
    const TwipsScale scale = TwipsScale::of(grid_);
    return lines == Qt::Horizontal ? scale.toTwipsX(grid_.columnWidth(index))
                                   : scale.toTwipsY(grid_.rowHeight(index));
}

void FlexGridMembers::resize(Qt::Orientation lines, int index, int twips)
{
    const bool columns = lines == Qt::Horizontal;
    const int count = columns ? cols() : rows();
    if (index < everyLine || index >= count)
        return refuse(status::subscriptOutOfRange,
                      QStringLiteral("the %1 is %2 (every %1) or 0 to %3")
                          .arg(lineName(lines))
                          .arg(everyLine)
                          .arg(count - 1));
    const TwipsScale scale = TwipsScale::of(grid_);
    QHeaderView &header = *(columns ? grid_.horizontalHeader() : grid_.verticalHeader());
    const int pixels = twips == defaultSize ? header.defaultSectionSize()
        : columns                           ? scale.toPixelsX(twips)
                                            : scale.toPixelsY(twips);
    if (twips < defaultSize || pixels > mostPixels)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a %1's size is %2 (the default) or 0 to %3 twips")
                          .arg(lineName(lines))
                          .arg(defaultSize)
                          .arg(columns ? scale.toTwipsX(mostPixels) : scale.toTwipsY(mostPixels)));
    for (int line = index == everyLine ? 0 : index; line < (index == everyLine ? count : index + 1); ++line)
        header.resizeSection(line, pixels);
}

int FlexGridMembers::ColWidth(int index)
{
    if (refusedCell(row(), index, status::subscriptOutOfRange))
        return 0;
    return sizeOf(Qt::Horizontal, index);
}

void FlexGridMembers::ColWidth(int index, int value)
{
    resize(Qt::Horizontal, index, value);
}

int FlexGridMembers::RowHeight(int index)
{
    if (refusedCell(index, col(), status::subscriptOutOfRange))
        return 0;
    return sizeOf(Qt::Vertical, index);
}

void FlexGridMembers::RowHeight(int index, int value)
{
    resize(Qt::Vertical, index, value);
}

} // namespace qv::kit
