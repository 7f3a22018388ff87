#pragma once
// Stands in for the Winsock control: an invisible object holding the protocol, host and ports of its saved
// state. It opens no socket.

#include <quorvane/control_library.h>

namespace qv::mswinsock
{

// Saved state: "Protocol" (0 TCP, 1 UDP; 0 when absent), "RemoteHost" (a host name or address, none when
// absent or empty), "RemotePort" and "LocalPort" (0 to 65535, 0 when absent).
ControlLibrary::Creation createWinsock(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mswinsock
