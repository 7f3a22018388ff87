#include "winsock_members.h"

#include <QHostInfo>
#include <QMetaEnum>
#include <QStringList>

namespace qv::mswinsock
{

namespace
{

// The control's own errors, as Winsock numbers them.
constexpr Status winsockStatus(unsigned number)
{
    return static_cast<Status>(0x800A0000u | number);
}
// "Wrong protocol or connection state for the requested transaction or request."
constexpr Status badState = winsockStatus(40006);
// "Invalid operation at current state."
constexpr Status invalidOperation = winsockStatus(40020);

// The state with its constant's name, as a program knows it.
QString stateName(WinsockMembers::StateConstants state)
{
    return QString::fromLatin1(QMetaEnum::fromType<WinsockMembers::StateConstants>().valueToKey(state));
}

} // namespace

WinsockMembers::WinsockMembers(WinsockControl &control)
    : control_(control)
{
    connect(&control, &WinsockControl::connected, this, &WinsockEvents::Connect);
    connect(&control, &WinsockControl::connectionRequested, this, &WinsockEvents::ConnectionRequest);
    connect(&control, &WinsockControl::dataArrived, this, &WinsockEvents::DataArrival);
    connect(&control, &WinsockControl::sent, this, [this](int bytesSent, int bytesRemaining) {
        emit SendProgress(bytesSent, bytesRemaining);
        if (bytesRemaining == 0)
            emit SendComplete();
    });
    connect(&control, &WinsockControl::closedByPeer, this, &WinsockEvents::Close);
    connect(&control, &WinsockControl::failed, this, &WinsockMembers::raiseError);
}

void WinsockMembers::raiseError(int number, const QString &description)
{
    QString said = description;
    bool cancelDisplay = false;
    emit Error(static_cast<short>(number), said,
               static_cast<int>(winsockStatus(static_cast<unsigned>(number))), QStringLiteral("Winsock"),
               QString(), 0, cancelDisplay);
}

bool WinsockMembers::inState(std::initializer_list<StateConstants> allowed, Status status,
                             const QString &what)
{
    const StateConstants now = state();
    if (std::find(allowed.begin(), allowed.end(), now) != allowed.end())
        return true;
    refuse(status, QStringLiteral("%1 (State is %2)").arg(what, stateName(now)));
    return false;
}

bool WinsockMembers::refusedPort(int port, const char *property)
{
    if (port >= 0 && port <= 65535)
        return false;
    refuse(status::invalidPropertyValue, QStringLiteral("%1 is 0 to 65535").arg(QLatin1String(property)));
    return true;
}

bool WinsockMembers::refusedUdp()
{
    if (control_.protocol != sckUDPProtocol)
        return false;
    refuse(status::invalidProcedureCall,
           QStringLiteral("the control offers TCP only (sckTCPProtocol), and Protocol is sckUDPProtocol"));
    return true;
}

WinsockMembers::ProtocolConstants WinsockMembers::protocol() const
{
    return static_cast<ProtocolConstants>(control_.protocol);
}

void WinsockMembers::setProtocol(ProtocolConstants protocol)
{
    if (inState({ sckClosed }, status::invalidPropertyValue,
                QStringLiteral("the protocol changes only while the socket is closed")))
        control_.protocol = protocol;
}

QString WinsockMembers::remoteHost() const
{
    return control_.remoteHost;
}

void WinsockMembers::setRemoteHost(const QString &host)
{
    if (!host.isEmpty() && !isHost(host))
        return refuse(status::invalidPropertyValue, QStringLiteral("it is not a host name or address"));
    control_.remoteHost = host;
}

int WinsockMembers::remotePort() const
{
    return control_.remotePort;
}

void WinsockMembers::setRemotePort(int port)
{
    if (!refusedPort(port, "RemotePort"))
        control_.remotePort = port;
}

int WinsockMembers::localPort() const
{
    return control_.boundPort();
}

void WinsockMembers::setLocalPort(int port)
{
    if (refusedPort(port, "LocalPort"))
        return;
    if (inState({ sckClosed }, status::invalidPropertyValue,
                QStringLiteral("the local port changes only while the socket is closed")))
        control_.localPort = port;
}

QString WinsockMembers::localIP() const
{
    return control_.localAddress();
}

QString WinsockMembers::localHostName() const
{
    return QHostInfo::localHostName();
}

QString WinsockMembers::remoteHostIP() const
{
    return control_.peerAddress();
}

WinsockMembers::StateConstants WinsockMembers::state() const
{
    return static_cast<StateConstants>(control_.state());
}

int WinsockMembers::bytesReceived() const
{
    return static_cast<int>(control_.received().size());
}

void WinsockMembers::Connect(const QString &RemoteHost, int RemotePort)
{
    if (refusedUdp()
        || !inState({ sckClosed }, invalidOperation,
                    QStringLiteral("the socket must be closed before it connects")))
        return;
    if (!RemoteHost.isEmpty() && !isHost(RemoteHost))
        return refuse(status::invalidProcedureCall,
                      QStringLiteral("\"%1\" is not a host name or address").arg(RemoteHost));
    if (RemotePort != keep && (RemotePort < 1 || RemotePort > 65535))
        return refuse(status::invalidProcedureCall,
                      QStringLiteral("the remote port %1 is not 1 to 65535").arg(RemotePort));
    const QString host = RemoteHost.isEmpty() ? control_.remoteHost : RemoteHost;
    const int port = RemotePort == keep ? control_.remotePort : RemotePort;
    if (host.isEmpty())
        return refuse(status::invalidProcedureCall, QStringLiteral("RemoteHost names no host to connect to"));
    if (port == 0)
        return refuse(status::invalidProcedureCall, QStringLiteral("RemotePort is 0: no port to connect to"));
    control_.remoteHost = host;
    control_.remotePort = port;
    control_.connectToRemote();
}

void WinsockMembers::Listen()
{
    if (refusedUdp()
        || !inState({ sckClosed }, invalidOperation,
                    QStringLiteral("the socket must be closed before it listens")))
        return;
    if (std::optional<Failure> why = control_.listen())
        refuse(*std::move(why));
}

void WinsockMembers::Accept(int requestID)
{
    if (!inState({ sckClosed, sckListening, sckConnectionPending }, invalidOperation,
                 QStringLiteral("the socket already holds a connection; Close it first")))
        return;
    if (!control_.isRequested(requestID))
        return refuse(status::invalidProcedureCall,
                      QStringLiteral("no connection request %1 waits (those waiting: %2)")
                          .arg(requestID)
                          .arg(control_.requestIds()));
    control_.accept(requestID);
}

void WinsockMembers::SendData(const QString &Data)
{
    if (!inState({ sckConnected }, badState, QStringLiteral("the socket is not connected")))
        return;
    for (const QChar c : Data) {
        if (c.unicode() > 0xFF)
            return refuse(status::invalidProcedureCall,
                          QStringLiteral("the character %1 (U+%2) is no byte: the data is sent a byte a "
                                         "character, 0 to 255")
                              .arg(c)
                              .arg(c.unicode(), 4, 16, QLatin1Char('0')));
    }
    control_.send(Data.toLatin1());
}

QString WinsockMembers::GetData()
{
    return QString::fromLatin1(control_.take());
}

QString WinsockMembers::PeekData()
{
    return QString::fromLatin1(control_.received());
}

void WinsockMembers::Close()
{
    control_.close();
}

} // namespace qv::mswinsock
