// COMCT332.OCX: the cool bar control.

#include "cool_bar.h"
#include "cool_bar_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::comctl3
{

constexpr std::array classes {
    describedClass<CoolBarMembers, CoolBarControl>(library::clsid::CoolBar, createCoolBar),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class ComCtl3Library final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "COMCT332.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    ComCtl3Library()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::comctl3

#include "main.moc"
