#include "mapisession.h"

#include "controls/interface/checked_block.h"

#include <QWidget>

namespace qv::msmapi
{

ControlLibrary::Creation createMAPISession(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const bool downloadMail = state.flag(u"DownloadMail", true);
    const bool logonUI = state.flag(u"LogonUI", true);
    const bool newSession = state.flag(u"NewSession", false);
    const QString userName = state.text(u"UserName", {});
    if (!state.ok())
        return { nullptr, state.error() };

    auto *session = new QObject(&container);
    session->setProperty("DownloadMail", downloadMail);
    session->setProperty("LogonUI", logonUI);
    session->setProperty("NewSession", newSession);
    session->setProperty("UserName", userName);
    return { session, {} };
}

} // namespace qv::msmapi
