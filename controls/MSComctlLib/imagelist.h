#pragma once
// Stands in for the image list: no window, only the size of its images, as properties of a plain object.

#include <quorvane/control_library.h>

namespace qv::mscomctl
{

// The largest side of a list's images, in pixels.
inline constexpr int largestImage = 256;

// Saved state: "ImageWidth" and "ImageHeight" (1 to 256 pixels, default 16); the object carries them under
// the same names.
ControlLibrary::Creation createImageList(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl
