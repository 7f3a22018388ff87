#pragma once
// The Winsock control: an invisible object holding the protocol, host and ports of its saved state, and the
// TCP connection or listening socket a program opens with them.

#include <quorvane/control_library.h>
#include <quorvane/outcome.h>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <map>
#include <optional>

class QTcpServer;
class QTcpSocket;

namespace qv::mswinsock
{

class WinsockControl final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Protocol MEMBER protocol)
    Q_PROPERTY(QString RemoteHost MEMBER remoteHost)
    Q_PROPERTY(int RemotePort MEMBER remotePort)
    Q_PROPERTY(int LocalPort MEMBER localPort)
public:
    // Its values are the control's StateConstants.
    enum class State {
        closed = 0,
        open,
        listening,
        connectionPending,
        resolvingHost,
        hostResolved,
        connecting,
        connected,
        closing,
        error
    };

    using QObject::QObject;

    // The saved state, as the block gave it and the program changes it: 0 TCP, 1 UDP.
    int protocol = 0;
    QString remoteHost;
    int remotePort = 0;
    int localPort = 0;

    State state() const { return state_; }
    // Starts connecting to RemoteHost:RemotePort; the outcome arrives as connected() or failed().
    void connectToRemote();
    // Listens on LocalPort (0: a port the system chooses), or says why it cannot.
    std::optional<Failure> listen();
    // Whether a connection request of that id waits to be accepted; the ids of those that wait.
    bool isRequested(int requestId) const { return requests_.count(requestId) != 0; }
    QString requestIds() const;
    // Takes the waiting connection as this control's own, leaving any other waiting and listening behind.
    void accept(int requestId);
    void send(const QByteArray &data);
    QByteArray take();
    const QByteArray &received() const { return received_; }
    // Closes the connection and stops listening; requests already announced stay acceptable.
    void close();

    // The port bound locally: the listening or connected one, else LocalPort.
    int boundPort() const;
    QString localAddress() const;
    QString peerAddress() const;

signals:
    void connected();
    void connectionRequested(int requestId);
    void dataArrived(int bytesTotal);
    void sent(int bytesSent, int bytesRemaining);
    void closedByPeer();
    // A Winsock error number and the system's words for it.
    void failed(int number, const QString &description);

private:
    void adopt(QTcpSocket *socket);
    void takeRequests();
    void fail(int number, const QString &description);
    void dropRequests();

    State state_ = State::closed;
    QTcpServer *server_ = nullptr;
    QTcpSocket *socket_ = nullptr;
    std::map<int, QTcpSocket *> requests_;
    QByteArray received_;
    qint64 unsent_ = 0;
};

// Saved state: "Protocol" (0 TCP, 1 UDP; 0 when absent), "RemoteHost" (a host name or address, none when
// absent or empty), "RemotePort" and "LocalPort" (0 to 65535, 0 when absent).
ControlLibrary::Creation createWinsock(std::span<const std::byte> settings, QWidget &container);

// Whether the text names a host: a host name or an address.
bool isHost(const QString &host);

} // namespace qv::mswinsock
