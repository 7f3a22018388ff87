#include "library_processes.h"

#include "child_process.h"
#include "child_protocol.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>

namespace qv::checker
{

namespace
{
// One child process and the libraries it creates the classes of.
struct Batch {
    std::vector<std::size_t> libraries; // indexes into the plan's libraries
    std::unique_ptr<ChildProcess> process;
    QTimer deadline; // restarted by every line the child writes
    child::Said said;
    Outcome<> protocol; // the first line that was not of the protocol
    bool timedOut = false;
};

QString signalName(int signal)
{
    const char *abbreviation = sigabbrev_np(signal);
    return abbreviation ? QStringLiteral("SIG") + QLatin1String(abbreviation)
                        : QStringLiteral("signal %1").arg(signal);
}

class BatchRunner
{
public:
    BatchRunner(const CheckPlan &plan, const ChildSettings &settings)
        : plan_(plan)
        , settings_(settings)
    {
        outcome_.records.resize(plan.form().controls.size());
    }

    ChildrenOutcome run(const std::vector<std::size_t> &libraries)
    {
        // The libraries shared out among the children that run side by side.
        const std::size_t children = std::clamp<std::size_t>(
            static_cast<std::size_t>(std::max(settings_.sideBySide, 1)), 1, libraries.size());
        for (std::size_t c = 0; c < children; ++c) {
            std::vector<std::size_t> share;
            for (std::size_t i = c; i < libraries.size(); i += children)
                share.push_back(libraries[i]);
            queue_.push_back(std::move(share));
        }
        for (std::size_t c = 0; c < children; ++c)
            startNext();
        if (running_ > 0)
            loop_.exec();
        return std::move(outcome_);
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
        batch.process = std::make_unique<ChildProcess>(
            [&batch](QByteArrayView line) {
                Outcome<> taken = batch.said.take(line);
                if (!taken && batch.protocol)
                    batch.protocol = std::move(taken);
                batch.deadline.start();
            },
            [this, &batch](const ChildProcess::End &end) { finish(batch, end); });
        // The time limit runs from the child's last word: each line it writes shows it is getting on.
        batch.deadline.setSingleShot(true);
        batch.deadline.setInterval(settings_.timeLimit);
        QObject::connect(&batch.deadline, &QTimer::timeout, [&batch] {
            batch.timedOut = true;
            batch.process->kill();
        });
        QStringList arguments;
        for (std::size_t i : batch.libraries)
            arguments << QStringLiteral("--check-library=%1").arg(plan_.libraries()[i].file);
        ++running_;
        if (const Outcome<> started = batch.process->start(settings_.program, arguments); !started) {
            for (std::size_t i : batch.libraries)
                fail(i,
                     QStringLiteral("the check of %1 could not start %2: %3")
                         .arg(plan_.libraries()[i].file, settings_.program, started.failure().explanation()));
            done();
            return;
        }
        batch.deadline.start();
    }

    void finish(Batch &batch, const ChildProcess::End &end)
    {
        batch.deadline.stop();
        if (const QString ended = howItEnded(batch, end); !ended.isEmpty()) {
            blame(batch, ended);
        } else if (!batch.protocol) {
            for (std::size_t i : batch.libraries)
                fail(i,
                     QStringLiteral("the check of %1 went wrong: %2")
                         .arg(plan_.libraries()[i].file, batch.protocol.failure().explanation()));
        } else {
            for (std::size_t i : batch.libraries)
                record(i, batch.said);
            if (!batch.said.window && outcome_.window)
                outcome_.window = batch.said.window;
        }
        done();
    }

    void done()
    {
        --running_;
        startNext();
        if (running_ == 0 && queue_.empty())
            loop_.quit();
    }

    // How the child ended, when it did not tell its whole story: "crashed with SIGSEGV", or empty.
    QString howItEnded(const Batch &batch, const ChildProcess::End &end) const
    {
        if (batch.timedOut)
            return QStringLiteral("did not return within %1 seconds").arg(settings_.timeLimit.count());
        if (end.bySignal)
            return QStringLiteral("crashed with %1").arg(signalName(end.status));
        if (!batch.said.done)
            return QStringLiteral("ended the process (exit status %1)").arg(end.status);
        return {};
    }

    // The library of the batch whose record was being created, if any.
    std::optional<std::size_t> libraryCreating(const Batch &batch) const
    {
        if (!batch.said.creating || *batch.said.creating >= plan_.form().controls.size())
            return std::nullopt;
        const std::size_t library = plan_.libraryOf(*batch.said.creating);
        if (std::find(batch.libraries.begin(), batch.libraries.end(), library) == batch.libraries.end())
            return std::nullopt;
        return library;
    }

    // The child died. The library whose class was being created fails; the others of the batch are checked
    // again in a new child. Where it died after every control was made (while they were shown), each library
    // of the batch is checked alone, so that the one at fault is found; alone, it fails.
    void blame(const Batch &batch, const QString &ended)
    {
        const bool everyRecordAnswered
            = std::all_of(batch.libraries.begin(), batch.libraries.end(), [&](std::size_t i) {
                  const std::vector<std::size_t> &records = plan_.recordsOf(i);
                  return std::all_of(records.begin(), records.end(),
                                     [&](std::size_t r) { return batch.said.outcomes.count(r) != 0; });
              });
        if (everyRecordAnswered) {
            checkEachAlone(batch, ended + QStringLiteral(" while its controls were shown"));
            return;
        }
        // A child that died before it began creating names no class of its libraries.
        const std::optional<std::size_t> culprit = libraryCreating(batch);
        if (!culprit) {
            checkEachAlone(batch, ended + QStringLiteral(" before creating any class"));
            return;
        }
        std::vector<std::size_t> again;
        for (std::size_t i : batch.libraries) {
            if (i == *culprit)
                fail(i,
                     QStringLiteral("%1 %2 while creating %3")
                         .arg(plan_.libraries()[i].moduleFile, ended,
                              plan_.classNameOf(*batch.said.creating)));
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
            fail(i, QStringLiteral("%1 %2").arg(plan_.libraries()[i].moduleFile, whatHappened));
            return;
        }
        for (std::size_t i : batch.libraries)
            queue_.push_back({ i });
    }

    // Every record of the library fails with the reason.
    void fail(std::size_t library, const QString &reason)
    {
        for (std::size_t r : plan_.recordsOf(library))
            outcome_.records[r] = failure(status::cannotCreateObject, reason);
    }

    // The outcomes the child gave for the library's records; one it did not give fails.
    void record(std::size_t library, const child::Said &said)
    {
        for (std::size_t r : plan_.recordsOf(library)) {
            const auto given = said.outcomes.find(r);
            outcome_.records[r] = given != said.outcomes.end()
                ? given->second
                : failure(status::cannotCreateObject,
                          QStringLiteral("the check of %1 said nothing of it")
                              .arg(plan_.libraries()[library].file));
        }
    }

    const CheckPlan &plan_;
    const ChildSettings &settings_;
    ChildrenOutcome outcome_;
    std::deque<std::vector<std::size_t>> queue_;
    std::vector<std::unique_ptr<Batch>> batches_;
    QEventLoop loop_;
    int running_ = 0;
};
} // namespace

ChildrenOutcome checkLibrariesInChildren(const CheckPlan &plan, const std::vector<std::size_t> &libraries,
                                         const ChildSettings &settings)
{
    if (libraries.empty())
        return { std::vector<std::optional<Outcome<>>>(plan.form().controls.size()), {} };
    return BatchRunner(plan, settings).run(libraries);
}

} // namespace qv::checker
