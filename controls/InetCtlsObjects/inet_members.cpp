#include "inet_members.h"

#include <QNetworkProxyFactory>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QUrl>

namespace qv::inetctls
{

namespace
{

// "Still executing last request."
constexpr Status stillExecutingStatus = static_cast<Status>(0x800A0000u | 35764u);

bool isHost(const QString &host)
{
    QUrl url;
    url.setHost(host, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty();
}

QString schemeOf(int protocol)
{
    switch (protocol) {
    case InetControl::ftp:
        return QStringLiteral("ftp");
    case InetControl::https:
        return QStringLiteral("https");
    default:
        return QStringLiteral("http");
    }
}

} // namespace

InetMembers::InetMembers(InetControl &control)
    : control_(control)
{
    connect(&transfer_, &Transfer::stateChanged, this,
            [this](int state) { emit StateChanged(static_cast<short>(state)); });
}

void InetMembers::setRequestTimeout(int seconds)
{
    if (seconds < 0 || seconds > maxRequestTimeout)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("the time-out is 0 (none) to %1 seconds").arg(maxRequestTimeout));
    control_.requestTimeout = seconds;
}

void InetMembers::setUrl(const QString &url)
{
    if (!url.isEmpty() && !isTransferUrl(url))
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("it is not an ftp, http or https address"));
    control_.setUrl(url);
}

void InetMembers::setRemoteHost(const QString &host)
{
    if (!host.isEmpty() && !isHost(host))
        return refuse(status::invalidPropertyValue, QStringLiteral("it is not a host name or address"));
    control_.remoteHost = host;
}

void InetMembers::setRemotePort(int port)
{
    if (port < 0 || port > 65535)
        return refuse(status::invalidPropertyValue, QStringLiteral("the port is 0 to 65535"));
    control_.remotePort = port;
}

void InetMembers::setProxy(const QString &proxy)
{
    const QUrl asAddress(QStringLiteral("http://") + proxy, QUrl::StrictMode);
    if (!proxy.isEmpty()
        && (!asAddress.isValid() || asAddress.host().isEmpty() || !asAddress.path().isEmpty()))
        return refuse(status::invalidPropertyValue, QStringLiteral("the proxy is a host, or host:port"));
    control_.proxy = proxy;
}

bool InetMembers::refusedWhileExecuting()
{
    if (!transfer_.running())
        return false;
    refuse(stillExecutingStatus,
           QStringLiteral("the last request is still executing (StillExecuting is True)"));
    return true;
}

std::optional<QUrl> InetMembers::target(const QString &given)
{
    if (!given.isEmpty()) {
        if (!isTransferUrl(given)) {
            refuse(status::invalidProcedureCall,
                   QStringLiteral("\"%1\" is not an ftp, http or https address").arg(given));
            return std::nullopt;
        }
        control_.setUrl(given);
    }
    QUrl address(control_.url);
    if (control_.url.isEmpty()) {
        if (control_.remoteHost.isEmpty()) {
            refuse(status::invalidProcedureCall, QStringLiteral("no address: URL and RemoteHost are empty"));
            return std::nullopt;
        }
        address.setScheme(schemeOf(control_.protocol));
        address.setHost(control_.remoteHost);
        if (control_.remotePort != 0)
            address.setPort(control_.remotePort);
        address.setPath(QLatin1Char('/') + control_.document);
    }
    if (address.scheme().compare(QLatin1String("ftp"), Qt::CaseInsensitive) == 0) {
        refuse(status::invalidProcedureCall,
               QStringLiteral("%1: the control transfers over http and https only, not ftp")
                   .arg(address.toDisplayString()));
        return std::nullopt;
    }
    return address;
}

void InetMembers::start(const QUrl &address, const QByteArray &operation, const QByteArray &data,
                        const QString &headers)
{
    QNetworkRequest request(address);
    request.setTransferTimeout(control_.requestTimeout * 1000);
    if (!control_.userName.isEmpty())
        request.setRawHeader(
            "Authorization",
            "Basic " + (control_.userName + QLatin1Char(':') + control_.password).toUtf8().toBase64());
    for (const QString &line :
         headers.split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            request.setRawHeader(line.left(colon).trimmed().toLatin1(),
                                 line.mid(colon + 1).trimmed().toLatin1());
    }
    QNetworkProxy proxy(QNetworkProxy::NoProxy);
    if (control_.accessType == icUseDefault) {
        proxy = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(address)).value(0, proxy);
    } else if (control_.accessType == icNamedProxy) {
        const QUrl named(QStringLiteral("http://") + control_.proxy);
        proxy = QNetworkProxy(QNetworkProxy::HttpProxy, named.host(), static_cast<quint16>(named.port(80)));
    }
    transfer_.start(request, operation, data, proxy);
}

QString InetMembers::OpenURL(const QString &URL)
{
    if (refusedWhileExecuting())
        return {};
    const std::optional<QUrl> address = target(URL);
    if (!address)
        return {};
    if (control_.accessType == icNamedProxy && control_.proxy.isEmpty()) {
        refuse(status::invalidProcedureCall,
               QStringLiteral("AccessType is icNamedProxy, and Proxy names none"));
        return {};
    }
    start(*address, "GET", {}, {});
    const QString shown = address->toDisplayString();
    if (!transfer_.wait(control_.requestTimeout)) {
        transfer_.cancel();
        refuse(status::deviceUnavailable,
               QStringLiteral("%1 did not answer within RequestTimeout (%2 seconds)")
                   .arg(shown)
                   .arg(control_.requestTimeout));
        return {};
    }
    if (const std::optional<QString> &why = transfer_.unanswered()) {
        refuse(status::deviceUnavailable, QStringLiteral("%1 cannot be reached: %2").arg(shown, *why));
        return {};
    }
    return transfer_.body();
}

void InetMembers::Execute(const QString &URL, const QString &Operation, const QString &InputData,
                          const QString &InputHdrs)
{
    if (refusedWhileExecuting())
        return;
    const QString operation = Operation.isEmpty() ? QStringLiteral("GET") : Operation.toUpper();
    const QStringList offered { QStringLiteral("GET"), QStringLiteral("HEAD"), QStringLiteral("POST"),
                                QStringLiteral("PUT") };
    if (!offered.contains(operation))
        return refuse(
            status::invalidProcedureCall,
            QStringLiteral("the operation \"%1\" is none of GET, HEAD, POST and PUT").arg(Operation));
    const std::optional<QUrl> address = target(URL);
    if (!address)
        return;
    if (control_.accessType == icNamedProxy && control_.proxy.isEmpty())
        return refuse(status::invalidProcedureCall,
                      QStringLiteral("AccessType is icNamedProxy, and Proxy names none"));
    start(*address, operation.toLatin1(), InputData.toUtf8(), InputHdrs);
}

QString InetMembers::GetChunk(int Size)
{
    if (Size < 1) {
        refuse(status::invalidProcedureCall, QStringLiteral("the size is 1 or more"));
        return {};
    }
    return transfer_.takeChunk(Size);
}

QString InetMembers::GetHeader(const QString &HdrName)
{
    return transfer_.header(HdrName);
}

void InetMembers::Cancel()
{
    transfer_.cancel();
}

} // namespace qv::inetctls
