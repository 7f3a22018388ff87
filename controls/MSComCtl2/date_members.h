#pragma once
// The members the month view and the date picker share: the date chosen, the range it may lie in, and its
// day, month and year one at a time.

#include <quorvane/member_object.h>

#include <QDate>
#include <QDateTime>

namespace qv::mscomctl2
{

class DateMembers : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QDateTime Value READ value WRITE setValue STORED false)
    Q_PROPERTY(QDateTime MinDate READ minDate WRITE setMinDate STORED false)
    Q_PROPERTY(QDateTime MaxDate READ maxDate WRITE setMaxDate STORED false)
    Q_PROPERTY(int Day READ day WRITE setDay STORED false)
    Q_PROPERTY(int Month READ month WRITE setMonth STORED false)
    Q_PROPERTY(int Year READ year WRITE setYear STORED false)
public:
    QDateTime value() const { return QDateTime(date(), {}); }
    void setValue(const QDateTime &value);
    QDateTime minDate() const { return QDateTime(minimum(), {}); }
    void setMinDate(const QDateTime &date);
    QDateTime maxDate() const { return QDateTime(maximum(), {}); }
    void setMaxDate(const QDateTime &date);
    int day() const { return date().day(); }
    void setDay(int day);
    int month() const { return date().month(); }
    void setMonth(int month);
    int year() const { return date().year(); }
    void setYear(int year);

protected:
    // The widget's date and range.
    virtual QDate date() const = 0;
    virtual void setDate(QDate date) = 0;
    virtual QDate minimum() const = 0;
    virtual QDate maximum() const = 0;
    virtual void setRange(QDate minimum, QDate maximum) = 0;

private:
    // Sets the date after refusing one that does not exist or lies outside the range.
    void change(int year, int month, int day);
};

} // namespace qv::mscomctl2
