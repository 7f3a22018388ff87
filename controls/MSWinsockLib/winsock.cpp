#include "winsock.h"

#include "controls/interface/checked_block.h"

#include <QUrl>
#include <QWidget>

namespace qv::mswinsock
{

bool isHost(const QString &host)
{
    QUrl url;
    url.setHost(host, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty();
}

ControlLibrary::Creation createWinsock(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int protocol = state.integer(u"Protocol", 0, 0, 1);
    const QString remoteHost = state.text(u"RemoteHost", {});
    const int remotePort = state.integer(u"RemotePort", 0, 0, 65535);
    const int localPort = state.integer(u"LocalPort", 0, 0, 65535);
    if (!remoteHost.isEmpty() && !isHost(remoteHost))
        state.refuse(QStringLiteral("RemoteHost \"%1\" is not a host name or address").arg(remoteHost));
    if (!state.ok())
        return { nullptr, state.error() };

    auto *winsock = new WinsockControl(&container);
    winsock->protocol = protocol;
    winsock->remoteHost = remoteHost;
    winsock->remotePort = remotePort;
    winsock->localPort = localPort;
    return { winsock, {} };
}

} // namespace qv::mswinsock
