#pragma once
// Stands in for the tree view: an empty white tree without a header.

#include <quorvane/control_library.h>

namespace qv::mscomctl
{

// Saved state: "Indentation" (pixels per level, 0 to 255, default 20).
ControlLibrary::Creation createTreeView(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl
