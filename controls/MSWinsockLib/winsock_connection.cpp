// The Winsock control's TCP connection: one connected socket, or a listening one with the connection
// requests it announced.

#include "winsock.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

namespace qv::mswinsock
{

namespace
{

// The Winsock error number a program knows for a socket's error.
int winsockNumber(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return 10061; // sckConnectionRefused
    case QAbstractSocket::RemoteHostClosedError:
        return 10054; // sckConnectionReset
    case QAbstractSocket::HostNotFoundError:
        return 11001; // sckHostNotFound
    case QAbstractSocket::SocketAccessError:
        return 10013; // sckAccessDenied
    case QAbstractSocket::SocketResourceError:
        return 10055; // sckNoBufferSpace
    case QAbstractSocket::SocketTimeoutError:
        return 10060; // sckTimedout
    case QAbstractSocket::NetworkError:
        return 10051; // sckNetworkUnreachable
    case QAbstractSocket::AddressInUseError:
        return 10048; // sckAddressInUse
    case QAbstractSocket::SocketAddressNotAvailableError:
        return 10049; // sckAddressNotAvailable
    default:
        return 10053; // sckConnectAborted
    }
}

// An address as a person reads it: an IPv4 one reached over IPv6 in its IPv4 form.
QString addressText(const QHostAddress &address)
{
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4).toString() : address.toString();
}

} // namespace

void WinsockControl::connectToRemote()
{
    dropRequests();
    auto *socket = new QTcpSocket(this);
    adopt(socket);
    connect(socket, &QTcpSocket::hostFound, this, [this] { state_ = State::connecting; });
    connect(socket, &QTcpSocket::connected, this, [this] {
        state_ = State::connected;
        emit connected();
    });
    if (localPort != 0)
        socket->bind(QHostAddress::Any, static_cast<quint16>(localPort));
    state_ = QHostAddress(remoteHost).isNull() ? State::resolvingHost : State::connecting;
    socket->connectToHost(remoteHost, static_cast<quint16>(remotePort));
}

std::optional<Failure> WinsockControl::listen()
{
    dropRequests();
    auto *server = new QTcpServer(this);
    if (!server->listen(QHostAddress::Any, static_cast<quint16>(localPort))) {
        const int number = winsockNumber(server->serverError());
        const QString why = server->errorString();
        delete server;
        return failure(static_cast<Status>(0x800A0000u | static_cast<unsigned>(number)),
                       QStringLiteral("LocalPort %1 cannot be listened on: %2").arg(localPort).arg(why));
    }
    server_ = server;
    connect(server, &QTcpServer::newConnection, this, &WinsockControl::takeRequests);
    state_ = State::listening;
    return std::nullopt;
}

void WinsockControl::takeRequests()
{
    while (server_ && server_->hasPendingConnections()) {
        QTcpSocket *request = server_->nextPendingConnection();
        request->setParent(this);
        const int id = static_cast<int>(request->socketDescriptor());
        requests_[id] = request;
        state_ = State::connectionPending;
        emit connectionRequested(id);
    }
}

QString WinsockControl::requestIds() const
{
    QStringList ids;
    for (const auto &[id, request] : requests_)
        ids << QString::number(id);
    return ids.isEmpty() ? QStringLiteral("none") : ids.join(QStringLiteral(", "));
}

void WinsockControl::accept(int requestId)
{
    const auto request = requests_.find(requestId);
    QTcpSocket *socket = request->second;
    requests_.erase(request);
    close();
    adopt(socket);
    state_ = socket->state() == QAbstractSocket::ConnectedState ? State::connected : State::closing;
    // What arrived before the program accepted is the connection's first data.
    QMetaObject::invokeMethod(
        this,
        [this, socket] {
            if (socket != socket_)
                return;
            if (socket->bytesAvailable() > 0)
                emit socket->readyRead();
            if (state_ == State::closing)
                emit closedByPeer();
        },
        Qt::QueuedConnection);
}

void WinsockControl::adopt(QTcpSocket *socket)
{
    socket_ = socket;
    received_.clear();
    unsent_ = 0;
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket != socket_ || socket->bytesAvailable() == 0)
            return;
        received_ += socket->readAll();
        emit dataArrived(static_cast<int>(received_.size()));
    });
    connect(socket, &QTcpSocket::bytesWritten, this, [this, socket](qint64 bytes) {
        if (socket != socket_)
            return;
        unsent_ -= bytes;
        emit sent(static_cast<int>(bytes), static_cast<int>(unsent_));
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket != socket_ || state_ != State::connected)
            return;
        state_ = State::closing;
        emit closedByPeer();
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        // The peer closing is the Close event, not an error.
        if (socket != socket_ || error == QAbstractSocket::RemoteHostClosedError)
            return;
        fail(winsockNumber(error), socket->errorString());
    });
}

void WinsockControl::send(const QByteArray &data)
{
    unsent_ += data.size();
    socket_->write(data);
}

QByteArray WinsockControl::take()
{
    return std::exchange(received_, {});
}

void WinsockControl::fail(int number, const QString &description)
{
    state_ = State::error;
    emit failed(number, description);
}

void WinsockControl::close()
{
    if (server_) {
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
    }
    if (socket_) {
        QTcpSocket *socket = std::exchange(socket_, nullptr);
        socket->disconnect(this);
        // What was sent is still written before the connection closes.
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState)
            socket->deleteLater();
    }
    state_ = State::closed;
}

void WinsockControl::dropRequests()
{
    for (const auto &[id, request] : requests_) {
        request->abort();
        request->deleteLater();
    }
    requests_.clear();
}

int WinsockControl::boundPort() const
{
    if (server_)
        return server_->serverPort();
    if (socket_ && socket_->localPort() != 0)
        return socket_->localPort();
    return localPort;
}

QString WinsockControl::localAddress() const
{
    if (socket_ && !socket_->localAddress().isNull())
        return addressText(socket_->localAddress());
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString();
    }
    return QHostAddress(QHostAddress::LocalHost).toString();
}

QString WinsockControl::peerAddress() const
{
    return socket_ ? addressText(socket_->peerAddress()) : QString();
}

} // namespace qv::mswinsock
