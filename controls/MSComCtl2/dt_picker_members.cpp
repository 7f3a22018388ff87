#include "dt_picker_members.h"
#include "dt_picker.h"

#include <QDateEdit>
#include <QRegularExpression>

namespace qv::mscomctl2
{

namespace
{
// Where the picker keeps its custom format, which it shows only while Format is dtpCustom.
constexpr char customFormatProperty[] = "quorvaneCustomFormat";

// Only the day, month and year letters, and what stands between them: a date field shows nothing else.
bool isDateFormat(const QString &format)
{
    static const QRegularExpression timeLetters(QStringLiteral("[hHmsSt]"));
    return !format.isEmpty() && !format.contains(timeLetters);
}
} // namespace

DTPickerMembers::DTPickerMembers(QDateEdit &picker)
    : picker_(picker)
{
    connect(&picker, &QDateEdit::dateChanged, this, &DTPickerMembers::Change);
}

DTPickerMembers::FormatConstants DTPickerMembers::format() const
{
    return static_cast<FormatConstants>(picker_.property(pickerFormatProperty).toInt());
}

void DTPickerMembers::setFormat(FormatConstants format)
{
    picker_.setProperty(pickerFormatProperty, static_cast<int>(format));
    if (format == dtpCustom)
        return picker_.setDisplayFormat(customFormat().isEmpty() ? pickerDateFormat(false) : customFormat());
    picker_.setDisplayFormat(pickerDateFormat(format == dtpLongDate));
}

QString DTPickerMembers::customFormat() const
{
    return picker_.property(customFormatProperty).toString();
}

void DTPickerMembers::setCustomFormat(const QString &format)
{
    if (!format.isEmpty() && !isDateFormat(format))
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("the picker writes dates only: day (d), month (M) and year (y) letters"));
    const bool custom = this->format() == dtpCustom;
    picker_.setProperty(customFormatProperty, format);
    if (custom)
        setFormat(dtpCustom);
}

QDate DTPickerMembers::date() const
{
    return picker_.date();
}

void DTPickerMembers::setDate(QDate date)
{
    picker_.setDate(date);
}

QDate DTPickerMembers::minimum() const
{
    return picker_.minimumDate();
}

QDate DTPickerMembers::maximum() const
{
    return picker_.maximumDate();
}

void DTPickerMembers::setRange(QDate minimum, QDate maximum)
{
    picker_.setDateRange(minimum, maximum);
}

} // namespace qv::mscomctl2
