// quorvane-check: the same check as Quorvane's "Test" button, without a display, for people who look after
// many machines. The report goes to standard output; the exit status says whether every class was created.

#include "check_options.h"
#include "class_reference.h"
#include "installation_check.h"
#include "library_child.h"
#include "report_output.h"

#include "windows/showcase/form2_layout.h"

#include <quorvane/installation.h>

#include <QApplication>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace
{
// Running offscreen, Qt says that it has no display to raise a window on and no session runtime folder: true
// and harmless here, and noise in output an administrator pipes on. Everything else still reaches stderr.
void dropOffscreenNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))
        || message.startsWith(QLatin1String("This plugin does not support")))
        return;
    QTextStream(stderr) << qFormatLogMessage(type, context, message) << Qt::endl;
}
} // namespace

int main(int argc, char *argv[])
{
    using qv::checker::CheckOptions;

    qInstallMessageHandler(dropOffscreenNoise);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // The options are read before Qt starts: the check forks its children first of all, while this process
    // has made no Qt object and started no thread, so that they begin with every library already loaded.
    CheckOptions options = qv::checker::parseCheckOptions(arguments);
    const int sideBySide = std::clamp(QThread::idealThreadCount(), 1, 4);
    std::vector<qv::checker::StartedChild> started;
    std::optional<QStringList> forkedShare; // in a forked child: the library files it checks
    if (options.action == CheckOptions::Action::Check) {
        const qv::checker::CheckPlan plan(qv::form2Layout());
        auto forked = qv::checker::forkChildren(plan, qv::checker::librariesToCreate(plan), sideBySide);
        if (auto *share = std::get_if<std::vector<std::size_t>>(&forked)) {
            forkedShare.emplace();
            for (const std::size_t library : *share)
                *forkedShare << plan.libraries()[library].file;
        } else {
            started = std::get<std::vector<qv::checker::StartedChild>>(std::move(forked));
        }
    }

    // Only a child makes windows: offscreen wherever it runs, over ssh or from a fleet tool alike. The check
    // itself supervises and needs no more than Qt's core. The user's arguments are ours alone.
    const bool child = forkedShare || options.action == CheckOptions::Action::CheckLibrary;
    std::array<char *, 3> qtArguments { argv[0], const_cast<char *>("-platform"),
                                        const_cast<char *>("offscreen") };
    int qtArgumentCount = child ? static_cast<int>(qtArguments.size()) : 1;
    const std::unique_ptr<QCoreApplication> application = child
        ? std::make_unique<QApplication>(qtArgumentCount, qtArguments.data())
        : std::make_unique<QCoreApplication>(qtArgumentCount, qtArguments.data());
    QCoreApplication::setApplicationName(QStringLiteral("quorvane-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    if (forkedShare)
        return qv::checker::checkLibrariesAsChild(qv::form2Layout(), *forkedShare);
    if (options.action == CheckOptions::Action::Help)
        options = qv::checker::parseCheckOptions(arguments); // the help names the program as Qt knows it

    QTextStream out(stdout);
    switch (options.action) {
    case CheckOptions::Action::Help:
    case CheckOptions::Action::Version:
        out << options.text;
        return 0;
    case CheckOptions::Action::UsageError:
        QTextStream(stderr) << options.text;
        return 2;
    case CheckOptions::Action::ListLibraries:
        if (options.json)
            out << qv::checker::libraryListJson();
        else
            out << qv::checker::libraryListText();
        return 0;
    case CheckOptions::Action::Describe:
        return qv::checker::printClassReference(out, options);
    case CheckOptions::Action::CheckLibrary:
        return qv::checker::checkLibrariesAsChild(qv::form2Layout(), options.libraries);
    case CheckOptions::Action::Check:
        break;
    }

    const qv::checker::ChildSettings children { QCoreApplication::applicationFilePath(), options.timeLimit,
                                                sideBySide };
    const qv::checker::CheckReport report
        = qv::checker::checkInstallationIsolated(qv::form2Layout(), children, std::move(started));
    if (options.json)
        out << qv::checker::reportJson(report);
    else
        out << qv::checker::reportText(report);
    out.flush();
    return report.allCreated() ? 0 : 1;
}
