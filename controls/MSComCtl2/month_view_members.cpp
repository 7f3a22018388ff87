#include "month_view_members.h"

#include <QCalendarWidget>

namespace qv::mscomctl2
{

Qt::DayOfWeek qtDayOfWeek(int controlDay)
{
    return controlDay == 1 ? Qt::Sunday : static_cast<Qt::DayOfWeek>(controlDay - 1);
}

MonthViewMembers::MonthViewMembers(QCalendarWidget &calendar)
    : calendar_(calendar)
{
    connect(&calendar, &QCalendarWidget::clicked, this,
            [this](QDate day) { emit DateClick(QDateTime(day, {})); });
    connect(&calendar, &QCalendarWidget::selectionChanged, this, [this] {
        const QDateTime chosen(calendar_.selectedDate(), {});
        emit SelChange(chosen, chosen);
    });
}

MonthViewMembers::DayConstants MonthViewMembers::startOfWeek() const
{
    const Qt::DayOfWeek first = calendar_.firstDayOfWeek();
    return static_cast<DayConstants>(first == Qt::Sunday ? 1 : first + 1);
}

void MonthViewMembers::setStartOfWeek(DayConstants day)
{
    calendar_.setFirstDayOfWeek(qtDayOfWeek(day));
}

bool MonthViewMembers::showWeekNumbers() const
{
    return calendar_.verticalHeaderFormat() == QCalendarWidget::ISOWeekNumbers;
}

void MonthViewMembers::setShowWeekNumbers(bool show)
{
    calendar_.setVerticalHeaderFormat(show ? QCalendarWidget::ISOWeekNumbers
                                           : QCalendarWidget::NoVerticalHeader);
}

QDate MonthViewMembers::date() const
{
    return calendar_.selectedDate();
}

void MonthViewMembers::setDate(QDate date)
{
    calendar_.setSelectedDate(date);
}

QDate MonthViewMembers::minimum() const
{
    return calendar_.minimumDate();
}

QDate MonthViewMembers::maximum() const
{
    return calendar_.maximumDate();
}

void MonthViewMembers::setRange(QDate minimum, QDate maximum)
{
    calendar_.setDateRange(minimum, maximum);
}

} // namespace qv::mscomctl2
