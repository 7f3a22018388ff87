// Drives the real windows offscreen through one round trip and saves each window as a PNG:
//   grab_windows OUTPUT_DIR
// main-start.png, showcase.png, main-after-close-form.png, main-after-close-box.png.

#include "app/project_identity.h"
#include "runtime/core/control_private.h"
#include "runtime/core/fonts.h"
#include "runtime/core/form_private.h"
#include "runtime/start/standard_runtime.h"
#include "support/recording_host.h"
#include "windows/main/form1.h"
#include "windows/program_state.h"
#include "windows/showcase/form2.h"
#include <quorvane/font_record.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

namespace
{

bool save(QWidget *window, const QDir &dir, const char *name)
{
    const QString path = dir.filePath(QLatin1String(name));
    if (!window || !window->grab().save(path)) {
        std::fprintf(stderr, "grab_windows: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void click(const qv::Form &form, std::string_view name)
{
    qobject_cast<QAbstractButton *>(widgetOf(*findControl(form, name)))->click();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: grab_windows OUTPUT_DIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qv::installFaceSubstitutions();
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());

    qv::test::RecordingHost host;
    qv::StandardRuntime runtime(host);
    qv::ProgramState state;
    const qv::ProjectRecord project { qv::quorvaneIdentity, qv::form1Class(state), state.form1 };
    runtime.start(project);
    auto &form1 = state.form1.as<qv::Form1>();

    bool ok = save(windowOf(form1), dir, "main-start.png");
    QTimer::singleShot(0, [&] {
        ok = save(windowOf(*state.form2), dir, "showcase.png") && ok;
        click(*state.form2, "Command2");
    });
    click(form1, "Command1");
    ok = save(windowOf(form1), dir, "main-after-close-form.png") && ok;

    // A fresh run for the close-box ending.
    qv::test::RecordingHost host2;
    qv::StandardRuntime runtime2(host2);
    qv::ProgramState state2;
    const qv::ProjectRecord project2 { qv::quorvaneIdentity, qv::form1Class(state2), state2.form1 };
    runtime2.start(project2);
    QTimer::singleShot(0, [&] { windowOf(*state2.form2)->close(); });
    click(state2.form1.as<qv::Form1>(), "Command1");
    ok = save(windowOf(*state2.form1), dir, "main-after-close-box.png") && ok;
    // A window that did not come up leaves the runtime's report: say what it was.
    for (const auto *recorded : { &host, &host2 }) {
        for (const auto &report : recorded->reports)
            std::fprintf(stderr, "grab_windows: the program reported:\n%s\n", qPrintable(report.text));
    }
    return ok && host.reports.empty() && host2.reports.empty() ? 0 : 1;
}
