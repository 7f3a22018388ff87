#pragma once
// Stands in for the chart control: a bar chart of the control's sample data, one series per column.

#include <quorvane/control_library.h>

namespace qv::mschart20lib
{

// Saved state: "RowCount" (1 to 100, 5 when absent), "ColumnCount" (1 to 16, 4 when absent), "ShowLegend"
// (0 or 1, 1 when absent) and "TitleText".
ControlLibrary::Creation createMSChart(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mschart20lib
