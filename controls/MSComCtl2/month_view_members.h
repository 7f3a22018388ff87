#pragma once
// The month view's own members: its date (date_members.h), the first day of its weeks, whether it shows
// week numbers, and the clicks on its days.

#include "date_members.h"

class QCalendarWidget;

namespace qv::mscomctl2
{

class MonthViewMembers final : public DateMembers
{
    Q_OBJECT
    Q_PROPERTY(DayConstants StartOfWeek READ startOfWeek WRITE setStartOfWeek STORED true)
    Q_PROPERTY(bool ShowWeekNumbers READ showWeekNumbers WRITE setShowWeekNumbers STORED true)
public:
    enum DayConstants {
        mvwSunday = 1,
        mvwMonday = 2,
        mvwTuesday = 3,
        mvwWednesday = 4,
        mvwThursday = 5,
        mvwFriday = 6,
        mvwSaturday = 7
    };
    Q_ENUM(DayConstants)

    explicit MonthViewMembers(QCalendarWidget &calendar);

    DayConstants startOfWeek() const;
    void setStartOfWeek(DayConstants day);
    bool showWeekNumbers() const;
    void setShowWeekNumbers(bool show);

signals:
    // A day was clicked: its date.
    void DateClick(const QDateTime &DateClicked);
    // The chosen date changed, by a click, the keyboard or the program: the first and the last day chosen.
    void SelChange(const QDateTime &StartDate, const QDateTime &EndDate);

protected:
    QDate date() const override;
    void setDate(QDate date) override;
    QDate minimum() const override;
    QDate maximum() const override;
    void setRange(QDate minimum, QDate maximum) override;

private:
    QCalendarWidget &calendar_;
};

// The control's day numbering (Sunday 1 to Saturday 7) and Qt's (Monday 1 to Sunday 7).
Qt::DayOfWeek qtDayOfWeek(int controlDay);

} // namespace qv::mscomctl2
