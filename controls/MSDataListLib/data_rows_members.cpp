#include "data_rows_members.h"

namespace qv::msdatalist
{

QString DataRowsMembers::boundText() const
{
    const int row = chosenRow();
    return row < 0 ? QString() : rowBound(row);
}

void DataRowsMembers::setBoundText(const QString &bound)
{
    if (bound.isEmpty())
        return choose(-1);
    for (int row = 0; row < rowCount(); ++row) {
        if (rowBound(row) == bound)
            return choose(row);
    }
    refuse(status::invalidPropertyValue, QStringLiteral("no row of the list is bound to \"%1\"").arg(bound));
}

bool DataRowsMembers::matchedWithList() const
{
    return rowShowing(shownText()) >= 0;
}

int DataRowsMembers::rowShowing(const QString &text) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (rowText(row) == text)
            return row;
    }
    return -1;
}

void DataRowsMembers::AddRow(const QString &ListText)
{
    appendRow(ListText, ListText);
}

void DataRowsMembers::AddRow(const QString &ListText, const QString &BoundText)
{
    appendRow(ListText, BoundText);
}

void DataRowsMembers::ClearRows()
{
    removeRows();
}

void DataRowsMembers::ReFill()
{
    refuse(status::deviceUnavailable,
           QStringLiteral("the list has no data source to read its rows from: data binding is not available "
                          "yet, so its rows come from AddRow"));
}

} // namespace qv::msdatalist
