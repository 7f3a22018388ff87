#pragma once
// Stands in for the data list with no data source: an empty list box.

#include <quorvane/control_library.h>

namespace qv::msdatalist
{

// Saved state: nothing the stand-in shows, since the list's rows come only from a data source; the block
// is still checked.
ControlLibrary::Creation createDataList(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::msdatalist
