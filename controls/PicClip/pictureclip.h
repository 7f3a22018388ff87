#pragma once
// Stands in for the picture clip control: an invisible object holding the grid and clipping region of its
// saved state. It saves no picture here, so the region is not checked against one.

#include <quorvane/control_library.h>

namespace qv::picclip
{

// Saved state: "Rows" and "Cols" (1 to 1024, 1 when absent), and "ClipX", "ClipY", "ClipWidth" and
// "ClipHeight" (0 to 32767 pixels, 0 when absent).
ControlLibrary::Creation createPictureClip(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::picclip
