#include "inet.h"

#include "controls/interface/checked_block.h"

#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace qv::inetctls
{

namespace
{

// Protocol 3 was Gopher, which the control no longer offers.
constexpr int retiredProtocol = 3;

bool isTransferUrl(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QStringList schemes { QStringLiteral("ftp"), QStringLiteral("http"), QStringLiteral("https") };
    return url.isValid() && schemes.contains(url.scheme(), Qt::CaseInsensitive) && !url.host().isEmpty();
}

} // namespace

ControlLibrary::Creation createInet(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int protocol = state.integer(u"Protocol", 1, 0, 5);
    const int accessType = state.integer(u"AccessType", 0, 0, 2);
    const int requestTimeout = state.integer(u"RequestTimeout", 60, 0, 3600);
    const QString url = state.text(u"URL", {});
    if (protocol == retiredProtocol)
        state.refuse(QStringLiteral("Protocol is 3, the retired Gopher protocol"));
    if (!url.isEmpty() && !isTransferUrl(url))
        state.refuse(QStringLiteral("URL \"%1\" is not an ftp, http or https address").arg(url));
    if (!state.ok())
        return { nullptr, state.error() };

    auto *inet = new QObject(&container);
    inet->setProperty("Protocol", protocol);
    inet->setProperty("AccessType", accessType);
    inet->setProperty("RequestTimeout", requestTimeout);
    inet->setProperty("URL", url);
    return { inet, {} };
}

} // namespace qv::inetctls
