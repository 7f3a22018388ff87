#pragma once
// What the runtime needs from the process it runs in: a way to show an error report and a way to end.
// The program uses DesktopHost; tests hand the runtime a recorder instead, so nothing blocks or exits.

#include <QString>

namespace qv
{

class Host
{
public:
    virtual ~Host() = default;
    virtual void showErrorReport(const QString &title, const QString &text) = 0;
    // Ends the process with the given exit status. DesktopHost never returns; a test host records and
    // returns.
    virtual void endProcess(int exitStatus) = 0;
};

} // namespace qv
