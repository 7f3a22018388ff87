#include "adodc_members.h"

#include <QLabel>

namespace qv::msadodc
{

AdodcMembers::AdodcMembers(QWidget &control)
    : caption_(*control.findChild<QLabel *>())
{
}

QString AdodcMembers::caption() const
{
    return caption_.text();
}

void AdodcMembers::setCaption(const QString &caption)
{
    caption_.setText(caption);
}

bool AdodcMembers::refusedAsNegative(int value, const char *what)
{
    if (value >= 0)
        return false;
    refuse(status::invalidPropertyValue, QStringLiteral("%1 cannot be negative").arg(QLatin1String(what)));
    return true;
}

void AdodcMembers::setConnectionTimeout(int seconds)
{
    if (!refusedAsNegative(seconds, "a time-out"))
        connectionTimeout_ = seconds;
}

void AdodcMembers::setCommandTimeout(int seconds)
{
    if (!refusedAsNegative(seconds, "a time-out"))
        commandTimeout_ = seconds;
}

void AdodcMembers::setMaxRecords(int records)
{
    if (!refusedAsNegative(records, "a count of records"))
        maxRecords_ = records;
}

void AdodcMembers::Refresh()
{
    refuse(status::deviceUnavailable,
           QStringLiteral("no data provider can be reached: data access is not available yet, so the "
                          "connection \"%1\" cannot be opened")
               .arg(connectionString_));
}

} // namespace qv::msadodc
