#include "library_child.h"

#include "check_options.h"
#include "check_plan.h"
#include "child_protocol.h"

#include <quorvane/installation.h>

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace qv::checker
{

namespace
{
// What the parent is told goes where standard output went, the parent's pipe; standard output itself, where a
// module may write, goes to an unnamed file that the check looks at after each control.
class Channels
{
public:
    Channels()
    {
        std::fflush(stdout);
        toParent_ = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
        capture_
            = ::open(QFile::encodeName(QDir::tempPath()).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (capture_ < 0)
            watch_ = failure(status::fail,
                             QStringLiteral("the check cannot watch standard output: it can make no "
                                            "unnamed file in %1 (%2)")
                                 .arg(QDir::tempPath(), QString::fromLocal8Bit(std::strerror(errno))));
        else
            ::dup2(capture_, STDOUT_FILENO);
    }
    ~Channels()
    {
        if (capture_ >= 0)
            ::close(capture_);
        if (toParent_ >= 0)
            ::close(toParent_);
    }
    Channels(const Channels &) = delete;
    Channels &operator=(const Channels &) = delete;

    const Outcome<> &watch() const { return watch_; }

    // Writes the whole line, or nothing more once the parent is gone.
    void tell(const QByteArray &line) const
    {
        for (qsizetype written = 0; written < line.size();) {
            const ssize_t n
                = ::write(toParent_, line.constData() + written, std::size_t(line.size() - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return;
            written += n;
        }
    }

    // How much has been written to standard output.
    off_t written() const
    {
        std::fflush(stdout);
        return capture_ >= 0 ? ::lseek(STDOUT_FILENO, 0, SEEK_END) : 0;
    }
    // The first line written since `from`, as a person reads it.
    QString firstLineFrom(off_t from) const
    {
        char text[200] = {};
        const ssize_t n = ::pread(STDOUT_FILENO, text, sizeof text - 1, from);
        return n > 0 ? QString::fromLocal8Bit(text, n).section(QLatin1Char('\n'), 0, 0) : QString();
    }

private:
    int toParent_ = -1;
    int capture_ = -1;
    Outcome<> watch_;
};
} // namespace

int checkLibrariesAsChild(const FormDescription &showcase, const QStringList &libraryFiles)
{
    const CheckPlan plan(showcase);
    std::vector<std::size_t> records; // of the libraries, in stored order
    for (const QString &file : libraryFiles) {
        const std::optional<std::size_t> library = plan.libraryOfFile(file);
        if (!library) {
            QTextStream(stderr) << usageErrorText(
                QStringLiteral("--check-library: %1 is not a library of the runtime (see --list-libraries).")
                    .arg(file));
            return 2;
        }
        const std::vector<std::size_t> &ofLibrary = plan.recordsOf(*library);
        records.insert(records.end(), ofLibrary.begin(), ofLibrary.end());
    }
    std::sort(records.begin(), records.end());

    const Channels channels;
    if (!channels.watch()) {
        channels.tell(child::failureLine(channels.watch().failure().explanation()));
        channels.tell(child::doneLine());
        return 0;
    }
    // The form is loaded in stored order, each record told of before it is created and after: the n-th is
    // records[n].
    std::size_t next = 0;
    off_t before = 0;
    installation::CheckObserver observer;
    observer.creating = [&](const QString &, const QString &) {
        if (next >= records.size())
            return;
        channels.tell(child::creatingLine(records[next]));
        before = channels.written();
    };
    observer.tried = [&](const installation::ControlOutcome &tried) {
        if (next >= records.size())
            return;
        const std::size_t record = records[next++];
        Outcome<> created = tried.created ? Outcome<>() : failure(status::cannotCreateObject, tried.reason);
        if (channels.written() > before)
            created = failure(status::cannotCreateObject,
                              QStringLiteral("%1 wrote to standard output while creating %2: \"%3\"")
                                  .arg(plan.libraries()[plan.libraryOf(record)].moduleFile,
                                       plan.classNameOf(record), channels.firstLineFrom(before)));
        channels.tell(child::outcomeLine(record, created));
    };
    const installation::FormCheck checked
        = installation::checkForm(plan.partOf(records), installation::moduleDirectory(), observer);
    if (!checked.failure.isEmpty())
        channels.tell(child::failureLine(checked.failure));
    channels.tell(child::doneLine());
    return 0;
}

} // namespace qv::checker
