// MSHFLXGD.OCX: the hierarchical flex grid control, shown as the flex grid is when unbound.

#include "controls/interface/class_table.h"
#include "controls/kit/flex_grid.h"
#include "controls/kit/flex_grid_members.h"
#include "library_classes.h"

#include <array>

namespace qv::mshflexgrid
{

constexpr std::array classes {
    describedClass<kit::FlexGridMembers, kit::FlexGrid>(library::clsid::MSHFlexGrid, kit::createFlexGrid),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSHierarchicalFlexGridLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSHFLXGD.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSHierarchicalFlexGridLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::mshflexgrid

#include "main.moc"
