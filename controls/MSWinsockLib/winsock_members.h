#pragma once
// The Winsock control's own members: a TCP client or server over loopback and beyond, its addresses and
// ports, its state, the data that arrived, and its events.

#include "winsock.h"

#include <quorvane/member_object.h>

#include <limits>

namespace qv::mswinsock
{

// The events, apart from the members: Connect and Close name both an event and a method.
class WinsockEvents : public MemberObject
{
    Q_OBJECT
public:
    using MemberObject::MemberObject;

signals:
    // The connection this control asked for is made.
    void Connect();
    // A listening control was asked for a connection; Accept takes it.
    void ConnectionRequest(int requestID);
    void DataArrival(int bytesTotal);
    void SendProgress(int bytesSent, int bytesRemaining);
    void SendComplete();
    // The other side closed the connection.
    void Close();
    void Error(short Number, QString &Description, int Scode, const QString &Source, const QString &HelpFile,
               int HelpContext, bool &CancelDisplay);
};

class WinsockMembers final : public WinsockEvents
{
    Q_OBJECT
    Q_PROPERTY(ProtocolConstants Protocol READ protocol WRITE setProtocol STORED true)
    Q_PROPERTY(QString RemoteHost READ remoteHost WRITE setRemoteHost STORED true)
    Q_PROPERTY(int RemotePort READ remotePort WRITE setRemotePort STORED true)
    Q_PROPERTY(int LocalPort READ localPort WRITE setLocalPort STORED true)
    Q_PROPERTY(QString LocalIP READ localIP STORED false)
    Q_PROPERTY(QString LocalHostName READ localHostName STORED false)
    Q_PROPERTY(QString RemoteHostIP READ remoteHostIP STORED false)
    Q_PROPERTY(StateConstants State READ state STORED false)
    Q_PROPERTY(int BytesReceived READ bytesReceived STORED false)
public:
    enum ProtocolConstants { sckTCPProtocol = 0, sckUDPProtocol = 1 };
    Q_ENUM(ProtocolConstants)
    enum StateConstants {
        sckClosed = static_cast<int>(WinsockControl::State::closed),
        sckOpen = static_cast<int>(WinsockControl::State::open),
        sckListening = static_cast<int>(WinsockControl::State::listening),
        sckConnectionPending = static_cast<int>(WinsockControl::State::connectionPending),
        sckResolvingHost = static_cast<int>(WinsockControl::State::resolvingHost),
        sckHostResolved = static_cast<int>(WinsockControl::State::hostResolved),
        sckConnecting = static_cast<int>(WinsockControl::State::connecting),
        sckConnected = static_cast<int>(WinsockControl::State::connected),
        sckClosing = static_cast<int>(WinsockControl::State::closing),
        sckError = static_cast<int>(WinsockControl::State::error)
    };
    Q_ENUM(StateConstants)

    explicit WinsockMembers(WinsockControl &control);

    ProtocolConstants protocol() const;
    void setProtocol(ProtocolConstants protocol);
    QString remoteHost() const;
    void setRemoteHost(const QString &host);
    int remotePort() const;
    void setRemotePort(int port);
    int localPort() const;
    void setLocalPort(int port);
    QString localIP() const;
    QString localHostName() const;
    QString remoteHostIP() const;
    StateConstants state() const;
    int bytesReceived() const;

    // Connects to RemoteHost:RemotePort, or to the host and port given (which become RemoteHost and
    // RemotePort); the Connect event or the Error event says how it went.
    Q_INVOKABLE void Connect(const QString &RemoteHost = QString(), int RemotePort = keep);
    // Listens on LocalPort; 0 lets the system choose, and LocalPort then reads the port chosen.
    Q_INVOKABLE void Listen();
    // Takes the connection request of that id: this control stops listening and holds the connection, as
    // when a program closes its listening control and accepts on it.
    Q_INVOKABLE void Accept(int requestID);
    // Sends the text's characters as bytes, one a character (0 to 255).
    Q_INVOKABLE void SendData(const QString &Data);
    // What arrived, as text of one character a byte: GetData takes it, PeekData leaves it. The data is the
    // returned value: a program's variable cannot be passed to a method to be filled.
    Q_INVOKABLE QString GetData();
    Q_INVOKABLE QString PeekData();
    Q_INVOKABLE void Close();

private:
    // Whether the control's state allows the method; refuses naming the state when it does not.
    bool inState(std::initializer_list<StateConstants> allowed, Status status, const QString &what);
    bool refusedPort(int port, const char *property);
    bool refusedUdp();
    void raiseError(int number, const QString &description);

    WinsockControl &control_;
};

} // namespace qv::mswinsock
