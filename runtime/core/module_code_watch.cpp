#include "runtime/core/module_code_watch.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace qv
{

namespace
{
constexpr std::size_t watchedCount = ModuleCodeWatch::watchedSignals.size();

// What the handlers read: written before they are installed, and only plain bytes, so that a handler needs
// nothing but write(2).
char watchedModule[1024];
char watchedClass[256];
volatile std::sig_atomic_t watching = 0; // a module's code is running
std::array<struct sigaction, watchedCount> programsActions {}; // set aside while the watch's stand in
std::array<bool, watchedCount> replaced {};

// Only the thread that loads forms changes these.
bool handlersSet = false;
int openLoads = 0;
bool keptForLoads = false; // set by a module call inside a load, kept until the outermost load ends

void copyTruncated(char *to, std::size_t size, const QString &from)
{
    const QByteArray bytes = from.toLocal8Bit();
    const std::size_t n = std::min(size - 1, static_cast<std::size_t>(bytes.size()));
    std::memcpy(to, bytes.constData(), n);
    to[n] = '\0';
}

void say(const char *text)
{
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = ::write(STDERR_FILENO, text, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        text += written;
        left -= static_cast<std::size_t>(written);
    }
}

const char *signalName(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    case SIGSYS:
        return "SIGSYS";
    case SIGTERM:
        return "SIGTERM";
    case SIGINT:
        return "SIGINT";
    case SIGHUP:
        return "SIGHUP";
    case SIGQUIT:
        return "SIGQUIT";
    default:
        return "a signal";
    }
}

void sayWhile(const char *what, const char *signal)
{
    say(program_invocation_short_name);
    say(": the control library module ");
    say(watchedModule);
    say(what);
    if (signal)
        say(signal);
    say(" while creating ");
    say(watchedClass);
    say("\n");
}

void onSignal(int signal)
{
    if (watching) {
        const bool fault = signal != SIGTERM && signal != SIGINT && signal != SIGHUP && signal != SIGQUIT;
        sayWhile(fault ? " crashed with " : " had not returned when the process got ", signalName(signal));
    }
    // The program's own disposition decides what happens next, as it would have without the watch; a signal
    // that came while no module's code ran is the program's alone.
    for (std::size_t i = 0; i < watchedCount; ++i) {
        if (ModuleCodeWatch::watchedSignals[i] == signal)
            ::sigaction(signal, &programsActions[i], nullptr);
    }
    watching = 0;
    ::raise(signal);
}

void onExit()
{
    if (watching)
        sayWhile(" ended the process", nullptr);
}

void setHandlers()
{
    struct sigaction action {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < watchedCount; ++i) {
        const int signal = ModuleCodeWatch::watchedSignals[i];
        replaced[i] = false;
        if (::sigaction(signal, nullptr, &programsActions[i]) != 0
            || programsActions[i].sa_handler == SIG_IGN)
            continue; // an ignored signal stays ignored
        replaced[i] = ::sigaction(signal, &action, nullptr) == 0;
    }
    handlersSet = true;
}

void restoreHandlers()
{
    for (std::size_t i = 0; i < watchedCount; ++i) {
        if (replaced[i])
            ::sigaction(ModuleCodeWatch::watchedSignals[i], &programsActions[i], nullptr);
        replaced[i] = false;
    }
    handlersSet = false;
}
} // namespace

ModuleCodeWatch::ModuleCodeWatch(const QString &modulePath, const QString &className)
{
    // A module's create may load another form, and with it another module: the outermost watch reports.
    if (watching)
        return;
    static std::once_flag exitWatch;
    std::call_once(exitWatch, [] { std::atexit(onExit); });
    copyTruncated(watchedModule, sizeof watchedModule, modulePath);
    copyTruncated(watchedClass, sizeof watchedClass, className);
    if (!handlersSet) {
        setHandlers();
        setHere_ = openLoads == 0;
        keptForLoads = !setHere_;
    }
    outermost_ = true;
    watching = 1;
}

ModuleCodeWatch::~ModuleCodeWatch()
{
    if (!outermost_)
        return;
    watching = 0;
    if (setHere_)
        restoreHandlers();
}

ModuleCodeWatch::ForLoad::ForLoad()
{
    ++openLoads;
}

ModuleCodeWatch::ForLoad::~ForLoad()
{
    if (--openLoads == 0 && keptForLoads) {
        keptForLoads = false;
        restoreHandlers();
    }
}

ModuleCodeWatch::ProgramCode::ProgramCode()
    : handlersWereSet_(handlersSet)
    , loads_(openLoads)
    , keptForLoads_(keptForLoads)
    , wasWatching_(watching != 0)
{
    if (wasWatching_) {
        std::memcpy(module_.data(), watchedModule, module_.size());
        std::memcpy(class_.data(), watchedClass, class_.size());
    }
    watching = 0;
    openLoads = 0;
    keptForLoads = false;
    if (handlersWereSet_)
        restoreHandlers();
}

ModuleCodeWatch::ProgramCode::~ProgramCode()
{
    // Set aside again as the program left them: a handler its code set is the one restored at the end.
    if (handlersWereSet_)
        setHandlers();
    openLoads = loads_;
    keptForLoads = keptForLoads_;
    if (wasWatching_) {
        std::memcpy(watchedModule, module_.data(), module_.size());
        std::memcpy(watchedClass, class_.data(), class_.size());
    }
    watching = wasWatching_ ? 1 : 0;
}

} // namespace qv
