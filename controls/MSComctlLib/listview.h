#pragma once
// Stands in for the list view: an empty white list in one of the control's four views.

#include <quorvane/control_library.h>

namespace qv::mscomctl
{

// Saved state: "View" (0 large icons, the default; 1 small icons; 2 list; 3 report, a list with column
// headers).
ControlLibrary::Creation createListView(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl
