#include "library_processes.h"

#include "child_protocol.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <memory>

namespace qv::checker
{

namespace
{
struct Child {
    std::unique_ptr<QProcess> process;
    QString resultFile;
    bool timedOut = false;
    bool finished = false;
};

QString signalName(int signal)
{
    const char *abbreviation = sigabbrev_np(signal);
    return abbreviation ? QStringLiteral("SIG") + QLatin1String(abbreviation)
                        : QStringLiteral("signal %1").arg(signal);
}

// Why the child for `library` did not tell its whole story, or empty when it did.
QString whatWentWrong(const LibraryToCheck &library, const Child &child, const child::Said &said,
                      const ChildSettings &settings)
{
    const bool everyRecordAnswered = said.outcomes.size() >= library.records.size();
    const QString during = everyRecordAnswered ? QStringLiteral("while its controls were shown")
        : said.creatingClass.isEmpty()         ? QStringLiteral("before creating any class")
                                               : QStringLiteral("while creating %1").arg(said.creatingClass);
    const QProcess &process = *child.process;
    if (child.timedOut) {
        return QStringLiteral("%1 did not return within %2 seconds %3")
            .arg(library.moduleFile)
            .arg(settings.timeLimit.count())
            .arg(during);
    }
    if (process.error() == QProcess::FailedToStart) {
        return QStringLiteral("the check of %1 could not start %2: %3")
            .arg(library.file, settings.program, process.errorString());
    }
    if (process.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("%1 crashed with %2 %3")
            .arg(library.moduleFile, signalName(process.exitCode()), during);
    if (!said.done) {
        return QStringLiteral("%1 ended the process (exit status %2) %3")
            .arg(library.moduleFile)
            .arg(process.exitCode())
            .arg(during);
    }
    if (process.exitCode() != 0)
        return QStringLiteral("the check of %1 ended with status %2")
            .arg(library.file)
            .arg(process.exitCode());
    return {};
}

LibraryOutcomes outcomesOf(const LibraryToCheck &library, Child &child, const ChildSettings &settings)
{
    QFile file(child.resultFile);
    const child::Said said = child::read(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    LibraryOutcomes outcomes { said.outcomes, said.failure };
    QString reason = whatWentWrong(library, child, said, settings);
    const QByteArray printed = child.process->readAllStandardOutput();
    if (reason.isEmpty() && !printed.isEmpty()) {
        reason = QStringLiteral("%1 wrote to standard output %2: \"%3\"")
                     .arg(library.moduleFile, QStringLiteral("while its classes were created"),
                          QString::fromLocal8Bit(printed).section(QLatin1Char('\n'), 0, 0));
        for (installation::ControlOutcome &outcome : outcomes.controls) {
            outcome.created = false;
            outcome.reason = reason;
        }
    }
    // Where the child died after answering for every record, its library failed all the same.
    if (!reason.isEmpty() && outcomes.controls.size() >= library.records.size()) {
        for (installation::ControlOutcome &outcome : outcomes.controls) {
            outcome.created = false;
            outcome.reason = reason;
        }
    }
    // Every record the child did not answer for fails with the reason its child died.
    for (const auto &[control, className] : library.records) {
        const bool answered = std::any_of(outcomes.controls.begin(), outcomes.controls.end(),
                                          [&](const auto &o) { return o.control == control; });
        if (!answered) {
            outcomes.controls.push_back(
                { control, className, false,
                  reason.isEmpty() ? QStringLiteral("the check of %1 said nothing of it").arg(library.file)
                                   : reason });
        }
    }
    return outcomes;
}
} // namespace

std::vector<LibraryOutcomes> checkLibrariesInChildren(const std::vector<LibraryToCheck> &libraries,
                                                      const ChildSettings &settings)
{
    std::vector<LibraryOutcomes> outcomes(libraries.size());
    if (libraries.empty())
        return outcomes;
    QTemporaryDir folder;
    std::vector<Child> children(libraries.size());
    QEventLoop loop;
    std::size_t started = 0;
    std::size_t finished = 0;

    std::function<void()> startNext = [&] {
        if (started == libraries.size())
            return;
        const std::size_t i = started++;
        Child &child = children[i];
        child.resultFile = folder.filePath(QStringLiteral("library-%1").arg(i));
        child.process = std::make_unique<QProcess>();
        QProcess &process = *child.process;
        // Messages of Qt and of the modules still reach the user; standard output is the report's alone.
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setProgram(settings.program);
        process.setArguments({ QStringLiteral("--check-library=%1").arg(libraries[i].file),
                               QStringLiteral("--result-file=%1").arg(child.resultFile) });
        auto *limit = new QTimer(&process);
        limit->setSingleShot(true);
        QObject::connect(limit, &QTimer::timeout, &process, [&child] {
            child.timedOut = true;
            child.process->kill();
        });
        const auto done = [&, i] {
            Child &c = children[i];
            if (c.finished)
                return;
            c.finished = true;
            outcomes[i] = outcomesOf(libraries[i], c, settings);
            if (++finished == libraries.size())
                loop.quit();
            else
                startNext();
        };
        QObject::connect(&process, &QProcess::finished, &loop, done, Qt::QueuedConnection);
        QObject::connect(
            &process, &QProcess::errorOccurred, &loop,
            [&, done](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    done();
            },
            Qt::QueuedConnection);
        process.start();
        limit->start(settings.timeLimit);
    };
    for (int n = 0; n < std::max(1, settings.sideBySide); ++n)
        startNext();
    loop.exec();
    return outcomes;
}

} // namespace qv::checker
