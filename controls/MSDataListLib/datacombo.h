#pragma once
// Stands in for the data combo with no data source: a combo box with an empty list, showing its text.

#include <quorvane/control_library.h>

namespace qv::msdatalist
{

// Saved state: "Text" (what the edit box shows, default empty) and "Style" (0 drop-down combo, 1 simple
// combo, 2 drop-down list; default 0). A drop-down list has no edit box, so it shows no text.
// The style the combo was made in, which it keeps for the control's members: a simple combo looks like a
// drop-down combo here.
inline constexpr char comboStyleProperty[] = "quorvaneStyle";
inline constexpr int dropDownListStyle = 2;

ControlLibrary::Creation createDataCombo(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::msdatalist
