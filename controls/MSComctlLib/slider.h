#pragma once
// Stands in for the slider: a track with tick marks, stepping by one and paging by five as the control does.

#include "controls/interface/control_library.h"

namespace qv::mscomctl
{

// Saved state: "Min" (default 0), "Max" (default 10, above Min), "Value" (Min to Max, default Min),
// "TickFrequency" (1 to 10000, default 1), "Orientation" (0 horizontal, the default; 1 vertical) and
// "TickStyle" (0 below or right, the default; 1 above or left; 2 both sides; 3 none).
ControlLibrary::Creation createSlider(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl
