#include "runtime/start/desktop_host.h"
#include "runtime/start/message_dialog.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace qv
{

namespace
{
// On a platform without a screen nobody can press the box's OK: the report on standard error is all there is,
// and the run ends at once instead of waiting for ever.
bool someoneCanAnswer()
{
    const QString platform = QGuiApplication::platformName();
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}
} // namespace

void DesktopHost::showErrorReport(const QString &title, const QString &text)
{
    // Standard error first, so the report survives even where no one can see the box.
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    std::fflush(stderr);
    if (someoneCanAnswer())
        QMessageBox::critical(nullptr, title, text);
}

std::optional<MessageAnswer> DesktopHost::askMessage(const MessageRequest &request)
{
    if (!someoneCanAnswer()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(request.title), qPrintable(request.prompt));
        std::fflush(stderr);
        return std::nullopt;
    }
    const std::unique_ptr<QMessageBox> box = makeMessageDialog(request);
    box->exec();
    return answerOf(*box);
}

void DesktopHost::endProcess(int exitStatus)
{
    std::fflush(nullptr);
    // At once: no destructor and no further event may run after the end of the run.
    std::_Exit(exitStatus);
}

} // namespace qv
