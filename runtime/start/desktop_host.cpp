#include "runtime/start/desktop_host.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace qv
{

void DesktopHost::showErrorReport(const QString &title, const QString &text)
{
    // Standard error first, so the report survives even where no one can see the box.
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    std::fflush(stderr);
    QMessageBox::critical(nullptr, title, text);
}

void DesktopHost::endProcess(int exitStatus)
{
    std::fflush(nullptr);
    // At once: no destructor and no further event may run after the end of the run.
    std::_Exit(exitStatus);
}

} // namespace qv
