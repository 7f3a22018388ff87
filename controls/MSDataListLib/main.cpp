// MSDATLST.OCX: the data-bound list and combo box controls.

#include "datacombo.h"
#include "datalist.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::msdatalist
{

constexpr std::array classes {
    ClassFactory { u"{F0D2F219-CCB0-11D0-A316-00AA00688B10}", createDataList },
    ClassFactory { u"{F0D2F21C-CCB0-11D0-A316-00AA00688B10}", createDataCombo },
};

class MSDataListLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSDATLST.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"MSDATLST.OCX", clsid, settings, container);
    }
};

} // namespace qv::msdatalist

#include "main.moc"
