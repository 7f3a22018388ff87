#pragma once
// Stands in for the animation control: with no clip opened it shows an empty framed area.

#include <quorvane/control_library.h>

namespace qv::mscomctl2
{

// Saved state: "BackStyle" (0 transparent, the default; 1 opaque, filled with the window colour).
ControlLibrary::Creation createAnimation(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl2
