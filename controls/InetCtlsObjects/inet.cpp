#include "inet.h"

#include "controls/interface/checked_block.h"

#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace qv::inetctls
{

bool isTransferUrl(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QStringList schemes { QStringLiteral("ftp"), QStringLiteral("http"), QStringLiteral("https") };
    return url.isValid() && schemes.contains(url.scheme(), Qt::CaseInsensitive) && !url.host().isEmpty();
}

void InetControl::setUrl(const QString &text)
{
    url = text;
    if (text.isEmpty())
        return;
    const QUrl parts(text);
    const QString scheme = parts.scheme().toLower();
    protocol = scheme == QLatin1String("ftp") ? ftp : scheme == QLatin1String("https") ? https : http;
    remoteHost = parts.host();
    remotePort = parts.port(protocol == ftp ? 21 : protocol == https ? 443 : 80);
    userName = parts.userName();
    password = parts.password();
}

ControlLibrary::Creation createInet(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int protocol = state.integer(u"Protocol", 1, 0, 5);
    const int accessType = state.integer(u"AccessType", 0, 0, 2);
    const int requestTimeout = state.integer(u"RequestTimeout", 60, 0, maxRequestTimeout);
    const QString url = state.text(u"URL", {});
    if (protocol == retiredProtocol)
        state.refuse(QStringLiteral("Protocol is 3, the retired Gopher protocol"));
    if (!url.isEmpty() && !isTransferUrl(url))
        state.refuse(QStringLiteral("URL \"%1\" is not an ftp, http or https address").arg(url));
    if (!state.ok())
        return { nullptr, state.error() };

    auto *inet = new InetControl(&container);
    inet->protocol = protocol;
    inet->accessType = accessType;
    inet->requestTimeout = requestTimeout;
    inet->setUrl(url);
    return { inet, {} };
}

} // namespace qv::inetctls
