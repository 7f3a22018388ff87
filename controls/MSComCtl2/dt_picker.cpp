#include "dt_picker.h"

#include "controls/interface/checked_block.h"

#include <QDateEdit>
#include <QLocale>

namespace qv::mscomctl2
{

QString pickerDateFormat(bool longDate)
{
    QString format = QLocale().dateFormat(longDate ? QLocale::LongFormat : QLocale::ShortFormat);
    // The picker always shows the year in full; a locale's short form may cut it to two digits.
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

ControlLibrary::Creation createDTPicker(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int format = state.integer(u"Format", 1, 0, 1);
    if (!state.ok())
        return { nullptr, state.error() };

    auto *picker = new QDateEdit(QDate::currentDate(), &container);
    picker->setDisplayFormat(pickerDateFormat(format == 0));
    picker->setProperty(pickerFormatProperty, format);
    picker->setCalendarPopup(true);
    return { picker, {} };
}

} // namespace qv::mscomctl2
