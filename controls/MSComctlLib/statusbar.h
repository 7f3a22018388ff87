#pragma once
// Stands in for the status bar: sunken panels along a status bar; the runtime keeps it along the bottom edge.

#include <quorvane/control_library.h>

namespace qv::mscomctl
{

// Saved state: "Panels" (1 to 16, default 1) and "PanelText(n)" for panel n from 1 (default empty).
ControlLibrary::Creation createStatusBar(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl
