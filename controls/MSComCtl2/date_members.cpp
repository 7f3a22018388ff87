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

void DateMembers::change(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("there is no date %1-%2-%3").arg(year).arg(month).arg(day));
    if (date < minimum() || date > maximum())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("%1 lies outside MinDate %2 to MaxDate %3")
                          .arg(dateText(date), dateText(minimum()), dateText(maximum())));
    setDate(date);
}

void DateMembers::setValue(const QDateTime &value)
{
    const QDate date = value.date();
    change(date.year(), date.month(), date.day());
}

void DateMembers::setDay(int day)
{
    change(year(), month(), day);
}

void DateMembers::setMonth(int month)
{
    change(year(), month, day());
}

void DateMembers::setYear(int year)
{
    change(year, month(), day());
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
