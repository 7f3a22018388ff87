#include "runtime/core/fonts.h"
#include "runtime/start/desktop_host.h"
#include "runtime/start/program_icon.h"
#include "runtime/start/standard_runtime.h"
#include <quorvane/font_record.h>
#include <quorvane/form_description.h>
#include <quorvane/program.h>

#include <QApplication>

namespace qv
{

void ThunRTMain(const ProjectRecord &project, const char *programPath)
{
    // The program reads no argument: Qt sees only the program's own path.
    int argc = 1;
    char *argv[] = { const_cast<char *>(programPath), nullptr };
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(storedText(project.identity.title));
    QApplication::setWindowIcon(programIcon(storedText(project.identity.iconResource)));
    installFaceSubstitutions();

    DesktopHost host;
    StandardRuntime runtime(host);
    runtime.start(project);
    runtime.readModulesWhenIdle();
    const int exitStatus = QApplication::exec();
    host.endProcess(exitStatus);
}

} // namespace qv
