#include "datagrid_members.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>
#include <utility>

namespace qv::msdatagrid
{

namespace
{
constexpr int noRow = -1;
} // namespace

DataGridMembers::DataGridMembers(QTableWidget &grid)
    : grid_(grid)
{
    grid.viewport()->installEventFilter(this);
    connect(grid.horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { emit HeadClick(static_cast<short>(column)); });
}

bool DataGridMembers::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        emit Click();
    return false;
}

// Only a data source gives the grid records: without one, no row is current, and none can be made so.
int DataGridMembers::row() const
{
    return noRow;
}

void DataGridMembers::setRow(int row)
{
    if (row != noRow)
        refuse(status::invalidPropertyValue,
               QStringLiteral("the grid holds no records without a data source, so Row stays %1").arg(noRow));
}

int DataGridMembers::col() const
{
    return col_;
}

void DataGridMembers::setCol(int col)
{
    if (col < 0 || col >= grid_.columnCount())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("the column is 0 to %1").arg(grid_.columnCount() - 1));
    if (std::exchange(col_, col) != col)
        emit RowColChange();
}

bool DataGridMembers::columnHeaders() const
{
    return !grid_.horizontalHeader()->isHidden();
}

void DataGridMembers::setColumnHeaders(bool shown)
{
    grid_.horizontalHeader()->setVisible(shown);
}

bool DataGridMembers::recordSelectors() const
{
    return !grid_.verticalHeader()->isHidden();
}

void DataGridMembers::setRecordSelectors(bool shown)
{
    grid_.verticalHeader()->setVisible(shown);
}

} // namespace qv::msdatagrid
