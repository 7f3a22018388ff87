#include "month_view.h"
#include "month_view_members.h"

#include "controls/interface/checked_block.h"

#include <QCalendarWidget>

namespace qv::mscomctl2
{

ControlLibrary::Creation createMonthView(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int startOfWeek = state.integer(u"StartOfWeek", 1, 1, 7);
    const bool weekNumbers = state.flag(u"ShowWeekNumbers", false);
    if (!state.ok())
        return { nullptr, state.error() };

    auto *calendar = new QCalendarWidget(&container);
    calendar->setFirstDayOfWeek(qtDayOfWeek(startOfWeek));
    calendar->setVerticalHeaderFormat(weekNumbers ? QCalendarWidget::ISOWeekNumbers
                                                  : QCalendarWidget::NoVerticalHeader);
    // Single letters, as the control heads its columns; short names are cut off at its usual size.
    calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    calendar->setSelectedDate(QDate::currentDate());
    return { calendar, {} };
}

} // namespace qv::mscomctl2
