#include "mscomm.h"

#include "controls/interface/checked_block.h"

#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <array>

namespace qv::mscommlib
{

namespace
{

constexpr std::array baudRates { 110,   300,   600,   1200,  2400,  4800,   9600,   14400,
                                 19200, 28800, 38400, 56000, 57600, 115200, 128000, 256000 };

} // namespace

QString lineSettingsFault(const QString &line)
{
    const QStringList parts = line.split(QLatin1Char(','));
    if (parts.size() != 4)
        return QStringLiteral("it has %1 parts, not baud rate, parity, data bits and stop bits")
            .arg(parts.size());
    bool isNumber = false;
    const int baud = parts[0].toInt(&isNumber);
    if (!isNumber || std::find(baudRates.begin(), baudRates.end(), baud) == baudRates.end())
        return QStringLiteral("%1 is not a baud rate the port offers").arg(parts[0]);
    if (!QStringList { QStringLiteral("n"), QStringLiteral("e"), QStringLiteral("o"), QStringLiteral("m"),
                       QStringLiteral("s") }
             .contains(parts[1], Qt::CaseInsensitive))
        return QStringLiteral("the parity %1 is none of n, e, o, m and s").arg(parts[1]);
    const int dataBits = parts[2].toInt(&isNumber);
    if (!isNumber || dataBits < 4 || dataBits > 8)
        return QStringLiteral("%1 data bits is not 4 to 8").arg(parts[2]);
    if (!QStringList { QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2") }.contains(parts[3]))
        return QStringLiteral("%1 stop bits is none of 1, 1.5 and 2").arg(parts[3]);
    return {};
}

ControlLibrary::Creation createMSComm(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int port = state.integer(u"CommPort", 1, 1, lastCommPort);
    const QString line = state.text(u"Settings", QStringLiteral("9600,n,8,1"));
    const int handshaking = state.integer(u"Handshaking", 0, 0, 3);
    if (const QString fault = lineSettingsFault(line); !fault.isEmpty())
        state.refuse(QStringLiteral("Settings \"%1\" are not line settings: %2").arg(line, fault));
    if (!state.ok())
        return { nullptr, state.error() };

    auto *comm = new MSCommControl(&container);
    comm->commPort = port;
    comm->settings = line;
    comm->handshaking = handshaking;
    return { comm, {} };
}

} // namespace qv::mscommlib
