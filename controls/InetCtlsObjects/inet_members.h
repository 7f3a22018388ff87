#pragma once
// The Internet transfer control's own members: the address and its parts, how it is reached, and the
// request a program runs with OpenURL (waited for) or Execute (told of by StateChanged).

#include "inet.h"
#include "inet_transfer.h"

#include <quorvane/member_object.h>

namespace qv::inetctls
{

class InetMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(ProtocolConstants Protocol READ protocol WRITE setProtocol STORED true)
    Q_PROPERTY(AccessConstants AccessType READ accessType WRITE setAccessType STORED true)
    Q_PROPERTY(int RequestTimeout READ requestTimeout WRITE setRequestTimeout STORED true)
    // Stored, but a settings block's URL must be an address, which no generic value is.
    Q_PROPERTY(QString URL READ url WRITE setUrl STORED false)
    Q_PROPERTY(QString RemoteHost READ remoteHost WRITE setRemoteHost STORED false)
    Q_PROPERTY(int RemotePort READ remotePort WRITE setRemotePort STORED false)
    Q_PROPERTY(QString UserName READ userName WRITE setUserName STORED false)
    Q_PROPERTY(QString Password READ password WRITE setPassword STORED false)
    Q_PROPERTY(QString Document READ document WRITE setDocument STORED false)
    Q_PROPERTY(QString Proxy READ proxy WRITE setProxy STORED false)
    Q_PROPERTY(bool StillExecuting READ stillExecuting STORED false)
    Q_PROPERTY(int ResponseCode READ responseCode STORED false)
    Q_PROPERTY(QString ResponseInfo READ responseInfo STORED false)
public:
    enum ProtocolConstants {
        icUnknown = InetControl::unknownProtocol,
        icDefault = InetControl::defaultProtocol,
        icFTP = InetControl::ftp,
        icHTTP = InetControl::http,
        icHTTPS = InetControl::https
    };
    Q_ENUM(ProtocolConstants)
    enum AccessConstants { icUseDefault = 0, icDirect = 1, icNamedProxy = 2 };
    Q_ENUM(AccessConstants)

    explicit InetMembers(InetControl &control);

    ProtocolConstants protocol() const { return static_cast<ProtocolConstants>(control_.protocol); }
    void setProtocol(ProtocolConstants protocol) { control_.protocol = protocol; }
    AccessConstants accessType() const { return static_cast<AccessConstants>(control_.accessType); }
    void setAccessType(AccessConstants type) { control_.accessType = type; }
    int requestTimeout() const { return control_.requestTimeout; }
    void setRequestTimeout(int seconds);
    QString url() const { return control_.url; }
    void setUrl(const QString &url);
    QString remoteHost() const { return control_.remoteHost; }
    void setRemoteHost(const QString &host);
    int remotePort() const { return control_.remotePort; }
    void setRemotePort(int port);
    QString userName() const { return control_.userName; }
    void setUserName(const QString &name) { control_.userName = name; }
    QString password() const { return control_.password; }
    void setPassword(const QString &password) { control_.password = password; }
    QString document() const { return control_.document; }
    void setDocument(const QString &document) { control_.document = document; }
    QString proxy() const { return control_.proxy; }
    void setProxy(const QString &proxy);
    bool stillExecuting() const { return transfer_.running(); }
    int responseCode() const { return transfer_.responseCode(); }
    QString responseInfo() const { return transfer_.responseInfo(); }

    // Fetches the address (URL when none is given, which the one given becomes) and returns its body,
    // waiting up to RequestTimeout seconds.
    Q_INVOKABLE QString OpenURL(const QString &URL = QString());
    // Starts an HTTP request (GET when no operation is given); StateChanged tells how it goes, GetChunk
    // and GetHeader read its response.
    Q_INVOKABLE void Execute(const QString &URL = QString(), const QString &Operation = QString(),
                             const QString &InputData = QString(), const QString &InputHdrs = QString());
    Q_INVOKABLE QString GetChunk(int Size);
    Q_INVOKABLE QString GetHeader(const QString &HdrName = QString());
    Q_INVOKABLE void Cancel();

signals:
    void StateChanged(short State);

private:
    // The address a request goes to, from the one given or the control's own; or nothing, refused.
    std::optional<QUrl> target(const QString &given);
    bool refusedWhileExecuting();
    void start(const QUrl &address, const QByteArray &operation, const QByteArray &data,
               const QString &headers);

    InetControl &control_;
    Transfer transfer_;
};

} // namespace qv::inetctls
