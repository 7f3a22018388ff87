// MSFLXGRD.OCX: the flex grid control.

#include "controls/interface/class_table.h"
#include "controls/kit/flex_grid.h"
#include "controls/kit/flex_grid_members.h"
#include "library_classes.h"

#include <array>

namespace qv::msflexgrid
{

constexpr std::array classes {
    describedClass<kit::FlexGridMembers, kit::FlexGrid>(library::clsid::MSFlexGrid, kit::createFlexGrid),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSFlexGridLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSFLXGRD.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSFlexGridLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::msflexgrid

#include "main.moc"
