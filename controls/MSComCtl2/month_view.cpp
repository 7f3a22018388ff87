#include "month_view.h"
#include "saved_state.h"

#include "controls/interface/settings_block.h"

#include <QCalendarWidget>

namespace qv::mscomctl2
{

ControlLibrary::Creation createMonthView(std::span<const std::byte> settings, QWidget &container)
{
    settings::Block block;
    QString error;
    if (!settings::readBlock(settings, block, error))
        return { nullptr, error };
    SavedState state(block.state);
    const int startOfWeek = state.integer(u"StartOfWeek", 1, 7, 1);
    const bool weekNumbers = state.flag(u"ShowWeekNumbers", false);
    if (state.failed())
        return { nullptr, state.fault() };

    auto *calendar = new QCalendarWidget(&container);
    // The control counts days from Sunday = 1; Qt from Monday = 1.
    calendar->setFirstDayOfWeek(startOfWeek == 1 ? Qt::Sunday : static_cast<Qt::DayOfWeek>(startOfWeek - 1));
    calendar->setVerticalHeaderFormat(weekNumbers ? QCalendarWidget::ISOWeekNumbers
                                                  : QCalendarWidget::NoVerticalHeader);
    // Single letters, as the control heads its columns; short names are cut off at its usual size.
    calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    calendar->setSelectedDate(QDate::currentDate());
    return { calendar, {} };
}

} // namespace qv::mscomctl2
