#include "runtime/builtin/data_members.h"

#include "runtime/builtin/data_control.h"

namespace qv::builtin
{

DataMembers::DataMembers(DataControlBar &bar, const ControlRecord &record)
    : WindowedMembers(bar, record)
{
}

DataControlBar &DataMembers::bar() const
{
    return static_cast<DataControlBar &>(*widget());
}

QString DataMembers::caption() const
{
    return bar().caption();
}

void DataMembers::setCaption(const QString &caption)
{
    bar().setCaption(caption);
}

QString DataMembers::connectType() const
{
    return bar().connection().connect;
}

void DataMembers::setConnectType(const QString &connect)
{
    bar().connection().connect = connect;
}

QString DataMembers::databaseName() const
{
    return bar().connection().databaseName;
}

void DataMembers::setDatabaseName(const QString &name)
{
    bar().connection().databaseName = name;
}

QString DataMembers::recordSource() const
{
    return bar().connection().recordSource;
}

void DataMembers::setRecordSource(const QString &source)
{
    bar().connection().recordSource = source;
}

bool DataMembers::readOnly() const
{
    return bar().connection().readOnly;
}

void DataMembers::setReadOnly(bool readOnly)
{
    bar().connection().readOnly = readOnly;
}

bool DataMembers::exclusive() const
{
    return bar().connection().exclusive;
}

void DataMembers::setExclusive(bool exclusive)
{
    bar().connection().exclusive = exclusive;
}

} // namespace qv::builtin
