// MSDATGRD.OCX: the data grid control.

#include "datagrid.h"

namespace qv::msdatagrid
{

class MSDataGridLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSDATGRD.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        if (clsid == u"{CDE57A43-8B86-11D0-B3C6-00A0C90AEA82}")
            return createDataGrid(settings, container);
        return { nullptr, QStringLiteral("MSDATGRD.OCX has no class %1").arg(clsid) };
    }
};

} // namespace qv::msdatagrid

#include "main.moc"
