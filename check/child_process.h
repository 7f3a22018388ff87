#pragma once
// A child process of the check. Its standard output is a pipe read as lines come, its standard error this
// process's; its end is told from its wait status, which the kernel gives through a process file descriptor
// (pidfd), so nothing here handles SIGCHLD or reads an exit code that a crash leaves undefined.

#include <quorvane/outcome.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <sys/types.h>

namespace qv::checker
{

class ChildProcess
{
public:
    // How the child ended: with an exit status, or by a signal.
    struct End {
        bool bySignal = false;
        int status = 0; // the exit status, or the signal's number
    };
    using LineRead = std::function<void(QByteArrayView line)>; // without its line break
    using Ended = std::function<void(const End &end)>;

    // Both are called from the event loop; after `ended`, nothing more.
    ChildProcess(LineRead lineRead, Ended ended);
    // A child still running is killed, and waited for.
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    Outcome<> start(const QString &program, const QStringList &arguments);
    // Takes over a child already started (forkChild), reading its standard output from `output`.
    void adopt(pid_t pid, int output);
    void kill();

private:
    void readOutput();
    void reap(bool block);
    void closeOutput();

    LineRead lineRead_;
    Ended ended_;
    pid_t pid_ = -1;
    int output_ = -1;
    int exited_ = -1; // the pidfd, readable once the child has ended
    std::unique_ptr<QSocketNotifier> outputNotifier_;
    std::unique_ptr<QSocketNotifier> exitNotifier_;
    QByteArray partial_; // the last line, until its line break comes
};

// A child forked from this process, before it has made any Qt object or started any thread, so that the
// child begins with every library already loaded and linked rather than starting the program again. Its
// standard output is a pipe, its standard input /dev/null. In the child, `pid` is 0.
struct ForkedChild {
    pid_t pid = 0;
    int output = -1; // in this process: the pipe's end to read
};
Outcome<ForkedChild> forkChild();

} // namespace qv::checker
