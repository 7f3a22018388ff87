#include "runtime/modules/module_code_watch.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace qv
{

namespace
{
// What the handlers read: written before they are installed, and only plain bytes, so that a handler needs
// nothing but write(2).
char watchedModule[1024];
char watchedClass[256];
volatile std::sig_atomic_t watching = 0;
struct sigaction *previousActions = nullptr;

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
    const bool fault = signal != SIGTERM && signal != SIGINT && signal != SIGHUP && signal != SIGQUIT;
    sayWhile(fault ? " crashed with " : " had not returned when the process got ", signalName(signal));
    // The program's own disposition decides what happens next, as it would have without the watch.
    for (std::size_t i = 0; i < ModuleCodeWatch::watchedSignals.size(); ++i) {
        if (ModuleCodeWatch::watchedSignals[i] == signal)
            ::sigaction(signal, &previousActions[i], nullptr);
    }
    watching = 0;
    ::raise(signal);
}

void onExit()
{
    if (watching)
        sayWhile(" ended the process", nullptr);
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
    previousActions = previous_.data();
    struct sigaction action {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < watchedSignals.size(); ++i) {
        if (::sigaction(watchedSignals[i], nullptr, &previous_[i]) != 0 || previous_[i].sa_handler == SIG_IGN)
            continue; // an ignored signal stays ignored
        replaced_[i] = ::sigaction(watchedSignals[i], &action, nullptr) == 0;
    }
    outermost_ = true;
    watching = 1;
}

ModuleCodeWatch::~ModuleCodeWatch()
{
    if (!outermost_)
        return;
    watching = 0;
    for (std::size_t i = 0; i < watchedSignals.size(); ++i) {
        if (replaced_[i])
            ::sigaction(watchedSignals[i], &previous_[i], nullptr);
    }
    previousActions = nullptr;
}

} // namespace qv
