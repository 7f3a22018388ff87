#include "child_process.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace qv::checker
{

namespace
{
Failure systemFailure(const char *what)
{
    return failure(
        status::fail,
        QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno))));
}

// posix_spawn's file actions and attributes, released however the start ends.
struct SpawnSettings {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    SpawnSettings()
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSettings()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSettings(const SpawnSettings &) = delete;
    SpawnSettings &operator=(const SpawnSettings &) = delete;
};

// A notifier may be the one whose signal is being handled: it is silenced now and goes with the process.
void silence(const std::unique_ptr<QSocketNotifier> &notifier)
{
    if (notifier)
        notifier->setEnabled(false);
}
} // namespace

ChildProcess::ChildProcess(LineRead lineRead, Ended ended)
    : lineRead_(std::move(lineRead))
    , ended_(std::move(ended))
{
}

ChildProcess::~ChildProcess()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        siginfo_t info {};
        while (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED) != 0 && errno == EINTR) { }
    }
    outputNotifier_.reset();
    exitNotifier_.reset();
    if (output_ >= 0)
        ::close(output_);
    if (exited_ >= 0)
        ::close(exited_);
}

Outcome<> ChildProcess::start(const QString &program, const QStringList &arguments)
{
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        return systemFailure("pipe2");
    std::vector<QByteArray> words { QFile::encodeName(program) };
    for (const QString &argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // The child reads nothing, writes its lines into the pipe, and starts with every signal's default action
    // and none blocked, whatever this process has set.
    SpawnSettings spawn;
    posix_spawn_file_actions_addopen(&spawn.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&spawn.actions, pipe[1], STDOUT_FILENO);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&spawn.attributes, &none);
    posix_spawnattr_setsigdefault(&spawn.attributes, &all);
    posix_spawnattr_setflags(&spawn.attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    const int spawned
        = ::posix_spawn(&pid_, argv.front(), &spawn.actions, &spawn.attributes, argv.data(), environ);
    ::close(pipe[1]);
    if (spawned != 0) {
        ::close(pipe[0]);
        pid_ = -1;
        errno = spawned;
        return systemFailure("posix_spawn");
    }
    adopt(pid_, pipe[0]);
    return {};
}

Outcome<ForkedChild> forkChild()
{
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        return systemFailure("pipe2");
    const pid_t pid = ::fork();
    if (pid < 0) {
        const Failure failed = systemFailure("fork");
        ::close(pipe[0]);
        ::close(pipe[1]);
        return failed;
    }
    if (pid == 0) {
        ::close(pipe[0]);
        ::dup2(pipe[1], STDOUT_FILENO);
        ::close(pipe[1]);
        if (const int nothing = ::open("/dev/null", O_RDONLY | O_CLOEXEC); nothing >= 0) {
            ::dup2(nothing, STDIN_FILENO);
            ::close(nothing);
        }
        return ForkedChild {};
    }
    ::close(pipe[1]);
    return ForkedChild { pid, pipe[0] };
}

void ChildProcess::adopt(pid_t pid, int output)
{
    pid_ = pid;
    output_ = output;
    ::fcntl(output_, F_SETFL, ::fcntl(output_, F_GETFL) | O_NONBLOCK);
    outputNotifier_ = std::make_unique<QSocketNotifier>(output_, QSocketNotifier::Read);
    QObject::connect(outputNotifier_.get(), &QSocketNotifier::activated, [this] { readOutput(); });
    // Without process file descriptors (a kernel before 5.3), the end is waited for once the pipe closes.
    // Through the system call itself: glibc 2.36's <sys/pidfd.h> declares pidfd_open without C linkage.
    exited_ = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
    if (exited_ >= 0) {
        exitNotifier_ = std::make_unique<QSocketNotifier>(exited_, QSocketNotifier::Read);
        QObject::connect(exitNotifier_.get(), &QSocketNotifier::activated, [this] { reap(false); });
    }
}

void ChildProcess::kill()
{
    if (pid_ > 0)
        ::kill(pid_, SIGKILL);
}

void ChildProcess::readOutput()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(output_, buffer, sizeof buffer);
        if (n > 0) {
            partial_.append(buffer, n);
            qsizetype end;
            while ((end = partial_.indexOf('\n')) >= 0) {
                const QByteArray line = partial_.left(end);
                partial_.remove(0, end + 1);
                lineRead_(line);
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0) { // every writer has closed it: the child, and whatever it started
            closeOutput();
            if (exited_ < 0)
                reap(true);
        }
        return; // EAGAIN: all there is for now
    }
}

void ChildProcess::reap(bool block)
{
    if (pid_ <= 0)
        return;
    siginfo_t info {};
    int waited;
    while ((waited = ::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | (block ? 0 : WNOHANG))) != 0
           && errno == EINTR) { }
    if (waited != 0 || info.si_pid == 0)
        return; // not ended yet
    pid_ = -1;
    silence(exitNotifier_);
    // What it wrote before it ended is in the pipe; a last line it did not finish is left out.
    if (output_ >= 0)
        readOutput();
    closeOutput();
    const bool bySignal = info.si_code == CLD_KILLED || info.si_code == CLD_DUMPED;
    ended_(End { bySignal, info.si_status });
}

void ChildProcess::closeOutput()
{
    silence(outputNotifier_);
    if (output_ >= 0)
        ::close(output_);
    output_ = -1;
}

} // namespace qv::checker
