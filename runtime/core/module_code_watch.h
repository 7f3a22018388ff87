#pragma once
// While a control library module's own code runs (its loading, which runs its static initialisers, and its
// create function), a fault in it must not end the program without a word: a crash, an abort, a signal that
// ends a module that never returned, or the module calling exit() leaves one line on standard error naming
// the module file and the class being created.
//
// The watch's signal handlers stand in for the program's own only while modules may run: around one call into
// a module, or, once the first module is called, for the rest of a form's load (one set of handlers for all
// its controls, not one for each). A signal that comes while no module's code runs goes to the program's own
// handling, as it would have without the watch; and the program's own code (an event handler the load raises)
// runs with its own handlers in place. At the end the program's handlers are back, unchanged.

#include <QString>
#include <array>
#include <csignal>

namespace qv
{

class ModuleCodeWatch
{
public:
    // Around one call into a module's code: the module and class a report names.
    ModuleCodeWatch(const QString &modulePath, const QString &className);
    ~ModuleCodeWatch();
    ModuleCodeWatch(const ModuleCodeWatch &) = delete;
    ModuleCodeWatch &operator=(const ModuleCodeWatch &) = delete;

    // Around a form's load: handlers the first module call sets stay until the load ends.
    class ForLoad
    {
    public:
        ForLoad();
        ~ForLoad();
        ForLoad(const ForLoad &) = delete;
        ForLoad &operator=(const ForLoad &) = delete;
    };

    // Around the program's own code run from inside a load (or a module's call): its own handlers are in
    // place while it runs, and any it sets are the ones restored at the end.
    class ProgramCode
    {
    public:
        ProgramCode();
        ~ProgramCode();
        ProgramCode(const ProgramCode &) = delete;
        ProgramCode &operator=(const ProgramCode &) = delete;

    private:
        bool handlersWereSet_ = false;
        int loads_ = 0;
        bool keptForLoads_ = false;
        bool wasWatching_ = false;
        std::array<char, 1024> module_ {};
        std::array<char, 256> class_ {};
    };

    // The signals watched: faults of the module's code, and those that end a process that hangs in it.
    static constexpr std::array watchedSignals { SIGSEGV, SIGBUS,  SIGILL, SIGFPE, SIGABRT,
                                                 SIGSYS,  SIGTERM, SIGINT, SIGHUP, SIGQUIT };

private:
    bool outermost_ = false;
    bool setHere_ = false; // the handlers were set for this call alone
};

} // namespace qv
