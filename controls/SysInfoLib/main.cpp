// SYSINFO.OCX: the system information control.

#include "sysinfo.h"
#include "sysinfo_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::sysinfolib
{

constexpr std::array classes {
    describedClass<SysInfoMembers, QObject>(library::clsid::SysInfo, createSysInfo),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class SysInfoLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "SYSINFO.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    SysInfoLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::sysinfolib

#include "main.moc"
