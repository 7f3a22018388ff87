#pragma once
// Stands in for the ADO data control, connected to nothing: first and previous record buttons on the left,
// the caption between, next and last record buttons on the right.

#include <quorvane/control_library.h>

namespace qv::msadodc
{

// Saved state: "Caption" (default empty).
ControlLibrary::Creation createAdodc(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::msadodc
