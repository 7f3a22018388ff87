// SYSINFO.OCX: the system information control.

#include "sysinfo.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::sysinfolib
{

constexpr std::array classes {
    ClassFactory { u"{6FBA474B-43AC-11CE-9A0E-00AA0062BB4C}", createSysInfo },
};

class SysInfoLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "SYSINFO.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"SYSINFO.OCX", clsid, settings, container);
    }
};

} // namespace qv::sysinfolib

#include "main.moc"
