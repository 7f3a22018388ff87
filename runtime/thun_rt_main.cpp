#include "font_record.h"
#include "runtime.h"

#include <QApplication>
#include <QIcon>

namespace qv
{

void ThunRTMain(const ProjectRecord &project, const char *programPath)
{
    // The program reads no argument: Qt sees only the program's own path.
    int argc = 1;
    char *argv[] = { const_cast<char *>(programPath), nullptr };
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QString::fromLatin1(
        project.identity.title.data(), static_cast<qsizetype>(project.identity.title.size())));
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(
        project.identity.iconResource.data(), static_cast<qsizetype>(project.identity.iconResource.size()))));
    installFaceSubstitutions();

    DesktopHost host;
    Runtime runtime(host);
    runtime.start(project);
    const int exitStatus = QApplication::exec();
    host.endProcess(exitStatus);
}

} // namespace qv
