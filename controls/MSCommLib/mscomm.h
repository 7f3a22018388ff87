#pragma once
// Stands in for the serial communications control: an invisible object holding the port and line settings
// of its saved state. It opens no port.

#include <quorvane/control_library.h>

namespace qv::mscommlib
{

// Saved state: "CommPort" (1 to 16, 1 when absent), "Settings" (baud rate, parity, data bits and stop bits,
// "9600,n,8,1" when absent) and "Handshaking" (0 none, 1 XOn/XOff, 2 RTS/CTS, 3 both; 0 when absent).
ControlLibrary::Creation createMSComm(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscommlib
