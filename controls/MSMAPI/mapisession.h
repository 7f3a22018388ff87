#pragma once
// Stands in for the mail session control: an invisible object holding the sign-on settings of its saved
// state. It signs on to no mail system.

#include <quorvane/control_library.h>

namespace qv::msmapi
{

// Saved state: "DownloadMail" and "LogonUI" (0 or 1, 1 when absent), "NewSession" (0 or 1, 0 when absent)
// and "UserName".
ControlLibrary::Creation createMAPISession(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::msmapi
