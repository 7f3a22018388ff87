#include "datalist_members.h"

#include <QListWidget>

namespace qv::msdatalist
{

namespace
{
constexpr int boundRole = Qt::UserRole;
} // namespace

DataListMembers::DataListMembers(QListWidget &list)
    : list_(list)
{
    connect(&list, &QListWidget::currentRowChanged, this, [this](int row) {
        emit Change();
        if (row >= 0)
            emit Click();
    });
}

QString DataListMembers::text() const
{
    const int row = chosenRow();
    return row < 0 ? QString() : rowText(row);
}

void DataListMembers::setText(const QString &text)
{
    const int row = rowShowing(text);
    if (row < 0 && !text.isEmpty())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("no row of the list shows \"%1\"").arg(text));
    choose(row);
}

int DataListMembers::rowCount() const
{
    return list_.count();
}

QString DataListMembers::rowText(int row) const
{
    return list_.item(row)->text();
}

QString DataListMembers::rowBound(int row) const
{
    return list_.item(row)->data(boundRole).toString();
}

int DataListMembers::chosenRow() const
{
    return list_.currentItem() && list_.currentItem()->isSelected() ? list_.currentRow() : -1;
}

void DataListMembers::choose(int row)
{
    if (row < 0) {
        list_.clearSelection();
        list_.setCurrentRow(-1);
        return;
    }
    list_.setCurrentRow(row);
}

void DataListMembers::appendRow(const QString &text, const QString &bound)
{
    auto *item = new QListWidgetItem(text, &list_);
    item->setData(boundRole, bound);
}

void DataListMembers::removeRows()
{
    list_.clear();
}

} // namespace qv::msdatalist
