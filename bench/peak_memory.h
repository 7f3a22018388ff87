#pragma once
// Peak resident memory, of this process since the last reset, or of a finished child process.

#include <QFile>
#include <sys/resource.h>

namespace qv::bench
{

// Starts a new peak: the kernel sets this process's peak resident size back to its current size.
inline void resetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
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
