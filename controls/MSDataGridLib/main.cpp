// MSDATGRD.OCX: the data grid control.

#include "datagrid.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::msdatagrid
{

constexpr std::array classes {
    ClassFactory { u"{CDE57A43-8B86-11D0-B3C6-00A0C90AEA82}", createDataGrid },
};

class MSDataGridLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSDATGRD.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"MSDATGRD.OCX", clsid, settings, container);
    }
};

} // namespace qv::msdatagrid

#include "main.moc"
