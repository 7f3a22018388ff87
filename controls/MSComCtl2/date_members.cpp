#include "date_members.h"

namespace qv::mscomctl2
{

namespace
{
QString dateText(QDate date)
{
    return date.toString(Qt::ISODate);
}
} // namespace

void DateMembers::change(QDate date, const QString &asked)
{
    if (!date.isValid())
        return refuse(status::invalidPropertyValue, QStringLiteral("there is no date %1").arg(asked));
    if (date < minimum() || date > maximum())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("%1 lies outside MinDate %2 to MaxDate %3")
                          .arg(dateText(date), dateText(minimum()), dateText(maximum())));
    setDate(date);
}

void DateMembers::setValue(const QDateTime &value)
{
    change(value.date(), dateText(value.date()));
}

void DateMembers::setDay(int day)
{
    const QDate now = date();
    change(QDate(now.year(), now.month(), day),
           QStringLiteral("%1-%2-%3").arg(now.year()).arg(now.month()).arg(day));
}

void DateMembers::setMonth(int month)
{
    const QDate now = date();
    change(QDate(now.year(), month, now.day()),
           QStringLiteral("%1-%2-%3").arg(now.year()).arg(month).arg(now.day()));
}

void DateMembers::setYear(int year)
{
    const QDate now = date();
    change(QDate(year, now.month(), now.day()),
           QStringLiteral("%1-%2-%3").arg(year).arg(now.month()).arg(now.day()));
}

// The chosen date moves into a new range, as the control's does.
void DateMembers::setMinDate(const QDateTime &date)
{
    if (!date.date().isValid() || date.date() > maximum())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("MinDate must lie on or before MaxDate %1").arg(dateText(maximum())));
    setRange(date.date(), maximum());
}

void DateMembers::setMaxDate(const QDateTime &date)
{
    if (!date.date().isValid() || date.date() < minimum())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("MaxDate must lie on or after MinDate %1").arg(dateText(minimum())));
    setRange(minimum(), date.date());
}

} // namespace qv::mscomctl2
