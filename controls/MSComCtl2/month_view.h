#pragma once
// Stands in for the month view: a calendar of the current month with today selected.

#include <quorvane/control_library.h>

namespace qv::mscomctl2
{

// Saved state: "StartOfWeek" (1 Sunday, the default, to 7 Saturday) and "ShowWeekNumbers" (0, the
// default, or 1).
ControlLibrary::Creation createMonthView(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl2
