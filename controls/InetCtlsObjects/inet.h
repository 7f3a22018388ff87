#pragma once
// Stands in for the Internet transfer control: an invisible object holding the protocol, access type,
// time-out and address of its saved state. It opens no connection.

#include <quorvane/control_library.h>

namespace qv::inetctls
{

// Saved state: "Protocol" (0 unknown, 1 default, 2 FTP, 4 HTTP, 5 HTTPS; 1 when absent), "AccessType"
// (0 the system's setting, 1 direct, 2 named proxy; 0 when absent), "RequestTimeout" (0 to 3600 seconds, 60
// when absent) and "URL" (an ftp, http or https address, none when absent or empty).
ControlLibrary::Creation createInet(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::inetctls
