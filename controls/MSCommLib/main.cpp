// MSCOMM32.OCX: the serial communications control.

#include "mscomm.h"
#include "mscomm_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::mscommlib
{

constexpr std::array classes {
    describedClass<MSCommMembers, MSCommControl>(library::clsid::MSComm, createMSComm),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSCommLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSCOMM32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSCommLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::mscommlib

#include "main.moc"
