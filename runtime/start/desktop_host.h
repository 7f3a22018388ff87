#pragma once
// The host of a program on a desktop: reports and a program's messages in message boxes, and the end of the
// run ends the process.

#include "runtime/core/host.h"

namespace qv
{

class DesktopHost final : public Host
{
public:
    // A message box over the windows, and the same text on standard error.
    void showErrorReport(const QString &title, const QString &text) override;
    // A program's message box over its windows; where nobody can answer it, its prompt on standard error.
    std::optional<MessageAnswer> askMessage(const MessageRequest &request) override;
    [[noreturn]] void endProcess(int exitStatus) override;
};

} // namespace qv
