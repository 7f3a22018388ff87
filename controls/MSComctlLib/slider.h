#pragma once
// Stands in for the slider: a track with tick marks, stepping by one and paging by five unless told
// otherwise.

#include <quorvane/control_library.h>

#include <QSlider>
#include <array>

namespace qv::mscomctl
{

// The control's tick styles, in its own numbering.
inline constexpr std::array tickPositions { QSlider::TicksBelow, QSlider::TicksAbove, QSlider::TicksBothSides,
                                            QSlider::NoTicks };
inline constexpr int maxTickFrequency = 10000;

// Saved state: "Min" (default 0), "Max" (default 10, above Min), "Value" (Min to Max, default Min),
// "SmallChange" and "LargeChange" (1 or more, default 1 and 5), "TickFrequency" (1 to 10000, default 1),
// "Orientation" (0 horizontal, the default; 1 vertical) and "TickStyle" (0 below or right, the default; 1
// above or left; 2 both sides; 3 none).
ControlLibrary::Creation createSlider(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl
