#include "library_child.h"

#include "child_protocol.h"
#include "form_parts.h"

#include <quorvane/installation.h>

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace qv::checker
{

namespace
{
// The module that makes a class: "mscomct2.so" for "MSComCtl2.UpDown".
QString moduleFileOf(const QString &className)
{
    const installation::LibraryEntry *library = libraryOfClass(className);
    return library ? library->moduleFile : className;
}

// The parent reads nothing from this process's standard output: it goes to an unnamed file, and what a
// module writes there while creating a control fails that control.
class CapturedStandardOutput
{
public:
    CapturedStandardOutput()
    {
        std::fflush(stdout);
        fd_ = ::open(QFile::encodeName(QDir::tempPath()).constData(), O_TMPFILE | O_RDWR, 0600);
        if (fd_ >= 0)
            ::dup2(fd_, STDOUT_FILENO);
    }
    ~CapturedStandardOutput()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    CapturedStandardOutput(const CapturedStandardOutput &) = delete;
    CapturedStandardOutput &operator=(const CapturedStandardOutput &) = delete;

    off_t size() const
    {
        std::fflush(stdout);
        return fd_ >= 0 ? ::lseek(STDOUT_FILENO, 0, SEEK_END) : 0;
    }
    // The first line written since `from`, as a person reads it.
    QString firstLineFrom(off_t from) const
    {
        char text[200] = {};
        const ssize_t n = ::pread(STDOUT_FILENO, text, sizeof text - 1, from);
        return n > 0 ? QString::fromLocal8Bit(text, n).section(QLatin1Char('\n'), 0, 0) : QString();
    }

private:
    int fd_ = -1;
};
} // namespace

int checkLibrariesAsChild(const FormDescription &showcase, const QStringList &libraryFiles,
                          const QString &resultFile)
{
    QFile results(resultFile);
    if (!results.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        QTextStream(stderr) << "quorvane-check: cannot write the check's results to " << resultFile << ": "
                            << results.errorString() << Qt::endl;
        return 2;
    }
    const CapturedStandardOutput output;
    off_t before = 0;
    installation::CheckObserver observer;
    observer.creating = [&](const QString &control, const QString &className) {
        results.write(child::creatingLine(control, className));
        before = output.size();
    };
    observer.tried = [&](installation::ControlOutcome outcome) {
        if (output.size() > before) {
            outcome.created = false;
            outcome.reason
                = QStringLiteral("%1 wrote to standard output while creating %2: \"%3\"")
                      .arg(moduleFileOf(outcome.className), outcome.className, output.firstLineFrom(before));
        }
        results.write(child::outcomeLine(outcome));
    };
    std::vector<ControlRecord> records;
    for (const ControlRecord &record : showcase.controls) {
        if (libraryFiles.contains(libraryFileOf(record)))
            records.push_back(record);
    }
    const installation::FormCheck checked
        = installation::checkForm(partOf(showcase, records), installation::moduleDirectory(), observer);
    if (!checked.failure.isEmpty())
        results.write(child::failureLine(checked.failure));
    results.write(child::doneLine());
    return 0;
}

} // namespace qv::checker
