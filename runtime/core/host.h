#pragma once
// What the runtime needs from the process it runs in: a way to show an error report, a program's message
// box, and a way to end.
// The program uses DesktopHost; tests hand the runtime a recorder instead, so nothing blocks or exits.

#include "runtime/core/message_request.h"

#include <QString>
#include <optional>

namespace qv
{

class Host
{
public:
    virtual ~Host() = default;
    virtual void showErrorReport(const QString &title, const QString &text) = 0;
    // Shows a program's message box and waits for the button pressed; nothing when nobody can answer it
    // (a host without a display).
    virtual std::optional<MessageAnswer> askMessage(const MessageRequest &) { return std::nullopt; }
    // Ends the process with the given exit status. DesktopHost never returns. A host that keeps its process
    // (the installation check's, which loads a form and goes on) returns: the runtime has ended the run all
    // the same.
    virtual void endProcess(int exitStatus) = 0;
};

} // namespace qv
