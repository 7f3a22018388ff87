#pragma once
// Runs this benchmark program again as a child in one of its child modes, for what only a fresh process can
// measure: the start-up, and the first load of the showcase window.

#include <QByteArray>
#include <chrono>

namespace qv::bench
{

struct ChildRun {
    std::chrono::nanoseconds untilFirstLine {}; // from the start of the process to its first line of output
    QByteArray firstLine; // what the child measured, then its own peak resident memory in MiB
    bool ok = false;
};

// Starts `self --child=<mode>` offscreen and waits for it to end.
ChildRun runChild(const char *self, const char *mode);

} // namespace qv::bench
