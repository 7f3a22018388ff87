#pragma once
// Stands in for the tool bar: a fixed tool bar; the runtime keeps it along the top edge.

#include <quorvane/control_library.h>

namespace qv::mscomctl
{

// Saved state: "Buttons" (0 to 64, default none) and "ButtonCaption(n)" for button n from 1 (default no
// caption).
ControlLibrary::Creation createToolbar(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl
