#include "serial_line.h"

#include <QFile>
#include <QSocketNotifier>
#include <QStringList>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace qv::mscommlib
{

namespace
{

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

struct Rate {
    int baud;
    speed_t speed;
};
constexpr std::array rates { Rate { 110, B110 },     Rate { 300, B300 },      Rate { 600, B600 },
                             Rate { 1200, B1200 },   Rate { 2400, B2400 },    Rate { 4800, B4800 },
                             Rate { 9600, B9600 },   Rate { 19200, B19200 },  Rate { 38400, B38400 },
                             Rate { 57600, B57600 }, Rate { 115200, B115200 } };

// The system console is the machine's own: a program does not take it over as a serial port.
bool isSystemConsole(const QString &device)
{
    struct stat info {
    };
    if (::stat(QFile::encodeName(device).constData(), &info) != 0 || !S_ISCHR(info.st_mode))
        return false;
    QFile consoles(QStringLiteral("/proc/consoles"));
    if (!consoles.open(QIODevice::ReadOnly))
        return false;
    const QString numbers = QStringLiteral("%1:%2").arg(major(info.st_rdev)).arg(minor(info.st_rdev));
    for (const QByteArray &line : consoles.readAll().split('\n')) {
        if (QString::fromLatin1(line).simplified().split(QLatin1Char(' ')).last() == numbers)
            return true;
    }
    return false;
}

// The termios flags of line settings such as "9600,n,8,1", or why this machine cannot set them.
std::optional<QString> applyLine(termios &mode, const QString &line, int handshaking)
{
    const QStringList parts = line.split(QLatin1Char(','));
    const int baud = parts[0].toInt();
    const auto rate = std::find_if(rates.begin(), rates.end(), [&](const Rate &r) { return r.baud == baud; });
    if (rate == rates.end())
        return QStringLiteral("the baud rate %1 is not one this machine's serial ports offer").arg(baud);
    const int dataBits = parts[2].toInt();
    if (dataBits < 5)
        return QStringLiteral("%1 data bits are not offered by this machine's serial ports, 5 to 8 are")
            .arg(dataBits);
    ::cfmakeraw(&mode);
    ::cfsetispeed(&mode, rate->speed);
    ::cfsetospeed(&mode, rate->speed);
    mode.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    mode.c_cflag |= CLOCAL | CREAD;
    constexpr std::array<tcflag_t, 4> sizes { CS5, CS6, CS7, CS8 };
    mode.c_cflag |= sizes[static_cast<std::size_t>(dataBits - 5)];
    switch (parts[1].toLower().front().toLatin1()) {
    case 'e':
        mode.c_cflag |= PARENB;
        break;
    case 'o':
        mode.c_cflag |= PARENB | PARODD;
        break;
    case 'm':
        mode.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case 's':
        mode.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    // One and a half stop bits is what two means to a port sending five data bits.
    if (parts[3] != QLatin1String("1"))
        mode.c_cflag |= CSTOPB;
    mode.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF);
    if (handshaking == 1 || handshaking == 3)
        mode.c_iflag |= IXON | IXOFF;
    if (handshaking == 2 || handshaking == 3)
        mode.c_cflag |= CRTSCTS;
    return std::nullopt;
}

} // namespace

QString serialDevicePath(int port)
{
    return QStringLiteral("%1/ttyS%2")
        .arg(qEnvironmentVariable("QUORVANE_SERIAL_DEVICES", QStringLiteral("/dev")))
        .arg(port - 1);
}

SerialLine::~SerialLine()
{
    close();
}

std::optional<QString> SerialLine::open(const QString &device, const QString &line, int handshaking)
{
    if (isSystemConsole(device))
        return QStringLiteral("it is this machine's system console");
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return systemReason();
    if (!::isatty(fd)) {
        ::close(fd);
        return QStringLiteral("it is not a terminal device");
    }
    fd_ = fd;
    if (std::optional<QString> why = configure(line, handshaking)) {
        close();
        return why;
    }
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SerialLine::readWaiting);
    return std::nullopt;
}

std::optional<QString> SerialLine::configure(const QString &line, int handshaking)
{
    termios mode {};
    if (::tcgetattr(fd_, &mode) != 0)
        return systemReason();
    if (std::optional<QString> why = applyLine(mode, line, handshaking))
        return why;
    if (::tcsetattr(fd_, TCSANOW, &mode) != 0)
        return systemReason();
    return std::nullopt;
}

void SerialLine::close()
{
    delete std::exchange(notifier_, nullptr);
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    input_.clear();
}

std::optional<QString> SerialLine::write(const QByteArray &data)
{
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n
            = ::write(fd_, data.constData() + written, static_cast<size_t>(data.size() - written));
        if (n > 0)
            written += n;
        else if (n < 0 && errno == EAGAIN)
            ::tcdrain(fd_);
        else if (n == 0)
            return QStringLiteral("the port took no data");
        else if (errno != EINTR)
            return systemReason();
    }
    return std::nullopt;
}

void SerialLine::readWaiting()
{
    std::array<char, 4096> chunk {};
    bool arrived = false;
    for (;;) {
        const ssize_t n = ::read(fd_, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR)
            continue;
        // The line hung up: nothing more will arrive until the port is opened again.
        if (n == 0 || (n < 0 && errno != EAGAIN))
            notifier_->setEnabled(false);
        if (n <= 0)
            break;
        input_.append(chunk.data(), n);
        arrived = true;
    }
    if (arrived)
        emit received();
}

} // namespace qv::mscommlib
