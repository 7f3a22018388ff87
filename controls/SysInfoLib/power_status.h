#pragma once
// The machine's power supply as the system information control reports it, read from the kernel's power
// supply folder (/sys/class/power_supply): each fact the documented "unknown" value where the machine does
// not say.

#include <QString>

namespace qv::sysinfolib
{

struct PowerStatus {
    short acStatus = 255; // 0 on battery, 1 on mains, 255 unknown
    int batteryFullTime = -1; // seconds a full battery lasts; -1 unknown
    short batteryLifePercent = 255; // 0 to 100; 255 unknown
    int batteryLifeTime = -1; // seconds left; -1 unknown
    short batteryStatus = 255; // 1 high, 2 low, 4 critical, 8 charging, 128 no battery, 255 unknown
};

// What the power supply folder at `root` says; a machine without one says nothing.
PowerStatus readPowerStatus(const QString &root = QStringLiteral("/sys/class/power_supply"));

} // namespace qv::sysinfolib
