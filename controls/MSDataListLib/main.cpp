// MSDATLST.OCX: the data-bound list and combo box controls.

#include "datacombo.h"
#include "datalist.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::msdatalist
{

constexpr std::array classes {
    ClassFactory { library::clsid::DataList, createDataList },
    ClassFactory { library::clsid::DataCombo, createDataCombo },
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSDataListLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSDATLST.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSDataListLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::msdatalist

#include "main.moc"
