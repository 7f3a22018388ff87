#pragma once
// Stands in for the hierarchical flex grid, unbound: a read-only grid whose fixed rows and columns are grey
// heading cells.

#include "controls/interface/control_library.h"

namespace qv::mshflexgrid
{

// Saved state: "Rows" and "Cols" (1 to 4096, default 2 each), "FixedRows" and "FixedCols" (default 1 each,
// and fewer than Rows and Cols, so that at least one row and one column hold data).
ControlLibrary::Creation createMSHFlexGrid(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mshflexgrid
