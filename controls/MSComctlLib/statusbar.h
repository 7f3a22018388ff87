#pragma once
// Stands in for the status bar: sunken panels along a status bar; the runtime keeps it along the bottom edge.

#include <quorvane/control_library.h>

class QLabel;
class QStatusBar;

namespace qv::mscomctl
{

// The most panels a bar holds.
inline constexpr int mostPanels = 16;

// Saved state: "Panels" (1 to 16, default 1) and "PanelText(n)" for panel n from 1 (default empty).
ControlLibrary::Creation createStatusBar(std::span<const std::byte> settings, QWidget &container);

// A panel's label for the bar, sunken and one inch wide before it holds any text; the caller places it.
QLabel *makePanelLabel(const QString &text, QStatusBar &bar);

} // namespace qv::mscomctl
