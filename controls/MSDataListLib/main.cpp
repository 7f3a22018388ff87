// MSDATLST.OCX: the data-bound list and combo box controls.

#include "datacombo.h"
#include "datacombo_members.h"
#include "datalist.h"
#include "datalist_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <QComboBox>
#include <QListWidget>
#include <array>

namespace qv::msdatalist
{

constexpr std::array classes {
    describedClass<DataListMembers, QListWidget>(library::clsid::DataList, createDataList),
    describedClass<DataComboMembers, QComboBox>(library::clsid::DataCombo, createDataCombo),
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
