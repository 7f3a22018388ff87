#include "library_processes.h"

#include "child_protocol.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>

namespace qv::checker
{

namespace
{
// One child process and the libraries it creates the classes of.
struct Batch {
    std::vector<std::size_t> libraries; // indexes into the libraries to check
    std::unique_ptr<QProcess> process;
    QString resultFile;
    QTimer *watch = nullptr; // the time limit's, stopped once the child has ended
    QElapsedTimer sinceProgress; // since the child last wrote a line
    qint64 written = -1; // the result file's size when it last grew
    bool timedOut = false;
    bool finished = false;
};

QString signalName(int signal)
{
    const char *abbreviation = sigabbrev_np(signal);
    return abbreviation ? QStringLiteral("SIG") + QLatin1String(abbreviation)
                        : QStringLiteral("signal %1").arg(signal);
}

// How the child ended, when it did not tell its whole story: "crashed with SIGSEGV", or empty.
QString howItEnded(const Batch &batch, const child::Said &said, const ChildSettings &settings)
{
    const QProcess &process = *batch.process;
    if (batch.timedOut)
        return QStringLiteral("did not return within %1 seconds").arg(settings.timeLimit.count());
    if (process.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("crashed with %1").arg(signalName(process.exitCode()));
    if (!said.done)
        return QStringLiteral("ended the process (exit status %1)").arg(process.exitCode());
    return {};
}

class BatchRunner
{
public:
    BatchRunner(const std::vector<LibraryToCheck> &libraries, const ChildSettings &settings)
        : libraries_(libraries)
        , settings_(settings)
        , outcomes_(libraries.size())
    {
    }

    std::vector<LibraryOutcomes> run()
    {
        // The libraries shared out among the children that run side by side.
        const std::size_t children = std::clamp<std::size_t>(
            static_cast<std::size_t>(std::max(settings_.sideBySide, 1)), 1, libraries_.size());
        for (std::size_t c = 0; c < children; ++c) {
            std::vector<std::size_t> share;
            for (std::size_t i = c; i < libraries_.size(); i += children)
                share.push_back(i);
            queue_.push_back(std::move(share));
        }
        for (std::size_t c = 0; c < children; ++c)
            startNext();
        if (running_ > 0)
            loop_.exec();
        return std::move(outcomes_);
    }

private:
    void startNext()
    {
        if (queue_.empty())
            return;
        batches_.push_back(std::make_unique<Batch>());
        Batch &batch = *batches_.back();
        batch.libraries = std::move(queue_.front());
        queue_.pop_front();
        batch.resultFile = folder_.filePath(QStringLiteral("batch-%1").arg(batches_.size()));
        batch.process = std::make_unique<QProcess>();
        QProcess &process = *batch.process;
        // Messages of Qt and of the modules still reach the user; standard output is the report's alone.
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setProgram(settings_.program);
        QStringList arguments;
        for (std::size_t i : batch.libraries)
            arguments << QStringLiteral("--check-library=%1").arg(libraries_[i].file);
        arguments << QStringLiteral("--result-file=%1").arg(batch.resultFile);
        process.setArguments(arguments);
        // The time limit runs from the child's last word: each line it writes shows it is getting on.
        QTimer *watch = batch.watch = new QTimer(&process);
        watch->setInterval(std::chrono::milliseconds(100));
        batch.sinceProgress.start();
        QObject::connect(watch, &QTimer::timeout, &process, [this, &batch] {
            const qint64 size = QFileInfo(batch.resultFile).size();
            if (size != batch.written) {
                batch.written = size;
                batch.sinceProgress.restart();
            } else if (!batch.timedOut
                       && batch.sinceProgress.elapsed()
                           > std::chrono::milliseconds(settings_.timeLimit).count()) {
                batch.timedOut = true;
                batch.process->kill();
            }
        });
        const auto ended = [this, &batch] { finish(batch); };
        QObject::connect(&process, &QProcess::finished, &loop_, ended, Qt::QueuedConnection);
        QObject::connect(
            &process, &QProcess::errorOccurred, &loop_,
            [ended](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    ended();
            },
            Qt::QueuedConnection);
        ++running_;
        process.start();
        watch->start();
    }

    std::size_t libraryOf(const Batch &batch, const QString &className) const
    {
        for (std::size_t i : batch.libraries) {
            const auto &records = libraries_[i].records;
            if (std::any_of(records.begin(), records.end(),
                            [&](const auto &r) { return r.second == className; }))
                return i;
        }
        return libraries_.size();
    }

    // Every record of the library fails with the reason.
    void fail(std::size_t library, const QString &reason)
    {
        LibraryOutcomes &outcomes = outcomes_[library];
        outcomes.controls.clear();
        for (const auto &[control, className] : libraries_[library].records)
            outcomes.controls.push_back({ control, className, false, reason });
    }

    void finish(Batch &batch)
    {
        if (batch.finished)
            return;
        batch.finished = true;
        batch.watch->stop();
        QFile file(batch.resultFile);
        const child::Said said = child::read(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        const QByteArray printed = batch.process->readAllStandardOutput();

        if (batch.process->error() == QProcess::FailedToStart) {
            for (std::size_t i : batch.libraries)
                fail(i,
                     QStringLiteral("the check of %1 could not start %2: %3")
                         .arg(libraries_[i].file, settings_.program, batch.process->errorString()));
        } else if (const QString ended = howItEnded(batch, said, settings_); !ended.isEmpty()) {
            blame(batch, said, ended);
        } else {
            for (std::size_t i : batch.libraries)
                record(i, said);
            if (!printed.isEmpty()) {
                const QString line = QString::fromLocal8Bit(printed).section(QLatin1Char('\n'), 0, 0);
                for (std::size_t i : batch.libraries)
                    fail(i,
                         QStringLiteral("%1 wrote to standard output while its classes were created: \"%2\"")
                             .arg(libraries_[i].moduleFile, line));
            }
        }
        --running_;
        startNext();
        if (running_ == 0 && queue_.empty())
            loop_.quit();
    }

    // The child died. The library whose class was being created fails; the others of the batch are checked
    // again in a new child. Where it died after every control was made (while they were shown), each library
    // of the batch is checked alone, so that the one at fault is found; alone, it fails.
    void blame(const Batch &batch, const child::Said &said, const QString &ended)
    {
        const bool everyRecordAnswered
            = std::all_of(batch.libraries.begin(), batch.libraries.end(), [&](auto i) {
                  return std::all_of(
                      libraries_[i].records.begin(), libraries_[i].records.end(), [&](const auto &r) {
                          return std::any_of(said.outcomes.begin(), said.outcomes.end(),
                                             [&](const auto &o) { return o.control == r.first; });
                      });
              });
        if (everyRecordAnswered) {
            checkEachAlone(batch, ended + QStringLiteral(" while its controls were shown"));
            return;
        }
        // A child that died before it began creating names no class of its libraries.
        const std::size_t culprit = libraryOf(batch, said.creatingClass);
        if (culprit == libraries_.size()) {
            checkEachAlone(batch, ended + QStringLiteral(" before creating any class"));
            return;
        }
        std::vector<std::size_t> again;
        for (std::size_t i : batch.libraries) {
            if (i == culprit)
                fail(i,
                     QStringLiteral("%1 %2 while creating %3")
                         .arg(libraries_[i].moduleFile, ended, said.creatingClass));
            else
                again.push_back(i);
        }
        if (!again.empty())
            queue_.push_back(std::move(again));
    }

    // Each library of the batch is checked again in a child of its own, to find the one at fault; a library
    // already alone is the one, and fails.
    void checkEachAlone(const Batch &batch, const QString &whatHappened)
    {
        if (batch.libraries.size() == 1) {
            const std::size_t i = batch.libraries.front();
            fail(i, QStringLiteral("%1 %2").arg(libraries_[i].moduleFile, whatHappened));
            return;
        }
        for (std::size_t i : batch.libraries)
            queue_.push_back({ i });
    }

    // The outcomes the child gave for the library's records; one it did not give fails.
    void record(std::size_t library, const child::Said &said)
    {
        LibraryOutcomes &outcomes = outcomes_[library];
        outcomes.controls.clear();
        for (const auto &[control, className] : libraries_[library].records) {
            const QString &name = control; // a lambda may not capture a structured binding (C++20, clang 14)
            const auto given = std::find_if(said.outcomes.begin(), said.outcomes.end(),
                                            [&](const auto &o) { return o.control == name; });
            outcomes.controls.push_back(
                given != said.outcomes.end()
                    ? *given
                    : installation::ControlOutcome {
                        control, className, false,
                        QStringLiteral("the check of %1 said nothing of it").arg(libraries_[library].file) });
        }
        outcomes.failure = said.failure;
    }

    const std::vector<LibraryToCheck> &libraries_;
    const ChildSettings &settings_;
    std::vector<LibraryOutcomes> outcomes_;
    std::deque<std::vector<std::size_t>> queue_;
    std::vector<std::unique_ptr<Batch>> batches_;
    QTemporaryDir folder_;
    QEventLoop loop_;
    int running_ = 0;
};
} // namespace

std::vector<LibraryOutcomes> checkLibrariesInChildren(const std::vector<LibraryToCheck> &libraries,
                                                      const ChildSettings &settings)
{
    if (libraries.empty())
        return {};
    return BatchRunner(libraries, settings).run();
}

} // namespace qv::checker
