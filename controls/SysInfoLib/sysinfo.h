#pragma once
// Stands in for the system information control: an invisible object. The control saves no state of its own,
// so its block is usually the head alone; properties in it are passed over.

#include <quorvane/control_library.h>

namespace qv::sysinfolib
{

ControlLibrary::Creation createSysInfo(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::sysinfolib
