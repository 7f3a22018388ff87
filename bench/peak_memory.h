#pragma once
// Peak resident memory of this process since the last reset. (A child's own figure comes from the child:
// the kernel's count for a spawned child starts from its parent's.)

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace qv::bench
{

// Starts a new peak: the kernel sets this process's peak resident size back to its current size.
inline void resetPeakResident()
{
    const int clearRefs = ::open("/proc/self/clear_refs", O_WRONLY); // no truncation: it is not a file
    if (clearRefs >= 0) {
        [[maybe_unused]] const auto written = ::write(clearRefs, "5", 1);
        ::close(clearRefs);
    }
}

// This process's peak resident size in MiB since the last reset, from /proc/self/status (VmHWM).
inline double peakResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

} // namespace qv::bench
