#pragma once
// Stands in for the date and time picker: a date field showing today, with a calendar to drop down.

#include <quorvane/control_library.h>

namespace qv::mscomctl2
{

// Saved state: "Format" (0 the long date, 1 the short date, the default; both as the locale writes them).
ControlLibrary::Creation createDTPicker(std::span<const std::byte> settings, QWidget &container);

// Where the picker keeps its Format, in the control's numbering (0 the long date, 1 the short date).
inline constexpr char pickerFormatProperty[] = "quorvaneFormat";

// The display format of the long or the short date, as the locale writes it, with the year in full.
QString pickerDateFormat(bool longDate);

} // namespace qv::mscomctl2
