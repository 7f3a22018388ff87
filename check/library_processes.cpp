#include "library_processes.h"

#include "child_process.h"
#include "child_protocol.h"
#include "library_costs.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>
#include <unistd.h>

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

    ChildrenOutcome run(const std::vector<std::size_t> &libraries, const std::function<void()> &meanwhile,
                        std::vector<StartedChild> started)
    {
        const std::size_t children = childCount(libraries.size(), settings_.sideBySide);
        std::vector<std::size_t> notStarted = libraries;
        for (StartedChild &child : started) {
            for (const std::size_t library : child.libraries)
                std::erase(notStarted, library);
            adopt(std::move(child));
        }
        if (!notStarted.empty()) {
            for (std::vector<std::size_t> &share : sharesByCost(plan_, notStarted, children)) {
                if (!share.empty())
                    queue_.push_back(std::move(share));
            }
        }
        while (!queue_.empty() && running_ < static_cast<int>(children))
            startNext();
        if (meanwhile)
            meanwhile();
        if (running_ > 0)
            loop_.exec();
        return std::move(outcome_);
    }

private:
    Batch &newBatch(std::vector<std::size_t> libraries)
    {
        batches_.push_back(std::make_unique<Batch>());
        Batch &batch = *batches_.back();
        batch.libraries = std::move(libraries);
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
        ++running_;
        return batch;
    }

    void adopt(StartedChild child)
    {
        Batch &batch = newBatch(std::move(child.libraries));
        batch.process->adopt(child.process.pid, child.process.output);
        batch.deadline.start();
    }

    void startNext()
    {
        if (queue_.empty())
            return;
        Batch &batch = newBatch(std::move(queue_.front()));
        queue_.pop_front();
        QStringList arguments;
        for (std::size_t i : batch.libraries)
            arguments << QStringLiteral("--check-library=%1").arg(plan_.libraries()[i].file);
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
                         .arg(codeOf(i), ended, plan_.classNameOf(*batch.said.creating)));
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
            fail(i, QStringLiteral("%1 %2").arg(codeOf(i), whatHappened));
            return;
        }
        for (std::size_t i : batch.libraries)
            queue_.push_back({ i });
    }

    // Whose code was running: the library's module, or the forms runtime's own file for its classes.
    QString codeOf(std::size_t library) const
    {
        const installation::LibraryEntry &entry = plan_.libraries()[library];
        return entry.moduleFile.isEmpty() ? entry.file : entry.moduleFile;
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

std::size_t childCount(std::size_t libraries, int sideBySide)
{
    return std::clamp<std::size_t>(static_cast<std::size_t>(std::max(sideBySide, 1)), 1,
                                   std::max<std::size_t>(libraries, 1));
}

std::vector<std::vector<std::size_t>> sharesByCost(const CheckPlan &plan, std::vector<std::size_t> libraries,
                                                   std::size_t children)
{
    const auto cost = [&](std::size_t library) { return creationCost(plan.libraries()[library].file); };
    std::stable_sort(libraries.begin(), libraries.end(),
                     [&](std::size_t a, std::size_t b) { return cost(a) > cost(b); });
    std::vector<std::vector<std::size_t>> shares(children);
    std::vector<int> load(children, 0);
    for (const std::size_t library : libraries) {
        const std::size_t least = std::size_t(std::min_element(load.begin(), load.end()) - load.begin());
        shares[least].push_back(library);
        load[least] += cost(library);
    }
    for (std::vector<std::size_t> &share : shares)
        std::sort(share.begin(), share.end());
    return shares;
}

std::variant<std::vector<StartedChild>, std::vector<std::size_t>>
forkChildren(const CheckPlan &plan, const std::vector<std::size_t> &libraries, int sideBySide)
{
    std::vector<StartedChild> started;
    for (std::vector<std::size_t> &share :
         sharesByCost(plan, libraries, childCount(libraries.size(), sideBySide))) {
        if (share.empty())
            continue;
        const Outcome<ForkedChild> forked = forkChild();
        if (!forked)
            continue; // the share is started as the program run again, which says why if that fails too
        if (forked.value().pid == 0) {
            // This is the child: the pipes of the children forked before it are not its own.
            for (const StartedChild &earlier : started)
                ::close(earlier.process.output);
            return std::move(share);
        }
        started.push_back({ forked.value(), std::move(share) });
    }
    return started;
}

ChildrenOutcome checkLibrariesInChildren(const CheckPlan &plan, const std::vector<std::size_t> &libraries,
                                         const ChildSettings &settings,
                                         const std::function<void()> &meanwhile,
                                         std::vector<StartedChild> started)
{
    return BatchRunner(plan, settings).run(libraries, meanwhile, std::move(started));
}

} // namespace qv::checker
