#pragma once
// The host of a program on a desktop: reports in a message box, and the end of the run ends the process.

#include "runtime/core/host.h"

namespace qv
{

class DesktopHost final : public Host
{
public:
    // A message box over the windows, and the same text on standard error.
    void showErrorReport(const QString &title, const QString &text) override;
    [[noreturn]] void endProcess(int exitStatus) override;
};

} // namespace qv
