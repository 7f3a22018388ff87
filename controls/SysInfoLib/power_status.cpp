#include "power_status.h"

#include <QDir>
#include <QFile>
#include <optional>

namespace qv::sysinfolib
{

namespace
{

QString fact(const QDir &supply, const char *name)
{
    QFile file(supply.filePath(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).trimmed();
}

std::optional<double> number(const QDir &supply, const char *name)
{
    bool ok = false;
    const double value = fact(supply, name).toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// The battery's charge now and when full, and the rate it is used at: in energy (microwatt-hours and
// microwatts) or in charge (microampere-hours and microamperes), whichever the battery reports.
struct Charge {
    std::optional<double> now, full, rate;
};

Charge chargeOf(const QDir &battery)
{
    Charge energy { number(battery, "energy_now"), number(battery, "energy_full"),
                    number(battery, "power_now") };
    if (energy.now && energy.full)
        return energy;
    return { number(battery, "charge_now"), number(battery, "charge_full"), number(battery, "current_now") };
}

void readBattery(const QDir &battery, PowerStatus &status)
{
    const QString state = fact(battery, "status");
    const std::optional<double> capacity = number(battery, "capacity");
    const bool charging = state == QLatin1String("Charging");
    if (capacity) {
        status.batteryLifePercent = static_cast<short>(qBound(0.0, *capacity, 100.0));
        short level = *capacity > 66 ? 1 : *capacity < 5 ? 4 : *capacity < 33 ? 2 : 0;
        status.batteryStatus = static_cast<short>(level | (charging ? 8 : 0));
    }
    if (state == QLatin1String("Discharging")) {
        if (status.acStatus == 255)
            status.acStatus = 0;
        const Charge charge = chargeOf(battery);
        if (charge.rate && *charge.rate > 0) {
            if (charge.now)
                status.batteryLifeTime = static_cast<int>(*charge.now / *charge.rate * 3600);
            if (charge.full)
                status.batteryFullTime = static_cast<int>(*charge.full / *charge.rate * 3600);
        }
    }
}

} // namespace

PowerStatus readPowerStatus(const QString &root)
{
    PowerStatus status;
    const QDir supplies(root);
    if (!supplies.exists())
        return status;
    bool battery = false;
    for (const QString &name : supplies.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const QDir supply(supplies.filePath(name));
        const QString type = fact(supply, "type");
        if (type == QLatin1String("Mains"))
            status.acStatus = fact(supply, "online") == QLatin1String("1") ? 1 : 0;
    }
    for (const QString &name : supplies.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const QDir supply(supplies.filePath(name));
        if (fact(supply, "type") == QLatin1String("Battery")
            && fact(supply, "scope") != QLatin1String("Device")) {
            battery = true;
            readBattery(supply, status);
            break;
        }
    }
    if (!battery)
        status.batteryStatus = 128;
    return status;
}

} // namespace qv::sysinfolib
