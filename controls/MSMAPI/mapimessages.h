#pragma once
// Stands in for the mail message control: an invisible object holding the addressing and fetching
// settings of its saved state. It reads and sends no mail.

#include <quorvane/control_library.h>

namespace qv::msmapi
{

// Saved state: "AddressEditFieldCount" (0 to 4, 1 when absent), "AddressCaption", and the 0-or-1 settings
// "AddressModifiable", "AddressResolveUI" and "FetchSorted" (0 when absent) and "FetchUnreadOnly" (1 when
// absent).
ControlLibrary::Creation createMAPIMessages(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::msmapi
