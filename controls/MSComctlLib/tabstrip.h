#pragma once
// Stands in for the tab strip: a bar of tabs without pages, the form arranges what each tab shows.

#include <quorvane/control_library.h>

namespace qv::mscomctl
{

// Saved state: "Tabs" (1 to 64, default 1) and "TabCaption(n)" for tab n from 1 (default "Tab n").
ControlLibrary::Creation createTabStrip(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl
