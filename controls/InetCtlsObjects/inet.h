#pragma once
// The Internet transfer control: an invisible object holding the protocol, access type, time-out and
// address of its saved state, with the address's parts and the request it runs over HTTP or HTTPS.

#include <quorvane/control_library.h>

#include <QObject>
#include <QString>

namespace qv::inetctls
{

class InetControl final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Protocol MEMBER protocol)
    Q_PROPERTY(int AccessType MEMBER accessType)
    Q_PROPERTY(int RequestTimeout MEMBER requestTimeout)
    Q_PROPERTY(QString URL MEMBER url)
public:
    // Its values are the control's ProtocolConstants.
    enum Protocol { unknownProtocol = 0, defaultProtocol = 1, ftp = 2, http = 4, https = 5 };

    using QObject::QObject;

    // Takes an address and its parts: the protocol of its scheme, its host, port, user name and password.
    void setUrl(const QString &text);

    // The saved state, as the block gave it and the program changes it.
    int protocol = defaultProtocol;
    int accessType = 0;
    int requestTimeout = 60;
    QString url;
    // The parts of the address, which writing URL sets.
    QString remoteHost;
    int remotePort = 0;
    QString userName;
    QString password;
    QString document;
    QString proxy;
};

// The longest time-out, in seconds.
inline constexpr int maxRequestTimeout = 3600;
// Protocol 3 was Gopher, which the control no longer offers.
inline constexpr int retiredProtocol = 3;

// Whether the text is an ftp, http or https address with a host.
bool isTransferUrl(const QString &text);

// Saved state: "Protocol" (0 unknown, 1 default, 2 FTP, 4 HTTP, 5 HTTPS; 1 when absent), "AccessType"
// (0 the system's setting, 1 direct, 2 named proxy; 0 when absent), "RequestTimeout" (0 to 3600 seconds, 60
// when absent) and "URL" (an ftp, http or https address, none when absent or empty).
ControlLibrary::Creation createInet(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::inetctls
