#pragma once
// While a control library module's own code runs (its loading, which runs its static initialisers, and its
// create function), a fault in it must not end the program without a word: a crash, an abort, a signal that
// ends a module that never returned, or the module calling exit() leaves one line on standard error naming
// the module file and the class being created. The program's own signal handlers are set aside only for
// that time and are back, unchanged, once the module's code has returned.

#include <QString>
#include <array>
#include <csignal>

namespace qv
{

class ModuleCodeWatch
{
public:
    ModuleCodeWatch(const QString &modulePath, const QString &className);
    ~ModuleCodeWatch();
    ModuleCodeWatch(const ModuleCodeWatch &) = delete;
    ModuleCodeWatch &operator=(const ModuleCodeWatch &) = delete;

    // The signals watched: faults of the module's code, and those that end a process that hangs in it.
    static constexpr std::array watchedSignals { SIGSEGV, SIGBUS,  SIGILL, SIGFPE, SIGABRT,
                                                 SIGSYS,  SIGTERM, SIGINT, SIGHUP, SIGQUIT };

private:
    std::array<struct sigaction, watchedSignals.size()> previous_ {};
    std::array<bool, watchedSignals.size()> replaced_ {};
    bool outermost_ = false;
};

} // namespace qv
