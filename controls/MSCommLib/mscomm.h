#pragma once
// The serial communications control: an invisible object holding the port and line settings of its saved
// state, and the port a program opens with them.

#include <quorvane/control_library.h>

#include <QObject>
#include <QString>

namespace qv::mscommlib
{

class MSCommControl final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int CommPort MEMBER commPort)
    Q_PROPERTY(QString Settings MEMBER settings)
    Q_PROPERTY(int Handshaking MEMBER handshaking)
public:
    using QObject::QObject;

    // The saved state, as the block gave it and the program changes it.
    int commPort = 1;
    QString settings = QStringLiteral("9600,n,8,1");
    int handshaking = 0;
};

inline constexpr int lastCommPort = 16;

// What is wrong with line settings such as "9600,n,8,1", or nothing when they are right.
QString lineSettingsFault(const QString &line);

// Saved state: "CommPort" (1 to 16, 1 when absent), "Settings" (baud rate, parity, data bits and stop bits,
// "9600,n,8,1" when absent) and "Handshaking" (0 none, 1 XOn/XOff, 2 RTS/CTS, 3 both; 0 when absent).
ControlLibrary::Creation createMSComm(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscommlib
