#include "mscomm_members.h"

#include <algorithm>
#include <limits>

namespace qv::mscommlib
{

MSCommMembers::MSCommMembers(MSCommControl &control)
    : control_(control)
{
    connect(&line_, &SerialLine::received, this, [this] {
        if (rThreshold_ > 0 && line_.input().size() >= rThreshold_)
            raise(comEvReceive);
    });
}

void MSCommMembers::raise(int event)
{
    commEvent_ = event;
    emit OnComm();
}

QString MSCommMembers::portName() const
{
    return QStringLiteral("COM%1 (%2)").arg(control_.commPort).arg(serialDevicePath(control_.commPort));
}

bool MSCommMembers::refusedWhileOpen(const char *what)
{
    if (!line_.isOpen())
        return false;
    refuse(status::invalidPropertyValue,
           QStringLiteral("%1 changes only while the port is closed (PortOpen is True)")
               .arg(QLatin1String(what)));
    return true;
}

bool MSCommMembers::refusedWhileClosed()
{
    if (line_.isOpen())
        return false;
    refuse(status::invalidPropertyValue,
           QStringLiteral("%1 is not open (PortOpen is False)").arg(portName()));
    return true;
}

bool MSCommMembers::refusedNegative(int count)
{
    if (count >= 0)
        return false;
    refuse(status::invalidPropertyValue, QStringLiteral("it is 0 or more"));
    return true;
}

void MSCommMembers::setCommPort(int port)
{
    if (port < 1 || port > lastCommPort)
        return refuse(status::invalidPropertyValue, QStringLiteral("the port is 1 to %1").arg(lastCommPort));
    if (!refusedWhileOpen("the port"))
        control_.commPort = port;
}

void MSCommMembers::setSettings(const QString &line)
{
    if (const QString fault = lineSettingsFault(line); !fault.isEmpty())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("they are not line settings: %1").arg(fault));
    if (line_.isOpen()) {
        if (std::optional<QString> why = line_.configure(line, control_.handshaking)) {
            line_.configure(control_.settings, control_.handshaking);
            return refuse(status::invalidPropertyValue,
                          QStringLiteral("%1 cannot take them: %2").arg(portName(), *why));
        }
    }
    control_.settings = line;
}

void MSCommMembers::setHandshaking(HandshakeConstants handshaking)
{
    if (line_.isOpen()) {
        if (std::optional<QString> why = line_.configure(control_.settings, handshaking)) {
            line_.configure(control_.settings, control_.handshaking);
            return refuse(status::invalidPropertyValue,
                          QStringLiteral("%1 cannot take it: %2").arg(portName(), *why));
        }
    }
    control_.handshaking = handshaking;
}

void MSCommMembers::setPortOpen(bool open)
{
    if (!open)
        return line_.close();
    if (line_.isOpen())
        return;
    if (std::optional<QString> why
        = line_.open(serialDevicePath(control_.commPort), control_.settings, control_.handshaking))
        refuse(status::deviceUnavailable,
               QStringLiteral("no serial port %1 on this machine: %2").arg(portName(), *why));
}

int MSCommMembers::inBufferCount() const
{
    return static_cast<int>(std::min<qsizetype>(line_.input().size(), std::numeric_limits<int>::max()));
}

void MSCommMembers::setInBufferCount(int count)
{
    if (count != 0)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("only 0 is written, which empties the buffer"));
    line_.input().clear();
}

void MSCommMembers::setInputLen(int length)
{
    if (!refusedNegative(length))
        inputLen_ = length;
}

QString MSCommMembers::input()
{
    QByteArray &waiting = line_.input();
    const qsizetype taken = inputLen_ == 0 ? waiting.size() : std::min<qsizetype>(inputLen_, waiting.size());
    const QString text = QString::fromLatin1(waiting.left(taken));
    waiting.remove(0, taken);
    return text;
}

void MSCommMembers::setOutput(const QString &data)
{
    // Nothing to send is sent on a closed port too.
    if (data.isEmpty() || refusedWhileClosed())
        return;
    for (const QChar c : data) {
        if (c.unicode() > 0xFF)
            return refuse(
                status::invalidPropertyValue,
                QStringLiteral("the character %1 (U+%2) is no byte: the port sends a byte a character")
                    .arg(c)
                    .arg(c.unicode(), 4, 16, QLatin1Char('0')));
    }
    if (std::optional<QString> why = line_.write(data.toLatin1()))
        return refuse(status::deviceUnavailable, QStringLiteral("%1 cannot send: %2").arg(portName(), *why));
    // Everything written went to the system at once: the output buffer is below any threshold.
    if (sThreshold_ > 0)
        QMetaObject::invokeMethod(
            this, [this] { raise(comEvSend); }, Qt::QueuedConnection);
}

void MSCommMembers::setRThreshold(int count)
{
    if (!refusedNegative(count))
        rThreshold_ = count;
}

void MSCommMembers::setSThreshold(int count)
{
    if (!refusedNegative(count))
        sThreshold_ = count;
}

} // namespace qv::mscommlib
