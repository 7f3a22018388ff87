#pragma once
// Stands in for the multimedia control: its nine buttons in a row, all disabled because no device is open.

#include <quorvane/control_library.h>

namespace qv::mci
{

// Saved state: "Orientation" (0 the buttons in a row, the default; 1 in a column) and, per button,
// "PrevVisible", "NextVisible", ... "EjectVisible" (0 or 1, default 1).
ControlLibrary::Creation createMMControl(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mci
