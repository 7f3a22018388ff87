#pragma once
// Stands in for the image combo: an editable combo box showing its text; it starts without items.

#include <quorvane/control_library.h>

namespace qv::mscomctl
{

// Saved state: "Text" (default empty).
ControlLibrary::Creation createImageCombo(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl
