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

class MSDataListLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSDATLST.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, library::file, clsid, settings, container);
    }
};

} // namespace qv::msdatalist

#include "main.moc"
