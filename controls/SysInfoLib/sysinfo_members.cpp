#include "sysinfo_members.h"

#include "power_status.h"

#include "controls/interface/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QSysInfo>

namespace qv::sysinfolib
{

namespace
{

// The numbers the kernel's version begins with: "6.1.0-18-amd64" gives 6, 1, 0.
QList<int> kernelNumbers()
{
    QList<int> numbers;
    const QString version = QSysInfo::kernelVersion();
    const QString leading = version.left(version.indexOf(QLatin1Char('-')));
    for (const QString &part : leading.split(QLatin1Char('.')))
        numbers << part.toInt();
    return numbers;
}

QRect workArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

SysInfoMembers::SysInfoMembers(QObject &sysInfo)
    : MemberObject(&sysInfo)
{
    // A new primary screen is a change of display too.
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen *screen) {
        watch(screen);
        emit DisplayChanged();
    });
    watch(QGuiApplication::primaryScreen());
}

void SysInfoMembers::watch(QScreen *screen)
{
    if (!screen)
        return;
    connect(screen, &QScreen::geometryChanged, this, &SysInfoMembers::DisplayChanged, Qt::UniqueConnection);
    connect(screen, &QScreen::availableGeometryChanged, this, &SysInfoMembers::DisplayChanged,
            Qt::UniqueConnection);
}

float SysInfoMembers::osVersion() const
{
    const QList<int> numbers = kernelNumbers();
    return QStringLiteral("%1.%2").arg(numbers.value(0)).arg(numbers.value(1)).toFloat();
}

short SysInfoMembers::osBuild() const
{
    return static_cast<short>(kernelNumbers().value(2));
}

short SysInfoMembers::acStatus() const
{
    return readPowerStatus().acStatus;
}

int SysInfoMembers::batteryFullTime() const
{
    return readPowerStatus().batteryFullTime;
}

short SysInfoMembers::batteryLifePercent() const
{
    return readPowerStatus().batteryLifePercent;
}

int SysInfoMembers::batteryLifeTime() const
{
    return readPowerStatus().batteryLifeTime;
}

short SysInfoMembers::batteryStatus() const
{
    return readPowerStatus().batteryStatus;
}

float SysInfoMembers::workAreaLeft() const
{
    return static_cast<float>(TwipsScale::ofScreen().toTwipsX(workArea().x()));
}

float SysInfoMembers::workAreaTop() const
{
    return static_cast<float>(TwipsScale::ofScreen().toTwipsY(workArea().y()));
}

float SysInfoMembers::workAreaWidth() const
{
    return static_cast<float>(TwipsScale::ofScreen().toTwipsX(workArea().width()));
}

float SysInfoMembers::workAreaHeight() const
{
    return static_cast<float>(TwipsScale::ofScreen().toTwipsY(workArea().height()));
}

} // namespace qv::sysinfolib
