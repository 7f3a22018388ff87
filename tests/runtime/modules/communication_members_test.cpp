// The communication controls through the runtime, as a program drives them by name: a Winsock server and
// client talking over loopback, the Internet transfer control fetching from a server in the test, the serial
// control on a missing port and over a pseudo-terminal, and the mail controls on a machine without mail.

#include "support/library_members_fixture.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qv::test
{
namespace
{

// The Winsock control's errors a program sees, by their Winsock numbers.
constexpr Status sckBadState = static_cast<Status>(0x800A0000u | 40006u);
constexpr Status sckInvalidOp = static_cast<Status>(0x800A0000u | 40020u);

constexpr std::int32_t sckListening = 2;
constexpr std::int32_t sckConnected = 7;
constexpr std::int32_t sckClosing = 8;
constexpr std::int32_t sckError = 9;

Variant str(const char *s)
{
    return Variant(QString::fromUtf8(s));
}

Variant number(std::int32_t n)
{
    return Variant(n);
}

Variant read(Control &control, std::string_view property)
{
    Variant value;
    EXPECT_EQ(control.get(property, value), status::ok) << property;
    return value;
}

Variant called(Control &control, std::string_view method, std::initializer_list<Variant> arguments = {})
{
    Variant result;
    EXPECT_EQ(control.call(method, std::span<const Variant>(arguments.begin(), arguments.size()), result),
              status::ok)
        << method;
    return result;
}

// A TCP socket of the test's own on loopback, closed when it goes: the other end of the controls'
// connections, made with the system's calls so that the test shares no code with the controls it checks.
class LoopbackSocket : public QObject
{
public:
    explicit LoopbackSocket(QObject *parent = nullptr)
        : QObject(parent)
        , fd_(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0))
    {
        EXPECT_GE(fd_, 0);
    }
    ~LoopbackSocket() override { ::close(fd_); }

    // Binds to a port the system chooses and returns it.
    int bindAnyPort()
    {
        sockaddr_in address = loopback(0);
        EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        socklen_t size = sizeof address;
        EXPECT_EQ(::getsockname(fd_, reinterpret_cast<sockaddr *>(&address), &size), 0);
        return ntohs(address.sin_port);
    }
    void connectTo(int port)
    {
        sockaddr_in address = loopback(port);
        const int started = ::connect(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address);
        EXPECT_TRUE(started == 0 || errno == EINPROGRESS) << std::strerror(errno);
    }
    int fd() const { return fd_; }

private:
    static sockaddr_in loopback(int port)
    {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    int fd_;
};

// A loopback port nothing listens on: one the system chose, let go again.
int closedPort()
{
    return LoopbackSocket().bindAnyPort();
}

// A loopback server that accepts connections and leaves them open while it lives.
class LoopbackListener : public LoopbackSocket
{
public:
    explicit LoopbackListener(QObject *parent = nullptr)
        : LoopbackSocket(parent)
        , port(bindAnyPort())
    {
        EXPECT_EQ(::listen(fd(), 4), 0);
        auto *incoming = new QSocketNotifier(fd(), QSocketNotifier::Read, this);
        connect(incoming, &QSocketNotifier::activated, this, [this] {
            const int client = ::accept4(fd(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (client >= 0)
                accepted(client);
        });
    }
    ~LoopbackListener() override
    {
        for (const int client : clients_)
            ::close(client);
    }

    const int port;

protected:
    virtual void accepted(int client) { clients_.push_back(client); }

private:
    std::vector<int> clients_;
};

// An HTTP server on loopback that answers each request with one text, and keeps the requests' heads.
class LoopbackHttpServer : public LoopbackListener
{
public:
    explicit LoopbackHttpServer(QByteArray body)
        : body_(std::move(body))
    {
    }

    QString url(const char *path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(QLatin1String(path));
    }

    QByteArrayList heads;

protected:
    void accepted(int client) override
    {
        auto *readable = new QSocketNotifier(client, QSocketNotifier::Read, this);
        connect(readable, &QSocketNotifier::activated, this, [this, client, readable] {
            char chunk[4096];
            const ssize_t n = ::read(client, chunk, sizeof chunk);
            if (n > 0)
                request_.append(chunk, n);
            const qsizetype end = request_.indexOf("\r\n\r\n");
            if (n > 0 && end < 0)
                return;
            readable->setEnabled(false);
            readable->deleteLater();
            if (end >= 0) {
                heads << request_.left(end);
                const QByteArray response
                    = "HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: "
                    + QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_;
                EXPECT_EQ(
                    ::send(client, response.constData(), static_cast<size_t>(response.size()), MSG_NOSIGNAL),
                    response.size());
            }
            request_.clear();
            ::close(client);
        });
    }

private:
    QByteArray body_;
    QByteArray request_;
};

// Listens on a port the system chooses and reads it back.
int listenOnAnyPort(Control &server)
{
    EXPECT_EQ(server.put("LocalPort", number(0)), status::ok);
    called(server, "Listen");
    return read(server, "LocalPort").toLong().value_or(0);
}

// Points the serial control's ports at a folder of the test's own while it lives.
class SerialDeviceFolder
{
public:
    SerialDeviceFolder() { qputenv("QUORVANE_SERIAL_DEVICES", dir.path().toLocal8Bit()); }
    ~SerialDeviceFolder() { qunsetenv("QUORVANE_SERIAL_DEVICES"); }
    SerialDeviceFolder(const SerialDeviceFolder &) = delete;
    SerialDeviceFolder &operator=(const SerialDeviceFolder &) = delete;

    QString device(int port) const { return dir.filePath(QStringLiteral("ttyS%1").arg(port - 1)); }

    QTemporaryDir dir;
};

// A pseudo-terminal whose other end stands as COM1: what the control sends is read here, and what is
// written here arrives at the control.
class PseudoTerminalPort : public QObject
{
public:
    explicit PseudoTerminalPort(QObject *parent = nullptr)
        : QObject(parent)
        , master_(::posix_openpt(O_RDWR | O_NOCTTY))
    {
        EXPECT_GE(master_, 0);
        EXPECT_EQ(::grantpt(master_), 0);
        EXPECT_EQ(::unlockpt(master_), 0);
        const char *port = ::ptsname(master_);
        EXPECT_TRUE(QFile::link(QString::fromLocal8Bit(port), devices_.device(1)));
    }
    ~PseudoTerminalPort() override { ::close(master_); }

    void send(const QByteArray &data) const
    {
        EXPECT_EQ(::write(master_, data.constData(), static_cast<size_t>(data.size())), data.size());
    }

    // What the control sent, waited for until `size` bytes came.
    QByteArray receive(qsizetype size) const
    {
        QByteArray got;
        const int flags = ::fcntl(master_, F_GETFL);
        ::fcntl(master_, F_SETFL, flags | O_NONBLOCK);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                char chunk[256];
                const ssize_t n = ::read(master_, chunk, sizeof chunk);
                if (n > 0)
                    got.append(chunk, n);
                return got.size() >= size;
            },
            5000))
            << "the control sent " << got.size() << " bytes";
        return got;
    }

private:
    int master_;
    SerialDeviceFolder devices_;
};

class CommunicationMembers : public LibraryMembers
{
protected:
    // A form with controls of the class, each named, unshown so that handlers can be bound first.
    Form &unshown(std::string_view progId, std::initializer_list<std::string_view> names)
    {
        const manifest::ClassRecord &c = *manifest::findClass(progId);
        TestLayout &layout = layouts.emplace_back();
        for (const std::string_view name : names)
            layout.add(name, c.progId, 120, 120, 2000, 1200, defaultBlock(c, 2000, 1200));
        return *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
    }
};

INSTANTIATE_TEST_SUITE_P(
    Communication, LibraryEvents,
    ::testing::Values(EventCase { "WinsockConnectionRequestFromAClient", "MSWinsockLib.Winsock",
                                  "ConnectionRequest",
                                  [](Control &c, QWidget *) {
                                      const int port = listenOnAnyPort(c);
                                      (new LoopbackSocket(objectOf(c)))->connectTo(port);
                                  } },
                      EventCase { "WinsockConnectToAListeningPort", "MSWinsockLib.Winsock", "Connect",
                                  [](Control &c, QWidget *) {
                                      const auto *server = new LoopbackListener(objectOf(c));
                                      called(c, "Connect", { str("127.0.0.1"), number(server->port) });
                                  } },
                      EventCase { "WinsockErrorWhenRefused", "MSWinsockLib.Winsock", "Error",
                                  [](Control &c, QWidget *) {
                                      called(c, "Connect", { str("127.0.0.1"), number(closedPort()) });
                                  } },
                      EventCase { "InetStateChangedByOpenURL", "InetCtlsObjects.Inet", "StateChanged",
                                  [](Control &c, QWidget *) {
                                      LoopbackHttpServer server("fetched");
                                      called(c, "OpenURL", { Variant(server.url("/")) });
                                  } },
                      EventCase { "MSCommOnCommWhenDataArrives", "MSCommLib.MSComm", "OnComm",
                                  [](Control &c, QWidget *) {
                                      auto *port = new PseudoTerminalPort(objectOf(c));
                                      ASSERT_EQ(c.put("RThreshold", number(1)), status::ok);
                                      ASSERT_EQ(c.put("PortOpen", Variant(true)), status::ok);
                                      port->send("x");
                                  } }),
    [](const auto &row) { return rowName(row); });

INSTANTIATE_TEST_SUITE_P(
    Communication, LibraryRefusals,
    ::testing::Values(
        Refusal { "WinsockSendDataWhileClosed", "MSWinsockLib.Winsock",
                  [](Control &c) { return c.call("SendData", { str("hello") }); }, sckBadState,
                  "SendData: the socket is not connected (State is sckClosed)" },
        Refusal { "WinsockListenWhileListening", "MSWinsockLib.Winsock",
                  [](Control &c) {
                      listenOnAnyPort(c);
                      return c.call("Listen");
                  },
                  sckInvalidOp,
                  "Listen: the socket must be closed before it listens (State is sckListening)" },
        Refusal { "WinsockAcceptNoRequest", "MSWinsockLib.Winsock",
                  [](Control &c) { return c.call("Accept", { number(5) }); }, status::invalidProcedureCall,
                  "Accept: no connection request 5 waits (those waiting: none)" },
        Refusal { "WinsockConnectWithoutAHost", "MSWinsockLib.Winsock",
                  [](Control &c) { return c.call("Connect"); }, status::invalidProcedureCall,
                  "RemoteHost names no host to connect to" },
        Refusal { "WinsockOverUdp", "MSWinsockLib.Winsock",
                  [](Control &c) {
                      EXPECT_EQ(c.put("Protocol", number(1)), status::ok);
                      return c.call("Listen");
                  },
                  status::invalidProcedureCall,
                  "offers TCP only (sckTCPProtocol), and Protocol is sckUDPProtocol" },
        Refusal { "WinsockRemotePortBeyondAPort", "MSWinsockLib.Winsock",
                  [](Control &c) { return c.put("RemotePort", number(65536)); }, status::invalidPropertyValue,
                  "RemotePort = 65536: RemotePort is 0 to 65535" },
        Refusal { "WinsockCharacterBeyondAByte", "MSWinsockLib.Winsock",
                  [](Control &c) {
                      const auto *server = new LoopbackListener(objectOf(c));
                      called(c, "Connect", { str("127.0.0.1"), number(server->port) });
                      EXPECT_TRUE(
                          QTest::qWaitFor([&] { return read(c, "State") == Variant(sckConnected); }, 5000));
                      return c.call("SendData", { Variant(QStringLiteral("\u20ac")) });
                  },
                  status::invalidProcedureCall, "the character \u20ac (U+20ac) is no byte" },
        Refusal { "InetUnreachableUrl", "InetCtlsObjects.Inet",
                  [](Control &c) {
                      return c.call("OpenURL",
                                    { Variant(QStringLiteral("http://127.0.0.1:%1/").arg(closedPort())) });
                  },
                  status::deviceUnavailable, "/ cannot be reached: Connection refused" },
        Refusal { "InetFtp", "InetCtlsObjects.Inet",
                  [](Control &c) { return c.call("OpenURL", { str("ftp://127.0.0.1/pub") }); },
                  status::invalidProcedureCall,
                  "ftp://127.0.0.1/pub: the control transfers over http and https only, not ftp" },
        Refusal { "InetUrlNotAnAddress", "InetCtlsObjects.Inet",
                  [](Control &c) { return c.put("URL", str("example.org")); }, status::invalidPropertyValue,
                  "URL = \"example.org\": it is not an ftp, http or https address" },
        Refusal { "InetNothingToOpen", "InetCtlsObjects.Inet", [](Control &c) { return c.call("OpenURL"); },
                  status::invalidProcedureCall, "OpenURL: no address: URL and RemoteHost are empty" },
        Refusal { "InetExecuteUnknownOperation", "InetCtlsObjects.Inet",
                  [](Control &c) {
                      return c.call("Execute", { str("http://127.0.0.1/"), str("DIR") });
                  },
                  status::invalidProcedureCall, "the operation \"DIR\" is none of GET, HEAD, POST and PUT" },
        Refusal { "MSCommSettingsMalformed", "MSCommLib.MSComm",
                  [](Control &c) { return c.put("Settings", str("9600,n,9,1")); },
                  status::invalidPropertyValue,
                  "Settings = \"9600,n,9,1\": they are not line settings: 9 data bits is not 4 to 8" },
        Refusal { "MSCommOutputWhileClosed", "MSCommLib.MSComm",
                  [](Control &c) { return c.put("Output", str("AT\r")); }, status::invalidPropertyValue,
                  "is not open (PortOpen is False)" },
        Refusal { "MSCommPortBeyondTheLast", "MSCommLib.MSComm",
                  [](Control &c) { return c.put("CommPort", number(17)); }, status::invalidPropertyValue,
                  "CommPort = 17: the port is 1 to 16" },
        Refusal { "MSCommInBufferCountOtherThanZero", "MSCommLib.MSComm",
                  [](Control &c) { return c.put("InBufferCount", number(3)); }, status::invalidPropertyValue,
                  "only 0 is written, which empties the buffer" },
        Refusal { "MAPISignOn", "MSMAPI.MAPISession", [](Control &c) { return c.call("SignOn"); },
                  status::deviceUnavailable, "SignOn: no mail system on this machine" },
        Refusal { "MAPISignOffWithoutASession", "MSMAPI.MAPISession",
                  [](Control &c) { return c.call("SignOff"); }, status::invalidProcedureCall,
                  "no session is signed on (SessionID is 0)" },
        Refusal { "MAPISend", "MSMAPI.MAPIMessages",
                  [](Control &c) {
                      EXPECT_EQ(c.put("RecipAddress", str("someone@example.org")), status::ok);
                      return c.call("Send");
                  },
                  status::deviceUnavailable, "Send: no mail system on this machine" },
        Refusal { "MAPIRecipientBeyondTheNext", "MSMAPI.MAPIMessages",
                  [](Control &c) { return c.put("RecipIndex", number(1)); }, status::invalidPropertyValue,
                  "RecipIndex = 1: the recipient is 0 to 0" },
        Refusal { "MAPIFetchedMessage", "MSMAPI.MAPIMessages",
                  [](Control &c) { return c.put("MsgIndex", number(0)); }, status::invalidPropertyValue,
                  "no mail was fetched (MsgCount is 0)" }),
    [](const auto &row) { return rowName(row); });

// A server and a client on one form: the server listens on a port the system chooses, accepts the client's
// request on itself, and the two send both ways until the client closes.
TEST_F(CommunicationMembers, WinsockServerAndClientTalkOverLoopbackBothWays)
{
    Form &form = unshown("MSWinsockLib.Winsock", { "Server", "Client" });
    Control *server = nullptr;
    int requests = 0;
    int serverArrivals = 0;
    int clientArrivals = 0;
    bool clientConnected = false;
    bool serverSawClose = false;
    form.bind("Server", "ConnectionRequest", [&](std::span<Variant> arguments) {
        ++requests;
        Variant none;
        return server->call("Accept", std::span<const Variant>(arguments.data(), 1), none);
    });
    form.bind("Server", "DataArrival", [&](std::span<Variant>) {
        ++serverArrivals;
        return status::ok;
    });
    form.bind("Server", "Close", [&](std::span<Variant>) {
        serverSawClose = true;
        return status::ok;
    });
    form.bind("Client", "Connect", [&](std::span<Variant>) {
        clientConnected = true;
        return status::ok;
    });
    form.bind("Client", "DataArrival", [&](std::span<Variant>) {
        ++clientArrivals;
        return status::ok;
    });
    ASSERT_EQ(form.Show(), status::ok) << lastError().toStdString();
    server = findControl(form, "Server");
    Control &client = *findControl(form, "Client");

    const int port = listenOnAnyPort(*server);
    ASSERT_GT(port, 0) << "LocalPort reads the port the system chose";
    EXPECT_EQ(read(*server, "State"), Variant(sckListening));
    ASSERT_EQ(client.put("RemoteHost", str("127.0.0.1")), status::ok);
    ASSERT_EQ(client.put("RemotePort", number(port)), status::ok);
    called(client, "Connect");
    ASSERT_TRUE(QTest::qWaitFor([&] { return clientConnected && requests == 1; }, 5000));
    EXPECT_TRUE(host.reports.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return read(*server, "State") == Variant(sckConnected); }, 5000));
    EXPECT_EQ(read(client, "State"), Variant(sckConnected));
    EXPECT_EQ(read(*server, "RemoteHostIP"), str("127.0.0.1"));
    EXPECT_EQ(read(*server, "LocalPort"), read(client, "RemotePort"));

    called(client, "SendData", { str("hello from the client") });
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return serverArrivals > 0 && read(*server, "BytesReceived") == Variant(21); }, 5000));
    EXPECT_EQ(called(*server, "PeekData"), str("hello from the client"));
    EXPECT_EQ(called(*server, "GetData"), str("hello from the client"));
    EXPECT_EQ(read(*server, "BytesReceived"), Variant(std::int32_t { 0 }));

    const Variant reply(QStringLiteral("caf\u00e9 is open"));
    called(*server, "SendData", { reply });
    ASSERT_TRUE(QTest::qWaitFor([&] { return read(client, "BytesReceived") == Variant(12); }, 5000));
    EXPECT_GT(clientArrivals, 0);
    EXPECT_EQ(called(client, "GetData"), reply);

    called(client, "Close");
    EXPECT_EQ(read(client, "State"), Variant(std::int32_t { 0 }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return serverSawClose; }, 5000));
    EXPECT_EQ(read(*server, "State"), Variant(sckClosing));
    called(*server, "Close");
    EXPECT_EQ(read(*server, "State"), Variant(std::int32_t { 0 }));
}

// The Error event tells the number and the system's words; the state says so after.
TEST_F(CommunicationMembers, WinsockErrorTellsTheNumberAndWhy)
{
    Form &form = unshown("MSWinsockLib.Winsock", { "Winsock1" });
    std::vector<Variant> error;
    form.bind("Winsock1", "Error", [&](std::span<Variant> arguments) {
        error.assign(arguments.begin(), arguments.end());
        return status::ok;
    });
    ASSERT_EQ(form.Show(), status::ok) << lastError().toStdString();
    Control &winsock = *findControl(form, "Winsock1");
    called(winsock, "Connect", { str("127.0.0.1"), number(closedPort()) });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !error.empty(); }, 5000));
    EXPECT_EQ(error[0], Variant(std::int16_t { 10061 })) << "sckConnectionRefused";
    EXPECT_TRUE(error[1].toString().value_or(QString()).contains(QStringLiteral("refused")))
        << error[1].toString().value_or(QString()).toStdString();
    EXPECT_EQ(read(winsock, "State"), Variant(sckError));
}

TEST_F(CommunicationMembers, InetOpenURLReturnsTheBodyAndTakesTheAddress)
{
    LoopbackHttpServer server(QStringLiteral("d\u00e9j\u00e0 vu").toUtf8());
    Control &inet = one("InetCtlsObjects.Inet");
    const QString url = server.url("/notes.txt");
    EXPECT_EQ(called(inet, "OpenURL", { Variant(url) }), Variant(QStringLiteral("d\u00e9j\u00e0 vu")));
    ASSERT_EQ(server.heads.size(), 1);
    EXPECT_TRUE(server.heads[0].startsWith("GET /notes.txt HTTP/1.1")) << server.heads[0].toStdString();
    EXPECT_EQ(read(inet, "URL"), Variant(url));
    EXPECT_EQ(read(inet, "RemoteHost"), str("127.0.0.1"));
    EXPECT_EQ(read(inet, "RemotePort"), Variant(std::int32_t { server.port }));
    EXPECT_EQ(read(inet, "Protocol"), Variant(std::int32_t { 4 })) << "icHTTP";
    EXPECT_EQ(read(inet, "ResponseCode"), Variant(std::int32_t { 200 }));
    EXPECT_EQ(read(inet, "StillExecuting"), Variant(false));
}

TEST_F(CommunicationMembers, InetExecuteRunsOnAndItsResponseIsReadInChunks)
{
    LoopbackHttpServer server("one two three");
    Form &form = unshown("InetCtlsObjects.Inet", { "Inet1" });
    std::vector<Variant> states;
    form.bind("Inet1", "StateChanged", [&](std::span<Variant> arguments) {
        states.push_back(arguments[0]);
        return status::ok;
    });
    ASSERT_EQ(form.Show(), status::ok) << lastError().toStdString();
    Control &inet = *findControl(form, "Inet1");
    ASSERT_EQ(inet.put("URL", Variant(server.url("/list"))), status::ok);
    ASSERT_EQ(inet.put("UserName", str("reader")), status::ok);
    called(inet, "Execute", { str(""), str("POST"), str("q=1"), str("X-Probe: yes") });
    EXPECT_EQ(read(inet, "StillExecuting"), Variant(true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return read(inet, "StillExecuting") == Variant(false); }, 5000));
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.back(), Variant(std::int16_t { 12 })) << "icResponseCompleted";
    EXPECT_EQ(called(inet, "GetChunk", { number(4) }), str("one "));
    EXPECT_EQ(called(inet, "GetChunk", { number(100) }), str("two three"));
    EXPECT_EQ(called(inet, "GetChunk", { number(100) }), str(""));
    EXPECT_EQ(called(inet, "GetHeader", { str("content-length") }), str("13"));
    ASSERT_EQ(server.heads.size(), 1);
    const QByteArray head = server.heads[0];
    EXPECT_TRUE(head.startsWith("POST /list HTTP/1.1")) << head.toStdString();
    EXPECT_TRUE(head.contains("X-Probe: yes")) << head.toStdString();
    EXPECT_TRUE(head.contains("Authorization: Basic " + QByteArray("reader:").toBase64()))
        << head.toStdString();
}

TEST_F(CommunicationMembers, MSCommOnAMissingPortSaysWhichDeviceAndWhy)
{
    const SerialDeviceFolder devices;
    Control &comm = one("MSCommLib.MSComm");
    EXPECT_EQ(comm.put("PortOpen", Variant(true)), status::deviceUnavailable);
    const QString why = lastError();
    EXPECT_TRUE(why.contains(QStringLiteral("PortOpen = True: no serial port COM1 (%1) on this machine: %2")
                                 .arg(devices.device(1), QString::fromLocal8Bit(std::strerror(ENOENT)))))
        << why.toStdString();
    EXPECT_EQ(read(comm, "PortOpen"), Variant(false));
}

TEST_F(CommunicationMembers, MSCommSendsAndReceivesOverAPseudoTerminal)
{
    Control &comm = one("MSCommLib.MSComm");
    const PseudoTerminalPort port;
    ASSERT_EQ(comm.put("Settings", str("19200,e,7,2")), status::ok);
    ASSERT_EQ(comm.put("PortOpen", Variant(true)), status::ok) << lastError().toStdString();
    EXPECT_EQ(comm.put("CommPort", number(2)), status::invalidPropertyValue) << "not while the port is open";
    EXPECT_TRUE(lastError().contains(QStringLiteral("PortOpen is True")));

    ASSERT_EQ(comm.put("Output", str("ATZ\r")), status::ok) << lastError().toStdString();
    EXPECT_EQ(port.receive(4), QByteArray("ATZ\r"));

    port.send("OK\r\n");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return read(comm, "InBufferCount") == Variant(std::int32_t { 4 }); }, 5000));
    ASSERT_EQ(comm.put("InputLen", number(2)), status::ok);
    EXPECT_EQ(read(comm, "Input"), str("OK"));
    EXPECT_EQ(read(comm, "InBufferCount"), Variant(std::int32_t { 2 }));
    ASSERT_EQ(comm.put("InBufferCount", number(0)), status::ok);
    EXPECT_EQ(read(comm, "Input"), str(""));

    ASSERT_EQ(comm.put("PortOpen", Variant(false)), status::ok);
    EXPECT_EQ(comm.put("Output", str("x")), status::invalidPropertyValue);
}

// The message being composed keeps what a program writes, recipient by recipient, until Compose starts anew.
TEST_F(CommunicationMembers, MAPIMessagesKeepsTheMessageBeingComposed)
{
    Control &messages = one("MSMAPI.MAPIMessages");
    ASSERT_EQ(messages.put("MsgSubject", str("Minutes")), status::ok);
    ASSERT_EQ(messages.put("RecipAddress", str("first@example.org")), status::ok);
    ASSERT_EQ(messages.put("RecipIndex", number(1)), status::ok);
    ASSERT_EQ(messages.put("RecipAddress", str("second@example.org")), status::ok);
    ASSERT_EQ(messages.put("RecipType", number(2)), status::ok);
    EXPECT_EQ(read(messages, "RecipCount"), Variant(std::int32_t { 2 }));
    ASSERT_EQ(messages.put("RecipIndex", number(0)), status::ok);
    EXPECT_EQ(read(messages, "RecipAddress"), str("first@example.org"));
    EXPECT_EQ(read(messages, "RecipType"), Variant(std::int32_t { 1 })) << "mapToList";
    called(messages, "Compose");
    EXPECT_EQ(read(messages, "RecipCount"), Variant(std::int32_t { 0 }));
    EXPECT_EQ(read(messages, "MsgSubject"), str(""));
}

} // namespace
} // namespace qv::test
