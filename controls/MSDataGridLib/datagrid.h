#pragma once
// Stands in for the data grid with no data source: a header row over empty columns, no records, and the
// record selector column down the left edge.

#include <quorvane/control_library.h>

namespace qv::msdatagrid
{

// Saved state: "Columns" (1 to 255, default 2), "ColumnCaption(n)" for column n (default empty), and
// "ColumnHeaders" and "RecordSelectors" (1 shown, 0 hidden; default 1).
ControlLibrary::Creation createDataGrid(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::msdatagrid
