// quorvane-check: the same check as Quorvane's "Test" button, without a display, for people who look after
// many machines. The report goes to standard output; the exit status says whether every class was created.

#include "check_options.h"
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

    // Offscreen wherever it runs, over ssh or from a fleet tool alike; the user's arguments are ours alone.
    std::array<char *, 3> qtArguments { argv[0], const_cast<char *>("-platform"),
                                        const_cast<char *>("offscreen") };
    int qtArgumentCount = static_cast<int>(qtArguments.size());
    QApplication application(qtArgumentCount, qtArguments.data());
    QCoreApplication::setApplicationName(QStringLiteral("quorvane-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));

    const CheckOptions options = qv::checker::parseCheckOptions(arguments);
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
    case CheckOptions::Action::CheckLibrary:
        return qv::checker::checkLibrariesAsChild(qv::form2Layout(), options.libraries);
    case CheckOptions::Action::Check:
        break;
    }

    const qv::checker::ChildSettings children { QCoreApplication::applicationFilePath(), options.timeLimit,
                                                std::clamp(QThread::idealThreadCount(), 1, 4) };
    const qv::checker::CheckReport report
        = qv::checker::checkInstallationIsolated(qv::form2Layout(), children);
    if (options.json)
        out << qv::checker::reportJson(report);
    else
        out << qv::checker::reportText(report);
    out.flush();
    return report.allCreated() ? 0 : 1;
}
