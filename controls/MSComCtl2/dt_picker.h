#pragma once
// Stands in for the date and time picker: a date field showing today, with a calendar to drop down.

#include <quorvane/control_library.h>

namespace qv::mscomctl2
{

// Saved state: "Format" (0 the long date, 1 the short date, the default; both as the locale writes them).
ControlLibrary::Creation createDTPicker(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl2
