#pragma once
// Stands in for the flex grids (the flex grid and the hierarchical one, unbound, look and load alike): a
// read-only grid whose fixed rows and columns are grey heading cells.

#include <quorvane/control_library.h>

namespace qv::kit
{

// Saved state: "Rows" and "Cols" (1 to 4096, default 2 each), "FixedRows" and "FixedCols" (default 1 each,
// and fewer than Rows and Cols, so that at least one row and one column hold data).
ControlLibrary::Creation createFlexGrid(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::kit
